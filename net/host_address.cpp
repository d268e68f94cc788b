#include "net/host_address.h"

#include <charconv>
#include <limits>

#include "net/net_error.h"

namespace rallix::net {
namespace {

std::uint16_t ParsePort(std::string_view text, std::string_view where) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value == 0 ||
      value > std::numeric_limits<std::uint16_t>::max()) {
    throw NetError("\"" + std::string(where) + "\": the port must be a number from 1 to 65535");
  }
  return static_cast<std::uint16_t>(value);
}

}  // namespace

HostAndPort ParseHostAndPort(std::string_view where, std::uint16_t defaultPort) {
  // More than one colon, or brackets, is how IPv6 addresses are written.
  const auto colon = where.find(':');
  if (where.find('[') != std::string_view::npos ||
      (colon != std::string_view::npos && where.find(':', colon + 1) != std::string_view::npos)) {
    throw NetError("\"" + std::string(where) +
                   "\" is an IPv6 address: network play (ENet 1.3) works over IPv4 only");
  }
  const std::string_view host = where.substr(0, colon);
  if (host.empty()) {
    throw NetError("\"" + std::string(where) + "\" names no host");
  }
  const std::uint16_t port =
      colon == std::string_view::npos ? defaultPort : ParsePort(where.substr(colon + 1), where);
  return {std::string(host), port};
}

}  // namespace rallix::net
