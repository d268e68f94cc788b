#include "apps/user_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace rallix {
namespace {

std::optional<std::filesystem::path> AbsoluteFrom(const std::optional<std::string>& value) {
  if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) {
    return std::nullopt;
  }
  return std::filesystem::path(*value);
}

}  // namespace

std::optional<std::filesystem::path> UserFolder(const EnvironmentReader& environment) {
  if (const auto dataHome = AbsoluteFrom(environment("XDG_DATA_HOME"))) {
    return *dataHome / "rallix";
  }
  if (const auto home = AbsoluteFrom(environment("HOME"))) {
    return *home / ".local" / "share" / "rallix";
  }
  return std::nullopt;
}

void EnterUserFolder() {
  const std::optional<std::filesystem::path> folder =
      UserFolder([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
      });
  if (!folder) {
    throw std::runtime_error("--user-folder needs HOME or XDG_DATA_HOME set to an absolute path");
  }
  std::error_code ec;
  std::filesystem::create_directories(*folder, ec);
  if (!ec) {
    std::filesystem::current_path(*folder, ec);
  }
  if (ec) {
    throw std::runtime_error("cannot use the folder " + folder->string() + ": " + ec.message());
  }
}

}  // namespace rallix
