// libFuzzer target: any bytes at all, as they could arrive from the network, through the one
// decoder of the messages two games exchange. A crash, a sanitizer report or a hang is a
// finding; so is a message the decoder accepts that does not encode back to the very bytes it
// came from (every message has one encoding, so anything else slipped past a check) or that
// decodes again to another message.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "net/messages.h"

namespace rallix::net {
namespace {

[[noreturn]] void Finding(const char* what) {
  std::fprintf(stderr, "message_fuzzer finding: %s\n", what);
  std::abort();
}

void Check(std::span<const std::uint8_t> bytes) {
  const DecodeResult decoded = Decode(bytes);
  if (!decoded.message) {
    return;
  }
  const std::vector<std::uint8_t> encoded = Encode(*decoded.message);
  if (encoded.size() > kMaxMessageBytes) {
    Finding("an accepted message encodes over the largest message's size");
  }
  if (!std::equal(encoded.begin(), encoded.end(), bytes.begin(), bytes.end())) {
    Finding("an accepted message encodes to other bytes than it came from");
  }
  const DecodeResult again = Decode(encoded);
  if (!again.message || !(*again.message == *decoded.message)) {
    Finding("a message's own encoding decodes to another message");
  }
}

}  // namespace
}  // namespace rallix::net

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rallix::net::Check({data, size});
  return 0;
}
