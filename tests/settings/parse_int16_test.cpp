// Whole numbers in text, as the settings file and the speed box hold them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/number_text.h"

namespace skyscrub::settings {
namespace {

struct NumberCase {
  std::string text;
  std::optional<std::int16_t> expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

const std::vector<NumberCase> kNumberCases = {
    {"0", 0},
    {"-0", 0},
    {"+12", 12},
    {" \t42\t ", 42},
    {"007", 7},
    {"32767", 32767},
    {"-32768", -32768},
    {"32768", std::nullopt},
    {"-32769", std::nullopt},
    {"0.5", 0},
    {"1.5", 2},
    {"2.5", 2},
    {"2.50000000001", 3},
    {"2.4999999999", 2},
    {"-1.5", -2},
    {"-32768.5", -32768},
    {"-32768.6", std::nullopt},
    {"32766.5", 32766},
    {"32767.5", std::nullopt},
    {".5", 0},
    {".6", 1},
    {"4.", 4},
    {"99999999999999999999", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {".", std::nullopt},
    {"-.", std::nullopt},
    {"- 5", std::nullopt},
    {"5-", std::nullopt},
    {"1.2.3", std::nullopt},
    {"1,5", std::nullopt},
    {"1e3", std::nullopt},
    {"0x10", std::nullopt},
    {"ten", std::nullopt},
    {"1\r", std::nullopt},
};

class ParseInt16Test : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseInt16Test, ConvertsOrRefuses) { EXPECT_EQ(ParseInt16(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Texts, ParseInt16Test, testing::ValuesIn(kNumberCases));

}  // namespace
}  // namespace skyscrub::settings
