#include "replay/replay_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "art/catalogue.h"
#include "core/errors.h"
#include "platform/files/bounded_line_reader.h"
#include "platform/files/sequential_file.h"
#include "replay/float_text.h"

namespace rallix {
namespace {

// The longest line a replay may hold: a picture kept as pixels, two hex digits
// a channel, after its few words. Every other line is far shorter, so no file,
// however made, costs more than this and the replay it holds.
constexpr std::size_t kHexDigitsPerPixel = 6;
constexpr std::size_t kPictureLineWords = 64;

constexpr std::size_t LongestReplayLine() {
  std::size_t largest = 0;
  for (const MatchPictureFile& file : kMatchPictureFiles) {
    const PictureSize size = DrawnSizeOf(file.part);
    largest = std::max(largest, static_cast<std::size_t>(size.width) * size.height);
  }
  return kPictureLineWords + largest * kHexDigitsPerPixel;
}

// An editor may leave a blank line or two after the end line; a file that
// goes on with blank lines for ever is not a replay.
constexpr std::size_t kMostBlankLinesAfterEnd = 64;

// The first version that holds a match of this kind.
int ReplayVersionForKind(std::string_view kind) {
  return kind == "net" ? kTwoMachineReplayVersion : kReplayVersion;
}

// Reading a replay.

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

bool ParseNumber(std::string_view text, float& value) {
  return ParseFloat(text, value);
}

// Hands out a replay's lines one at a time, none longer than the longest a
// replay may hold: nothing but the line at hand is kept.
using ReplayLines = std::function<std::optional<BoundedLineReader::Line>()>;

ReplayLines LinesOfText(std::string_view text) {
  return [text]() mutable -> std::optional<BoundedLineReader::Line> {
    if (text.empty()) {
      return std::nullopt;
    }
    const std::size_t lineFeed = text.find('\n');
    const std::string_view line = WithoutLineEndingCr(text.substr(0, lineFeed));
    text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed + 1);
    const bool cutShort = line.size() > LongestReplayLine();
    return BoundedLineReader::Line{std::string(line.substr(0, LongestReplayLine())), cutShort};
  };
}

ReplayLines LinesOfFile(BoundedLineReader& file) {
  return [&file]() -> std::optional<BoundedLineReader::Line> {
    try {
      if (file.AtEnd()) {
        return std::nullopt;
      }
      return file.Next();
    } catch (const RuntimeError& error) {
      throw ReplayError(error.Description());
    }
  };
}

class ReplayReader {
 public:
  ReplayReader(ReplayLines lines, std::string source)
      : source_(std::move(source)), lines_(std::move(lines)) {}

  [[noreturn]] void Fail(const std::string& problem) const {
    throw ReplayError(source_ + ", line " + std::to_string(lineNumber_) + ": " + problem);
  }

  // The next line, or a complaint that the file stops where `expected` was due.
  std::string_view Next(std::string_view expected) {
    ++lineNumber_;
    std::optional<BoundedLineReader::Line> line = lines_();
    if (!line) {
      Fail("the file ends where " + std::string(expected) + " was expected");
    }
    if (line->cutShort) {
      Fail("the line is longer than any line of a replay (" + std::to_string(LongestReplayLine()) +
           " characters)");
    }
    line_ = std::move(line->text);
    return line_;
  }

  // "NAME VALUE": the value's text, after checking the name.
  std::string_view Named(std::string_view name) {
    const std::string_view line = Next(std::string(name));
    if (line.substr(0, name.size()) != name || line.size() <= name.size() ||
        line[name.size()] != ' ') {
      Fail("expected \"" + std::string(name) + " VALUE\", found " + QuoteForMessage(line));
    }
    return line.substr(name.size() + 1);
  }

  std::int32_t Integer(std::string_view name, std::int32_t lowest, std::int32_t highest) {
    const std::string_view text = Named(name);
    const ParsedLine<std::int32_t> parsed = ParseIntegerLine(text);
    if (!parsed.value || *parsed.value < lowest || *parsed.value > highest) {
      Fail(std::string(name) + " must be a whole number from " + std::to_string(lowest) + " to " +
           std::to_string(highest) + ", found " + QuoteForMessage(text));
    }
    return *parsed.value;
  }

  std::int16_t Integer16(std::string_view name) {
    return static_cast<std::int16_t>(Integer(name, std::numeric_limits<std::int16_t>::min(),
                                             std::numeric_limits<std::int16_t>::max()));
  }

  bool Boolean(std::string_view name) {
    const std::string_view text = Named(name);
    const ParsedLine<bool> parsed = ParseBooleanLine(text);
    if (!parsed.value) {
      Fail(std::string(name) + " must be #TRUE# or #FALSE#, found " + QuoteForMessage(text));
    }
    return *parsed.value;
  }

  std::string String(std::string_view name) {
    const std::string_view text = Named(name);
    ParsedLine<std::string> parsed = ParseStringLine(text);
    if (!parsed.value) {
      Fail(std::string(name) + " must be a \"quoted\" text, found " + QuoteForMessage(text));
    }
    return std::move(*parsed.value);
  }

