#include "tools/rally_trace_lib.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "rules/single_player_rally.h"

namespace rallix {
namespace {

constexpr std::int64_t MaxSpeed = 100'000;
constexpr std::int64_t MaxStartColumn = 100'000;
constexpr std::int64_t MaxKeyCode = 255;
// A ball this far out has passed every wall and paddle for good. Stopping here
// keeps its next step (at most MaxSpeed) well inside 32 bits.
constexpr std::int32_t FlownOffDistance = 1'000'000'000;

constexpr std::string_view Blanks = " \t\r\f\v";

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = line.find_first_not_of(Blanks);
  while (start != std::string_view::npos) {
    const std::size_t end = line.find_first_of(Blanks, start);
    fields.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(Blanks, end);
  }
  return fields;
}

// A whole decimal number from lowest to highest, the field and nothing else.
std::optional<std::int64_t> ParseWholeNumber(std::string_view field, std::int64_t lowest,
                                             std::int64_t highest) {
  std::int64_t value = 0;
  const char* const last = field.data() + field.size();
  const auto [end, error] = std::from_chars(field.data(), last, value);
  if (error != std::errc{} || end != last || value < lowest || value > highest) {
    return std::nullopt;
  }
  return value;
}

// Hands out the script's lines that hold anything; blank lines are skipped but
// still counted, so messages name the line as an editor shows it.
class ScriptReader {
 public:
  explicit ScriptReader(std::istream& script) : script_(script) {}

  // The fields point into the line just read: they last until the next call.
  std::optional<std::vector<std::string_view>> NextFields() {
    while (std::getline(script_, line_)) {
      ++lineNumber_;
      std::vector<std::string_view> fields = SplitFields(line_);
      if (!fields.empty()) {
        return fields;
      }
    }
    return std::nullopt;
  }

  int LineNumber() const { return lineNumber_; }

 private:
  std::istream& script_;
  std::string line_;
  int lineNumber_ = 0;
};

class Complainer {
 public:
  explicit Complainer(std::ostream& errors) : errors_(errors) {}

  std::ostream& AtLine(int lineNumber) {
    return errors_ << "rally-trace: line " << lineNumber << ": ";
  }

