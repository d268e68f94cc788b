#include <charconv>
#include <cstdint>
#include <string>

#include "platform/files/sequential_file.h"
#include "replay/float_text.h"
#include "replay/replay_text.h"

namespace rallix {
namespace {

class ReplayWriter {
 public:
  void Line(std::string_view text) {
    out_ += text;
    out_ += '\n';
  }
  void Setting(std::string_view name, std::int32_t value) { Named(name, FormatIntegerLine(value)); }
  void Setting(std::string_view name, bool value) { Named(name, FormatBooleanLine(value)); }
  void Setting(std::string_view name, const std::string& value) {
    Named(name, FormatStringLine(value));
  }
  std::string Take() { return std::move(out_); }

 private:
  void Named(std::string_view name, const std::string& value) {
    out_ += name;
    out_ += ' ';
    Line(value);
  }
  std::string out_;
};

void WriteSettings(ReplayWriter& out, const FirstEditionSettings& s) {
  out.Setting("startColumn", s.startColumn);
  out.Setting("ballSpeed", s.ballSpeed);
  out.Setting("aiSpeed", s.aiSpeed);
}

void WriteSettings(ReplayWriter& out, const SinglePlayerSettings& s) {
  out.Setting("UseJoystick", s.UseJoystick);
  out.Setting("DisableKeyboard", s.DisableKeyboard);
  out.Setting("AISpeed", std::int32_t{s.AISpeed});
  out.Setting("BallSpeed", std::int32_t{s.BallSpeed});
  out.Setting("BallStartX", std::int32_t{s.BallStartX});
  out.Setting("JoystickGuid", s.JoystickGuid);
}

void WriteSettings(ReplayWriter& out, const NetworkMatchSettings& s) {
  out.Setting("BallSpeed", std::int32_t{s.BallSpeed});
  out.Setting("Player1Device", s.Player1Device);
  out.Setting("Player2Device", s.Player2Device);
}

void WriteSettings(ReplayWriter& out, const TwoPlayerSettings& s) {
  out.Setting("BallSpeed", std::int32_t{s.BallSpeed});
  out.Setting("Player1Device", s.Player1Device);
  out.Setting("Player2Device", s.Player2Device);
  out.Setting("Player1JoystickGuid", s.Player1JoystickGuid);
  out.Setting("Player2JoystickGuid", s.Player2JoystickGuid);
}

std::string PixelsHex(const Picture& picture) {
  std::string hex;
  hex.reserve(picture.pixels.size() * 6);
  for (const Rgb& c : picture.pixels) {
    for (const std::uint8_t byte : {c.r, c.g, c.b}) {
      hex += kReplayHexDigits[byte >> 4];
      hex += kReplayHexDigits[byte & 0x0F];
    }
  }
  return hex;
}

std::string FormatMouse(float mouseX) {
  return FormatFloat(mouseX);
}

}  // namespace

std::string FormatReplay(const Replay& replay) {
  ReplayWriter out;
  out.Line(std::string(kReplayMagic) + " " + std::to_string(ReplayVersionFor(replay.settings)));
  out.Line("match " + std::string(MatchKindName(replay.settings)));
  std::visit([&out](const auto& s) { WriteSettings(out, s); }, replay.settings);
  for (const RecordedPicture& picture : replay.pictures) {
    std::string line = "picture " + std::string(FileOf(picture.part).name) + " ";
    if (!picture.artwork.empty()) {
      line += picture.artwork;
    } else {
      line += "pixels " + std::to_string(picture.pixels.width) + " " +
              std::to_string(picture.pixels.height) + " " + PixelsHex(picture.pixels);
    }
    out.Line(line);
  }
  out.Line("passes " + std::to_string(replay.passes.size()));
  const bool twoMachines = std::holds_alternative<NetworkMatchSettings>(replay.settings);
  for (const PassInput& pass : replay.passes) {
    std::string line = std::to_string(pass.lastKey) + " " + FormatMouse(pass.mouseX) + " " +
                       std::to_string(pass.player1JoyX) + " " + std::to_string(pass.player2JoyX);
    if (twoMachines) {
      line += " " + std::to_string(pass.player2LastKey) + " " + FormatMouse(pass.player2MouseX);
    }
    out.Line(line);
  }
  out.Line("end " + std::string(OutcomeName(replay.settings, replay.end)));
  return out.Take();
}

}  // namespace rallix
