// One line of settings text to and from a typed value, without touching any file.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/error_numbers.h"
#include "platform/files/sequential_file.h"

namespace rallix {
namespace {

using namespace std::string_literals;

struct IntegerCase {
  std::string line;
  std::optional<std::int32_t> value;
  int errorNumber;
};

TEST(ParseIntegerLine, AcceptsOnlyTheExactIntegerAndTellsOverflowFromMismatch) {
  const std::vector<IntegerCase> cases = {
      {"0", 0, 0},
      {"7", 7, 0},
      {"317", 317, 0},
      {"-4", -4, 0},
      {"2147483647", 2147483647, 0},
      {"-2147483648", std::numeric_limits<std::int32_t>::min(), 0},
      {"2147483648", std::nullopt, ErrorNumber::Overflow},
      {"-2147483649", std::nullopt, ErrorNumber::Overflow},
      {"99999999999999999999999999999999", std::nullopt, ErrorNumber::Overflow},
      {"", std::nullopt, ErrorNumber::TypeMismatch},
      {"-", std::nullopt, ErrorNumber::TypeMismatch},
      {"+5", std::nullopt, ErrorNumber::TypeMismatch},
      {" 5", std::nullopt, ErrorNumber::TypeMismatch},
      {"5 ", std::nullopt, ErrorNumber::TypeMismatch},
      {"5\r", std::nullopt, ErrorNumber::TypeMismatch},
      {"5\t", std::nullopt, ErrorNumber::TypeMismatch},
      {"--5", std::nullopt, ErrorNumber::TypeMismatch},
      {"5-", std::nullopt, ErrorNumber::TypeMismatch},
      {"007", std::nullopt, ErrorNumber::TypeMismatch},
      {"-0", std::nullopt, ErrorNumber::TypeMismatch},
      {"1.5", std::nullopt, ErrorNumber::TypeMismatch},
      {"1e3", std::nullopt, ErrorNumber::TypeMismatch},
      {"0x10", std::nullopt, ErrorNumber::TypeMismatch},
      {"abc", std::nullopt, ErrorNumber::TypeMismatch},
      {"\"5\"", std::nullopt, ErrorNumber::TypeMismatch},
      {"#TRUE#", std::nullopt, ErrorNumber::TypeMismatch},
      {"5\0"s, std::nullopt, ErrorNumber::TypeMismatch},
      {"\xB5", std::nullopt, ErrorNumber::TypeMismatch},
  };
  for (const IntegerCase& c : cases) {
    const ParsedLine<std::int32_t> parsed = ParseIntegerLine(c.line);
    EXPECT_EQ(parsed.value, c.value) << QuoteForMessage(c.line);
    EXPECT_EQ(parsed.errorNumber, c.errorNumber) << QuoteForMessage(c.line);
  }
}

TEST(ParseBooleanLine, AcceptsOnlyTheTwoMarkersExactly) {
  EXPECT_EQ(ParseBooleanLine("#TRUE#").value, true);
  EXPECT_EQ(ParseBooleanLine("#FALSE#").value, false);
  for (const std::string line : {"", "#true#", "TRUE", "True", "#TRUE", "TRUE#", "#TRUE# ",
                                 " #FALSE#", "1", "0", "-1", "\"#TRUE#\"", "#TRUE##"}) {
    const ParsedLine<bool> parsed = ParseBooleanLine(line);
    EXPECT_FALSE(parsed.value.has_value()) << line;
    EXPECT_EQ(parsed.errorNumber, ErrorNumber::TypeMismatch) << line;
  }
}

TEST(ParseStringLine, TakesTheTextBetweenTheQuotesUnchanged) {
  EXPECT_EQ(ParseStringLine("\"\"").value, "");
  EXPECT_EQ(ParseStringLine("\"Player one\"").value, "Player one");
  EXPECT_EQ(ParseStringLine("\"  padded , comma \"").value, "  padded , comma ");
  EXPECT_EQ(ParseStringLine("\"#TRUE#\"").value, "#TRUE#");
  EXPECT_EQ(ParseStringLine("\"a\0b\xE9\""s).value, "a\0b\xE9"s);
  for (const std::string line :
       {"", "\"", "abc", "\"abc", "abc\"", " \"abc\"", "\"abc\" ", "\"a\"b\"", "\"\"\"", "317"}) {
    const ParsedLine<std::string> parsed = ParseStringLine(line);
    EXPECT_FALSE(parsed.value.has_value()) << line;
    EXPECT_EQ(parsed.errorNumber, ErrorNumber::TypeMismatch) << line;
  }
}

TEST(FormatLines, EveryFormattedValueParsesBackToItself) {
  for (const std::int32_t value : {0, 1, -1, 6, 317, -4, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(ParseIntegerLine(FormatIntegerLine(value)).value, value);
  }
  EXPECT_EQ(FormatIntegerLine(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(FormatBooleanLine(true), "#TRUE#");
  EXPECT_EQ(FormatBooleanLine(false), "#FALSE#");
  EXPECT_EQ(FormatStringLine("Ann"), "\"Ann\"");
  EXPECT_EQ(ParseStringLine(FormatStringLine("with, comma")).value, "with, comma");
}

struct SplitCase {
  std::string text;
  std::vector<std::string> lines;
};

TEST(SplitSettingsLines, EndsLinesAtLfDroppingTheCrAndKeepsAnUnendedLastLine) {
  const std::vector<SplitCase> cases = {
      {"", {}},
      {"\r\n", {""}},
      {"6\r\n4\r\n", {"6", "4"}},
      {"6\n4\n", {"6", "4"}},
      {"6\r\n4", {"6", "4"}},
      {"6\r\n4\r", {"6", "4"}},
      {"6\n\r\n4\r\n", {"6", "", "4"}},
      {"a\rb\r\n", {"a\rb"}},
      {"\r\n\r\n", {"", ""}},
      {"x\0y\r\n\0"s, {"x\0y"s, "\0"s}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitSettingsLines(c.text), c.lines) << QuoteForMessage(c.text);
  }
}

TEST(QuoteForMessage, ShowsUnprintableBytesAndCutsLongText) {
  EXPECT_EQ(QuoteForMessage("abc"), "\"abc\"");
  EXPECT_EQ(QuoteForMessage(""), "\"\"");
  EXPECT_EQ(QuoteForMessage("a\0\r\xFF"s), "\"a\\x00\\x0D\\xFF\"");
  const std::string quoted = QuoteForMessage(std::string(100000, 'x'));
  EXPECT_LT(quoted.size(), 60u);
  EXPECT_EQ(quoted.substr(quoted.size() - 4), "\"...");
}

}  // namespace
}  // namespace rallix