 private:
  std::ostream& errors_;
};

std::optional<SinglePlayerRally> ParseStart(const std::vector<std::string_view>& fields,
                                            int lineNumber, Complainer& complain) {
  if (fields.size() != 4) {
    complain.AtLine(lineNumber) << "expected \"FORM BallSpeed AISpeed X\", found " << fields.size()
                                << " field(s)\n";
    return std::nullopt;
  }
  const std::string_view form = fields[0];
  if (form != "one" && form != "sp") {
    complain.AtLine(lineNumber) << "unknown FORM \"" << form << "\" (expected one or sp)\n";
    return std::nullopt;
  }
  const auto ballSpeed = ParseWholeNumber(fields[1], 0, MaxSpeed);
  if (!ballSpeed) {
    complain.AtLine(lineNumber) << "BallSpeed must be a whole number from 0 to " << MaxSpeed
                                << ", found \"" << fields[1] << "\"\n";
    return std::nullopt;
  }
  const auto aiSpeed = ParseWholeNumber(fields[2], 0, MaxSpeed);
  if (!aiSpeed) {
    complain.AtLine(lineNumber) << "AISpeed must be a whole number from 0 to " << MaxSpeed
                                << ", found \"" << fields[2] << "\"\n";
    return std::nullopt;
  }
  const auto startX = ParseWholeNumber(fields[3], -MaxStartColumn, MaxStartColumn);
  if (!startX) {
    complain.AtLine(lineNumber) << "X must be a whole number from " << -MaxStartColumn << " to "
                                << MaxStartColumn << ", found \"" << fields[3] << "\"\n";
    return std::nullopt;
  }
  const auto x = static_cast<std::int32_t>(*startX);
  const auto ball = static_cast<std::int32_t>(*ballSpeed);
  const auto ai = static_cast<std::int32_t>(*aiSpeed);
  return form == "one" ? SinglePlayerRally::FirstEdition(x, ball, ai)
                       : SinglePlayerRally::FullGame(x, ball, ai);
}

std::optional<std::uint8_t> ParseKey(const std::vector<std::string_view>& fields, int lineNumber,
                                     Complainer& complain) {
  const auto key = fields.size() == 1 ? ParseWholeNumber(fields[0], 0, MaxKeyCode) : std::nullopt;
  if (!key) {
    complain.AtLine(lineNumber) << "expected one key code from 0 to " << MaxKeyCode << ", found \""
                                << fields[0] << (fields.size() > 1 ? " ..." : "") << "\"\n";
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(*key);
}

std::string_view OutcomeName(const PassResult& result) {
  if (result.end == PassEnd::Escape) {
    return "esc";
  }
  if (result.end == PassEnd::Paused) {
    return "paused";
  }
  switch (result.collision) {
    case Collision::None:
      return "-";
    case Collision::BottomPaddle:
      return "player";
    case Collision::TopPaddle:
      return "top";
    case Collision::RightWall:
      return "right";
    case Collision::LeftWall:
      return "left";
    case Collision::TopWall:
      return "win";
    case Collision::BottomWall:
      return "loss";
  }
  return "-";
}

bool EndsTheTrace(PassEnd end) {
  return end == PassEnd::Escape || end == PassEnd::Win || end == PassEnd::Loss;
}

bool HasFlownOff(const Rect& ball) {
  return std::abs(ball.left) > FlownOffDistance || std::abs(ball.top) > FlownOffDistance;
}

void PrintPass(std::ostream& trace, int pass, const SinglePlayerRally& rally,
               const PassResult& result) {
  trace << pass << ' ' << rally.BallRect.left << ' ' << rally.BallRect.top << ' ' << rally.Ball.dx
        << ' ' << rally.Ball.dy << ' ' << rally.PlayerRect.left << ' ' << rally.AIRect.left << ' '
        << rally.AIRect.right << ' ' << OutcomeName(result) << '\n';
}

}  // namespace

void PrintRallyTraceUsage(std::ostream& out) {
  out << "Usage: rally-trace [--help] < SCRIPT\n"
         "\n"
         "Runs the single-player rally rules on a script, with no window and no devices,\n"
         "and prints the field after every pass.\n"
         "\n"
         "SCRIPT, on standard input:\n"
         "  first line  FORM BallSpeed AISpeed X\n"
         "                FORM       one  first edition: player paddle starts at column 33\n"
         "                           sp   full game, single player: it starts at column 161\n"
         "                BallSpeed  0.."
      << MaxSpeed
      << "\n"
         "                AISpeed    0.."
      << MaxSpeed
      << "\n"
         "                X          the ball's starting column, "
      << -MaxStartColumn << ".." << MaxStartColumn
      << "\n"
         "  then        one line per pass: the key code reported in that pass, 0..255\n"
         "              (0 none, 1 Esc, 197 Pause, 203 Left, 205 Right). Keyboard only.\n"
         "  Blank lines are skipped: they are not passes, but they count in line numbers.\n"
         "\n"
         "Output, one line per pass, the values after the pass:\n"
         "  PASS BallLeft BallTop BallDX BallDY PlayerLeft AILeft AIRight OUTCOME\n"
         "  OUTCOME is the collision test that acted (player, top, right, left, win, loss),\n"
         "  esc, paused, or - when nothing was met.\n"
         "The trace stops after win, loss or esc (later lines are not read) or at the end\n"
         "of the script.\n"
         "\n"
         "Exit status: 0 done; 1 stopped because the ball stepped over a wall in one pass\n"
         "and has left the field for good; 2 bad input, the message names the line.\n";
}

TraceStatus RunRallyTrace(std::istream& script, std::ostream& trace, std::ostream& errors) {
  ScriptReader reader(script);
  Complainer complain(errors);

  const auto startFields = reader.NextFields();
  if (!startFields) {
    errors << "rally-trace: the script is empty; its first line must be "
              "\"FORM BallSpeed AISpeed X\"\n";
    return TraceStatus::BadInput;
  }
  auto rally = ParseStart(*startFields, reader.LineNumber(), complain);
  if (!rally) {
    return TraceStatus::BadInput;
  }

  int pass = 0;
  while (const auto keyFields = reader.NextFields()) {
    const auto key = ParseKey(*keyFields, reader.LineNumber(), complain);
    if (!key) {
      return TraceStatus::BadInput;
    }
    if (HasFlownOff(rally->BallRect)) {
      complain.AtLine(reader.LineNumber())
          << "the ball passed every wall and flew off the field; it can never come back, "
             "stopping after pass "
          << pass << "\n";
      return TraceStatus::BallFlewOff;
    }
    SinglePlayerInput input;
    input.useJoystick = false;
    input.useKeyboard = true;
    input.lastKey = *key;
    const PassResult result = RunSinglePlayerPass(*rally, input);
    PrintPass(trace, ++pass, *rally, result);
    if (EndsTheTrace(result.end)) {
      break;
    }
  }
  return TraceStatus::Finished;
}

}  // namespace rallix
