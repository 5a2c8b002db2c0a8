// The reading rule both programs apply to the settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace skyscrub::settings {
namespace {

struct ReadCase {
  std::string name;
  std::string content;
  std::vector<std::int16_t> expected;  // the values read, in order; their number is the count
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ReadCase> kReadCases = {
    {"ThreeLines", "10\r\n1\r\n1\r\n", {10, 1, 1}},
    {"OneLineWithCommas", "10,1,1", {10, 1, 1}},
    {"SpeedFiveSoundOffMusicOn", "5\r\n0\r\n1\r\n", {5, 0, 1}},
    {"SpeedTooLargeFailsAtOnce", "70000\r\n1\r\n1\r\n", {}},
    {"LettersFailAtOnce", "fast\r\n1\r\n1\r\n", {}},
    {"NegativeSpeedReads", "-5\r\n1\r\n1\r\n", {-5, 1, 1}},
    {"LargestAndSmallest", "32767\r\n-32768\r\n0\r\n", {32767, -32768, 0}},
    {"JustOutsideBelow", "-32769\r\n1\r\n1\r\n", {}},
    {"TwoLines", "10\r\n1\r\n", {10, 1}},
    {"EmptySecondLineReadsZero", "10\r\n\r\n1\r\n", {10, 0, 1}},
    {"EmptyFile", "", {}},
    {"OnlyLineEnds", "\r\n\r\n\r\n", {0, 0, 0}},
    {"CrOnly", "7\r0\r1\r", {7, 0, 1}},
    {"LfOnly", "7\n0\n1\n", {7, 0, 1}},
    {"CrCrIsTwoLineEnds", "7\r\r1\r", {7, 0, 1}},
    {"LfCrIsTwoLineEnds", "7\n\r1\n", {7, 0, 1}},
    {"NoFinalLineEnd", "10\r\n1\r\n1", {10, 1, 1}},
    {"CommaAtEndOfFile", "10,1,", {10, 1}},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBF" "10\r\n1\r\n1\r\n", {10, 1, 1}},
    {"ByteOrderMarkLaterIsText", "10\r\n\xEF\xBB\xBF" "1\r\n1\r\n", {10}},
    {"BlanksAroundNumbers", " \t7 \t,\t1 ,  0  \r\n", {7, 1, 0}},
    {"BlankInsideNumber", "1 0\r\n1\r\n1\r\n", {}},
    {"BlanksOnlyReadZero", "10\r\n   \r\n1\r\n", {10, 0, 1}},
    {"FractionsRoundHalfToEven", "2.5\r\n3.5\r\n-2.5\r\n", {2, 4, -2}},
    {"FractionsRoundToNearest", "9.49\r\n0.51\r\n-0.6\r\n", {9, 1, -1}},
    {"FractionRoundingOutOfRange", "32767.5\r\n1\r\n1\r\n", {}},
    {"SignWithoutDigits", "-\r\n1\r\n1\r\n", {}},
    {"PlusSign", "+8\r\n1\r\n1\r\n", {8, 1, 1}},
    {"ExponentIsNotANumber", "1e2\r\n1\r\n1\r\n", {}},
    {"StopsAtFirstFailureKeepingEarlierValues", "5\r\nyes\r\n1\r\n", {5}},
    {"GarbageOnLaterLinesIgnored", "10\r\n1\r\n1\r\ngarbage,\x01\xff", {10, 1, 1}},
    {"GarbageAfterThirdCommaIgnored", "10,1,1,junk", {10, 1, 1}},
    {"GarbageInThirdField", "10,1,1 junk", {10, 1}},
    {"NulByteIsNotANumber", std::string("10\r\n1\0\r\n1\r\n", 10), {10}},
};

// Absurd files with megabytes of one character between `before` and `after`, to show the
// reader stays linear. Built only when the case runs.
struct HugeCase {
  std::string name;
  std::string before;
  char repeated;
  std::string after;
  std::vector<std::int16_t> expected;

  std::string Content() const { return before + std::string(std::size_t{8} * 1024 * 1024, repeated) + after; }
};

void PrintTo(const HugeCase& c, std::ostream* os) { *os << c.name; }

const std::vector<HugeCase> kHugeCases = {
    {"LeadingZeros", "", '0', "7\r\n1\r\n1\r\n", {7, 1, 1}},
    {"Digits", "", '9', "\r\n1\r\n1\r\n", {}},
    {"Blanks", "10\r\n", ' ', "1\r\n1\r\n", {10, 1, 1}},
    {"Fraction", "3.", '0', "1\r\n1\r\n1\r\n", {3, 1, 1}},
    {"TrailingGarbage", "10\r\n1\r\n1\r\n", 'x', "", {10, 1, 1}},
    {"GarbageInFirstField", "", 'x', "\r\n1\r\n1\r\n", {}},
    {"Commas", "", ',', "", {0, 0, 0}},
    {"LineEnds", "", '\n', "", {0, 0, 0}},
};

void ExpectRead(const std::string& content, const std::vector<std::int16_t>& expected) {
  const Fields fields = ReadFields(content);
  ASSERT_EQ(fields.count, static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(fields.values[i], expected[i]) << "field " << i;
}

class ReadFieldsTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFieldsTest, ReadsTheLeadingFieldsUpToTheFirstFailure) { ExpectRead(GetParam().content, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Contents, ReadFieldsTest, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

class HugeReadTest : public testing::TestWithParam<HugeCase> {};

TEST_P(HugeReadTest, ReadsTheLeadingFieldsUpToTheFirstFailure) { ExpectRead(GetParam().Content(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Huge, HugeReadTest, testing::ValuesIn(kHugeCases),
                         [](const testing::TestParamInfo<HugeCase>& info) { return info.param.name; });

TEST(SplitFieldsTest, KeepsTheTextOfEachFieldWithoutItsBlanks) {
  const FieldTexts fields = SplitFields(" 12 \r\n on \r\n-3");
  ASSERT_EQ(fields.count, 3);
  EXPECT_EQ(fields.texts[0], "12");
  EXPECT_EQ(fields.texts[1], "on");
  EXPECT_EQ(fields.texts[2], "-3");
}

TEST(SettingsPathTest, AppendsTheLiteralUnchanged) {
  EXPECT_EQ(SettingsPath("/opt/skyscrub"), "/opt/skyscrub/components/gamedata.jpc");
  EXPECT_EQ(SettingsPath(""), "/components/gamedata.jpc");
}

TEST(FormatTest, WritesThreeCrLfLines) {
  EXPECT_EQ(Format(10, 1, 1), "10\r\n1\r\n1\r\n");
  EXPECT_EQ(Format(999, 0, 0), "999\r\n0\r\n0\r\n");
}

}  // namespace
}  // namespace skyscrub::settings
