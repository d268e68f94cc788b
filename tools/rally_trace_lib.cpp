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

#include "core/errors.h"
#include "platform/files/sequential_file.h"
#include "replay/replay_text.h"
#include "rules/match_rally.h"

namespace rallix {
namespace {

constexpr std::int64_t MaxSpeed = 100'000;
constexpr std::int64_t MaxStartColumn = 100'000;
constexpr std::int64_t MaxKeyCode = 255;
// A ball this far out has passed every wall and paddle for good. Stopping here
// keeps its next step (at most MaxSpeed) well inside 32 bits.
constexpr std::int32_t FlownOffDistance = 1'000'000'000;

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

std::optional<MatchRally> ParseStart(const std::vector<std::string_view>& fields, int lineNumber,
                                     Complainer& complain) {
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
  return MatchRally(form == "one" ? SinglePlayerRally::FirstEdition(x, ball, ai)
                                  : SinglePlayerRally::FullGame(x, ball, ai));
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

std::string_view PassOutcomeName(const PassResult& result) {
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

bool HasFlownOff(const Rect& ball) {
  return std::abs(ball.left) > FlownOffDistance || std::abs(ball.top) > FlownOffDistance;
}

void PrintPass(std::ostream& trace, int pass, const MatchRally& rally, const PassResult& result) {
  trace << pass << ' ' << rally.Ball().left << ' ' << rally.Ball().top << ' '
        << rally.BallSteps().dx << ' ' << rally.BallSteps().dy << ' ' << rally.BottomPaddle().left
        << ' ' << rally.TopPaddle().left << ' ' << rally.TopPaddle().right << ' '
        << PassOutcomeName(result) << '\n';
}

void ComplainFlownOff(std::ostream& errors, int pass) {
  errors << "the ball passed every wall and flew off the field; it can never come back, "
            "stopping after pass "
         << pass << "\n";
}

// Runs one pass and prints it; false once the rally has ended.
bool TracePass(std::ostream& trace, int& pass, MatchRally& rally, const PassInput& input,
               std::optional<PassEnd>& end) {
  const PassResult result = rally.Pass(input);
  PrintPass(trace, ++pass, rally, result);
  if (EndsTheRally(result.end)) {
    end = result.end;
    return false;
  }
  return true;
}

}  // namespace

void PrintRallyTraceUsage(std::ostream& out) {
  out << "Usage: rally-trace [--help] < SCRIPT\n"
         "       rally-trace --replay FILE\n"
         "\n"
         "Runs the rally rules with no window and no devices, and prints the field after\n"
         "every pass: on a script of key codes, or on a match recorded with\n"
         "`rallix --record DIR` or `rallix-one --record DIR`.\n"
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
         "FILE, a replay (text, one item a line, LF or CR LF):\n"
         "  rallix-replay "
      << kReplayVersion << "             the format's version (" << kTwoMachineReplayVersion
      << " for a net match)\n"
         "  match KIND                  one (rallix-one), sp or mp (rallix, one or two players),\n"
         "                              net (rallix, two players on two machines)\n"
         "  NAME VALUE                  the settings the match read, in their file's order:\n"
         "                                one  startColumn ballSpeed aiSpeed\n"
         "                                sp   UseJoystick DisableKeyboard AISpeed BallSpeed\n"
         "                                     BallStartX JoystickGuid\n"
         "                                mp   BallSpeed Player1Device Player2Device\n"
         "                                     Player1JoystickGuid Player2JoystickGuid\n"
         "                                net  BallSpeed Player1Device Player2Device\n"
         "                              values as in the settings files: 12, #TRUE#, \"text\"\n"
         "  picture PART ARTWORK        each picture the match drew (PART: background,\n"
         "                              win-banner, loss-banner, bottom-paddle, top-paddle,\n"
         "                              ball), by the name of the game's artwork it was, or\n"
         "  picture PART pixels W H HEX as loaded, W x H pixels of RRGGBB, row by row\n"
         "  passes N                    then N lines, one per pass:\n"
         "  KEY MOUSEX JOY1 JOY2          the key code, the mouse's motion across, and the\n"
         "                                bottom and top players' joystick x (0..5000);\n"
         "    KEY2 MOUSEX2                in a net match, then the top player's own key code\n"
         "                                and mouse motion\n"
         "  end OUTCOME                 win, loss or esc (one, sp); player1, player2 or esc\n"
         "                              (mp, net); closed when the match was closed first\n"
         "\n"
         "Output, one line per pass, the values after the pass:\n"
         "  PASS BallLeft BallTop BallDX BallDY PlayerLeft AILeft AIRight OUTCOME\n"
         "  (in a two-player match AILeft and AIRight are player 2's paddle)\n"
         "  OUTCOME is the collision test that acted (player, top, right, left, win, loss),\n"
         "  esc, paused, or - when nothing was met.\n"
         "The trace stops after win, loss or esc (later lines are not read) or at the end\n"
         "of the script or the replay's passes.\n"
         "\n"
         "Exit status: 0 done; 1 stopped because the ball stepped over a wall in one pass\n"
         "and has left the field for good; 2 bad input, the message names the line;\n"
         "3 the replay says its match ended otherwise than the rules end it; 4 the replay's\n"
         "settings carry the rally out of 32 bits (run-time error 6, as in the game).\n";
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
  std::optional<PassEnd> end;
  while (const auto keyFields = reader.NextFields()) {
    const auto key = ParseKey(*keyFields, reader.LineNumber(), complain);
    if (!key) {
      return TraceStatus::BadInput;
    }
    if (HasFlownOff(rally->Ball())) {
      ComplainFlownOff(complain.AtLine(reader.LineNumber()), pass);
      return TraceStatus::BallFlewOff;
    }
    PassInput input;
    input.lastKey = *key;
    if (!TracePass(trace, pass, *rally, input, end)) {
      break;
    }
  }
  return TraceStatus::Finished;
}

TraceStatus RunReplayTrace(const Replay& replay, std::ostream& trace, std::ostream& errors) {
  int pass = 0;
  std::optional<PassEnd> end;
  try {
    MatchRally rally = StartRally(replay.settings);
    for (const PassInput& input : replay.passes) {
      if (HasFlownOff(rally.Ball())) {
        ComplainFlownOff(errors << "rally-trace: ", pass);
        return TraceStatus::BallFlewOff;
      }
      if (!TracePass(trace, pass, rally, input, end)) {
        break;
      }
    }
  } catch (const RuntimeError& error) {
    // Settings no screen writes (a hand-edited file) can carry the rally out
    // of 32 bits; the game stops there with the same error.
    errors << "rally-trace: run-time error " << error.Number() << " (" << error.Description()
           << ") in pass " << pass + 1 << "\n";
    return TraceStatus::RunTimeError;
  }
  if (end != replay.end) {
    errors << "rally-trace: the recording says the match ended in "
           << OutcomeName(replay.settings, replay.end) << ", the rules end it in "
           << OutcomeName(replay.settings, end) << "\n";
    return TraceStatus::Disagrees;
  }
  return TraceStatus::Finished;
}

}  // namespace rallix
