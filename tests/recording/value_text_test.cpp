// How the trace prints numbers and reads values and quoted texts.
#include "recording/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace skyscrub::recording {
namespace {

TEST(FormatNumber, FloatsPrintShortestAndReadBackExactly) {
  const std::vector<float> values{0.3f, 207.53f, 1.0f / 3, -0.5f, 25, 1e-45f, 3.4028235e38f, 540.8f - 0.8f};
  for (const float v : values) {
    const std::string text = FormatNumber(v);
    EXPECT_EQ(ParseFloat(text), v) << text;
  }
  EXPECT_EQ(FormatNumber(0.3f), "0.3");
  EXPECT_EQ(FormatNumber(25.0f), "25");
  EXPECT_EQ(FormatNumber(207.53f), "207.53");
}

TEST(FormatNumber, DoublesKeepEveryDigitTheyNeed) {
  EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(FormatNumber(-2.5), "-2.5");
  EXPECT_EQ(ParseDouble(FormatNumber(1.0 / 3)), 1.0 / 3);
}

TEST(FormatNumber, NonFiniteIsNull) {
  EXPECT_EQ(FormatNumber(std::numeric_limits<float>::infinity()), "null");
  EXPECT_EQ(FormatNumber(std::nan("")), "null");
}

struct IntegerCase {
  const char* text;
  std::optional<std::int64_t> expected;
};

TEST(ParseInteger, DecimalAndHexWithinTheRange) {
  const IntegerCase cases[] = {
      {"0", 0},           {"-32768", -32768},    {"+7", 7},           {"16777215", 16777215},
      {"16777216", {}},   {"-32769", {}},        {"&HFF", 255},       {"&h00FFFF00", 0xFFFF00},
      {"", {}},           {"-", {}},             {"+", {}},           {"1.5", {}},
      {"12abc", {}},      {" 1", {}},            {"&H", {}},          {"&HG", {}},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseInteger(c.text, -32768, 0xFFFFFF), c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseTruth, AcceptsWordsAndTheGamesNumbers) {
  EXPECT_EQ(ParseTruth("true"), true);
  EXPECT_EQ(ParseTruth("-1"), true);
  EXPECT_EQ(ParseTruth("1"), true);
  EXPECT_EQ(ParseTruth("false"), false);
  EXPECT_EQ(ParseTruth("0"), false);
  EXPECT_EQ(ParseTruth("yes"), std::nullopt);
  EXPECT_EQ(ParseTruth("2"), std::nullopt);
}

struct TextCase {
  std::string text;
  std::optional<std::string> expected;
};

TEST(ParseText, QuotedTextWithEscapes) {
  const TextCase cases[] = {
      {R"("10\r\n1\r\n1\r\n")", "10\r\n1\r\n1\r\n"},
      {R"("\xEF\xBB\xBF10")", "\xEF\xBB\xBF" "10"},
      {R"("a\0b")", std::string("a\0b", 3)},
      {R"("say \"hi\" \\ \t")", "say \"hi\" \\ \t"},
      {R"("")", ""},
      {"Lives: 3", "Lives: 3"},  // unquoted: as it is
      {R"("open)", std::nullopt},
      {R"("text" after)", std::nullopt},
      {R"("bad \q")", std::nullopt},
      {R"("\x4")", std::nullopt},
      {R"("ends in \)", std::nullopt},
  };
  for (const TextCase& c : cases) EXPECT_EQ(ParseText(c.text), c.expected) << c.text;
}

TEST(QuoteText, EveryByteReadsBackExactly) {
  std::string every;
  for (int byte = 0; byte < 256; ++byte) every += static_cast<char>(byte);
  for (const std::string& text : {every, std::string("10\r\n1\r\n1 # no comment\r\n"), std::string()}) {
    const std::string quoted = QuoteText(text);
    EXPECT_EQ(ParseText(quoted), text) << quoted;
    EXPECT_EQ(quoted.find_first_of("\r\n"), std::string::npos) << "one line of a script";
  }
  EXPECT_EQ(QuoteText("7\r\n\x01\"\\"), R"("7\r\n\x01\"\\")");
}

}  // namespace
}  // namespace skyscrub::recording