  // Blank lines after the end line are a text editor's doing, not content;
  // only a few of them are read.
  void RequireNothingMore() {
    for (std::size_t blank = 0; blank <= kMostBlankLinesAfterEnd; ++blank) {
      ++lineNumber_;
      const std::optional<BoundedLineReader::Line> line = lines_();
      if (!line) {
        return;
      }
      if (!line->text.empty() || line->cutShort) {
        break;
      }
    }
    Fail("nothing may follow the end line");
  }

 private:
  std::string source_;
  ReplayLines lines_;
  std::string line_;
  std::size_t lineNumber_ = 0;
};

// The kind is a copy: the line it came from is gone with the next one read.
MatchSettings ReadSettings(ReplayReader& in, const std::string& kind) {
  constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
  if (kind == "one") {
    FirstEditionSettings s;
    s.startColumn = in.Integer("startColumn", kLowest, kHighest);
    s.ballSpeed = in.Integer("ballSpeed", kLowest, kHighest);
    s.aiSpeed = in.Integer("aiSpeed", kLowest, kHighest);
    return s;
  }
  if (kind == "sp") {
    SinglePlayerSettings s;
    s.UseJoystick = in.Boolean("UseJoystick");
    s.DisableKeyboard = in.Boolean("DisableKeyboard");
    s.AISpeed = in.Integer16("AISpeed");
    s.BallSpeed = in.Integer16("BallSpeed");
    s.BallStartX = in.Integer16("BallStartX");
    s.JoystickGuid = in.String("JoystickGuid");
    return s;
  }
  if (kind == "mp") {
    TwoPlayerSettings s;
    s.BallSpeed = in.Integer16("BallSpeed");
    s.Player1Device = in.String("Player1Device");
    s.Player2Device = in.String("Player2Device");
    s.Player1JoystickGuid = in.String("Player1JoystickGuid");
    s.Player2JoystickGuid = in.String("Player2JoystickGuid");
    return s;
  }
  if (kind == "net") {
    NetworkMatchSettings s;
    s.BallSpeed = in.Integer16("BallSpeed");
    s.Player1Device = in.String("Player1Device");
    s.Player2Device = in.String("Player2Device");
    return s;
  }
  in.Fail("unknown match \"" + std::string(kind) + "\" (expected one, sp, mp or net)");
}

int HexValue(char c) {
  const std::size_t at = kReplayHexDigits.find(c);
  if (at != std::string_view::npos) {
    return static_cast<int>(at);
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

Picture ReadPixels(ReplayReader& in, const std::vector<std::string_view>& fields,
                   MatchPicture part) {
  int width = 0;
  int height = 0;
  if (fields.size() != 6 || !ParseNumber(fields[3], width) || !ParseNumber(fields[4], height)) {
    in.Fail("expected \"picture PART pixels WIDTH HEIGHT HEX\"");
  }
  // Both checked before a byte of the picture is made.
  if (const std::optional<std::string> problem = PictureSizeProblem(part, width, height)) {
    in.Fail(*problem);
  }
  const std::string_view hex = fields[5];
  const std::size_t digits = static_cast<std::size_t>(width) * height * kHexDigitsPerPixel;
  if (hex.size() != digits) {
    in.Fail("a " + std::to_string(width) + " x " + std::to_string(height) + " picture takes " +
            std::to_string(digits) + " hex digits, found " + std::to_string(hex.size()));
  }
  Picture picture(width, height);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexValue(hex[i]);
    const int low = HexValue(hex[i + 1]);
    if (high < 0 || low < 0) {
      in.Fail("the picture's pixels hold a character that is not a hex digit");
    }
    const auto byte = static_cast<std::uint8_t>(high * 16 + low);
    Rgb& pixel = picture.pixels[i / kHexDigitsPerPixel];
    (i % 6 == 0 ? pixel.r : i % 6 == 2 ? pixel.g : pixel.b) = byte;
  }
  return picture;
}

RecordedPicture ReadPicture(ReplayReader& in, std::string_view line,
                            const std::vector<RecordedPicture>& earlier) {
  const std::vector<std::string_view> fields = SplitFields(line);
  if (fields.size() < 3) {
    in.Fail("expected \"picture PART ARTWORK\", found " + QuoteForMessage(line));
  }
  RecordedPicture picture;
  const MatchPictureFile* file = nullptr;
  for (const MatchPictureFile& candidate : kMatchPictureFiles) {
    if (fields[1] == candidate.name) {
      file = &candidate;
    }
  }
  if (file == nullptr) {
    in.Fail("no match draws a picture called " + QuoteForMessage(fields[1]));
  }
  picture.part = file->part;
  for (const RecordedPicture& other : earlier) {
    if (other.part == picture.part) {
      in.Fail("a second picture for " + std::string(file->name));
    }
  }
  if (fields[2] == "pixels") {
    picture.pixels = ReadPixels(in, fields, picture.part);
  } else if (fields.size() == 3 && art::PictureNamed(fields[2]) != nullptr) {
    picture.artwork = std::string(fields[2]);
  } else {
    in.Fail("the game has no artwork called " + QuoteForMessage(fields[2]));
  }
  return picture;
}

bool ParseKey(std::string_view text, std::uint8_t& key) {
  int number = 0;
  if (!ParseNumber(text, number) || number < 0 ||
      number > std::numeric_limits<std::uint8_t>::max()) {
    return false;
  }
  key = static_cast<std::uint8_t>(number);
  return true;
}

bool ParseMouse(std::string_view text, float& mouseX) {
  return ParseNumber(text, mouseX) && std::isfinite(mouseX);
}

// A pass of a match between two machines also holds the top player's own
// keyboard and mouse.
PassInput ReadPass(ReplayReader& in, std::string_view line, bool twoMachines) {
  const std::vector<std::string_view> fields = SplitFields(line);
  PassInput pass;
  const std::size_t count = twoMachines ? 6 : 4;
  const bool read =
      fields.size() == count && ParseKey(fields[0], pass.lastKey) &&
      ParseMouse(fields[1], pass.mouseX) && ParseNumber(fields[2], pass.player1JoyX) &&
      ParseNumber(fields[3], pass.player2JoyX) &&
      (!twoMachines ||
       (ParseKey(fields[4], pass.player2LastKey) && ParseMouse(fields[5], pass.player2MouseX)));
  if (!read) {
    in.Fail(std::string("expected a pass \"LastKey MouseX Player1JoyX Player2JoyX") +
            (twoMachines ? " Player2LastKey Player2MouseX" : "") + "\" (keys 0 to 255), found " +
            QuoteForMessage(line));
  }
  return pass;
}

std::optional<PassEnd> ReadEnd(ReplayReader& in, const MatchSettings& settings) {
  const std::string_view word = in.Named("end");
  for (const std::optional<PassEnd> end :
       {std::optional<PassEnd>(PassEnd::Win), std::optional<PassEnd>(PassEnd::Loss),
        std::optional<PassEnd>(PassEnd::Escape), std::optional<PassEnd>()}) {
    if (word == OutcomeName(settings, end)) {
      return end;
    }
  }
  in.Fail("a " + std::string(MatchKindName(settings)) + " match cannot end in " +
          QuoteForMessage(word));
}

Replay ReadReplay(ReplayLines lines, const std::string& source) {
  ReplayReader in(std::move(lines), source);
  const std::string_view version = in.Named(kReplayMagic);
  int number = 0;
  if (!ParseNumber(version, number)) {
    in.Fail("expected \"" + std::string(kReplayMagic) + " " + std::to_string(kReplayVersion) +
            "\", found the version " + QuoteForMessage(version));
  }
  if (number < kReplayVersion || number > kTwoMachineReplayVersion) {
    in.Fail("this is a version " + std::to_string(number) + " replay; this game reads versions " +
            std::to_string(kReplayVersion) + " to " + std::to_string(kTwoMachineReplayVersion));
  }
  Replay replay;
  const std::string kind(in.Named("match"));
  if (number < ReplayVersionForKind(kind)) {
    in.Fail("a " + kind + " match needs a version " + std::to_string(ReplayVersionForKind(kind)) +
            " replay");
  }
  replay.settings = ReadSettings(in, kind);
  const bool twoMachines = std::holds_alternative<NetworkMatchSettings>(replay.settings);

  std::string_view line = in.Next("the pictures or \"passes N\"");
  while (line.starts_with("picture ")) {
    replay.pictures.push_back(ReadPicture(in, line, replay.pictures));
    line = in.Next("\"passes N\"");
  }
  std::size_t passes = 0;
  if (!line.starts_with("passes ") || !ParseNumber(line.substr(7), passes)) {
    in.Fail("expected \"passes N\", found " + QuoteForMessage(line));
  }
  if (passes > kMostReplayPasses) {
    in.Fail("a replay holds at most " + std::to_string(kMostReplayPasses) +
            " passes, a day's play");
  }
  // The count is never trusted for an allocation: the passes grow as their
  // lines are read.
  for (std::size_t i = 0; i < passes; ++i) {
    replay.passes.push_back(ReadPass(in, in.Next("pass " + std::to_string(i + 1)), twoMachines));
  }
  replay.end = ReadEnd(in, replay.settings);
  in.RequireNothingMore();
  return replay;
}

}  // namespace

int ReplayVersionFor(const MatchSettings& settings) {
  return ReplayVersionForKind(MatchKindName(settings));
}

Replay ParseReplay(std::string_view text, const std::string& source) {
  return ReadReplay(LinesOfText(text), source);
}

Replay ReadReplayFile(const std::filesystem::path& file) {
  try {
    BoundedLineReader lines(file, "Replay", LongestReplayLine());
    return ReadReplay(LinesOfFile(lines), file.string());
  } catch (const RuntimeError& error) {
    throw ReplayError(error.Description());
  }
}

}  // namespace rallix
