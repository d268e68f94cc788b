#include "net/rally_checksum.h"

#include <cstddef>

namespace rallix {
namespace {

// FNV-1a, 64 bits: tiny, and ample for telling two states apart.
constexpr std::uint64_t kFnvOffsetBasis = 14695981039346656037u;
constexpr std::uint64_t kFnvPrime = 1099511628211u;
constexpr std::size_t kBitsPerByte = 8;
constexpr std::uint32_t kByteMask = 0xFF;

class Fnv1a {
 public:
  // Little-endian byte by byte, so both machines mix the same bytes whatever
  // order they keep them in.
  void Mix(std::uint32_t value) {
    for (std::size_t shift = 0; shift < sizeof(value) * kBitsPerByte; shift += kBitsPerByte) {
      hash_ = (hash_ ^ ((value >> shift) & kByteMask)) * kFnvPrime;
    }
  }
  void Mix(std::int32_t value) { Mix(static_cast<std::uint32_t>(value)); }
  void Mix(bool value) { Mix(std::uint32_t{value}); }
  void Mix(SteeringDevice device) { Mix(static_cast<std::uint32_t>(device)); }
  void Mix(const Rect& r) {
    for (const std::int32_t edge : {r.left, r.top, r.right, r.bottom}) {
      Mix(edge);
    }
  }
  void Mix(const BallMotion& m) {
    Mix(m.dx);
    Mix(m.dy);
  }
  std::uint64_t Hash() const { return hash_; }

 private:
  std::uint64_t hash_ = kFnvOffsetBasis;
};

// Which kind of rally comes first, so two kinds with equal fields differ.
enum class RallyKind : std::uint32_t { SinglePlayer, TwoPlayers };

template <typename... Fields>
std::uint64_t HashOf(RallyKind kind, const Fields&... fields) {
  Fnv1a fnv;
  fnv.Mix(static_cast<std::uint32_t>(kind));
  (fnv.Mix(fields), ...);
  return fnv.Hash();
}

}  // namespace

std::uint64_t RallyChecksum(const MatchRally& rally) {
  if (const SinglePlayerRally* r = rally.SinglePlayer()) {
    return HashOf(RallyKind::SinglePlayer, r->BallRect, r->PlayerRect, r->AIRect, r->Ball,
                  r->BallSpeed, r->AISpeed, r->Paused, r->PauseHeld, r->UseJoystick,
                  r->UseKeyboard);
  }
  const TwoPlayerRally& r = *rally.TwoPlayers();
  return HashOf(RallyKind::TwoPlayers, r.BallRect, r.PlayerRect, r.Player2Rect, r.Ball, r.BallSpeed,
                r.Paused, r.PauseHeld, r.Player1Device, r.Player2Device, r.TwoMachines);
}

}  // namespace rallix
