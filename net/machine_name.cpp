#include "net/machine_name.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>

#include "net/messages.h"

namespace rallix::net {
namespace {

constexpr char kUnnamed[] = "rallix";
constexpr char kUnprintable = '?';

}  // namespace

std::string MachineName() {
  std::array<char, HOST_NAME_MAX + 1> buffer{};
  if (::gethostname(buffer.data(), buffer.size() - 1) != 0 || buffer[0] == '\0') {
    return kUnnamed;
  }
  std::string name(buffer.data());
  name.resize(std::min(name.size(), kMaxPlayerNameBytes));
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !IsPrintable(c); }, kUnprintable);
  return name;
}

}  // namespace rallix::net
