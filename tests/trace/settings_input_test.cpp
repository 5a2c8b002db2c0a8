// Whatever the settings file holds, start-up ends with a usable tick and the flags it could read.
// Each file is given to the game as `settings raw "TEXT"`, as a trace script would; the scripted
// files read as the real ones do (whole, and nothing at all beyond settings::kMaxFileBytes).
#include <gtest/gtest.h>

#include <sstream>

#include "settings/file_access.h"
#include "tools/trace/script_session.h"
#include "recording/value_text.h"

namespace skyscrub::trace {
namespace {

std::string RawLine(const std::string& content) { return "settings raw " + recording::QuoteText(content); }

std::string Many(char c, std::size_t n = std::size_t{4} * 1024 * 1024) { return std::string(n, c); }

struct SettingsCase {
  std::string name;
  std::optional<std::string> file;  // nothing: no file
  std::int32_t interval;
  std::int16_t sound, music;
  bool titleMusic;
};

void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

class SettingsInput : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsInput, StartUpUsesWhatCouldBeRead) {
  const SettingsCase& c = GetParam();
  std::ostringstream out;
  Session session(out);
  const auto error = session.Execute(c.file ? RawLine(*c.file) : "settings none");
  ASSERT_FALSE(error) << *error;
  ASSERT_EQ(session.system.settingsContent, c.file);
  ASSERT_FALSE(session.Execute("load"));
  EXPECT_EQ(session.game.Timer1.Interval, c.interval);
  EXPECT_EQ(session.game.soundEnabled, c.sound);
  EXPECT_EQ(session.game.musicEnabled, c.music);
  EXPECT_EQ(out.str().find("music1.mid") != std::string::npos, c.titleMusic) << out.str();
  EXPECT_FALSE(session.game.Timer1.Enabled);
  EXPECT_TRUE(session.game.Timer3.Enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsInput,
    ::testing::Values(
        SettingsCase{"Missing", std::nullopt, 10, 0, 0, false},
        SettingsCase{"Standard", "10\r\n1\r\n1\r\n", 10, 1, 1, true},
        SettingsCase{"Empty", "", 10, 0, 0, false},
        SettingsCase{"HugeNumber", Many('9') + "\r\n1\r\n1\r\n", 10, 0, 0, false},
        SettingsCase{"HugeLeadingZeros", Many('0') + "7\r\n1\r\n1\r\n", 7, 1, 1, true},
        SettingsCase{"HugeTrailingGarbage", "12\r\n1\r\n1\r\n" + Many('x'), 12, 1, 1, true},
        SettingsCase{"HugeSingleLineWithoutEnd", Many(' ') + "3,1,1", 3, 1, 1, true},
        SettingsCase{"LargerThanAnySettingsFile", "5\r\n1\r\n1\r\n" + Many(' ', settings::kMaxFileBytes), 10, 0, 0, false},
        SettingsCase{"Binary", std::string("\x00\xFF\xFE\x01\x80\r\n\x7F", 8), 10, 0, 0, false},
        SettingsCase{"NulAfterFirstLine", std::string("10\r\n\0\r\n1\r\n", 9), 10, 0, 0, false},
        SettingsCase{"NoLineEndsCommas", "10,1,1", 10, 1, 1, true},
        SettingsCase{"NoLineEndsOneNumber", "25", 10, 0, 0, false},
        SettingsCase{"CarriageReturnsOnly", "7\r0\r1\r", 7, 0, 1, true},
        SettingsCase{"LineFeedsOnly", "8\n1\n0\n", 8, 1, 0, false},
        SettingsCase{"ByteOrderMark", "\xEF\xBB\xBF" "10\r\n1\r\n1\r\n", 10, 1, 1, true},
        SettingsCase{"TwoLines", "10\r\n1\r\n", 10, 1, 0, false},
        SettingsCase{"EmptySecondLine", "10\r\n\r\n1\r\n", 10, 0, 1, true},
        SettingsCase{"SpeedTooLarge", "70000\r\n1\r\n1\r\n", 10, 0, 0, false},
        SettingsCase{"SpeedLetters", "fast\r\n1\r\n1\r\n", 10, 0, 0, false},
        SettingsCase{"SoundLetters", "10\r\nyes\r\n1\r\n", 10, 0, 0, false},
        SettingsCase{"NegativeSpeedKeepsFlags", "-5\r\n1\r\n1\r\n", 10, 1, 1, false},
        SettingsCase{"ZeroSpeedIsNoPeriod", "0\r\n1\r\n1\r\n", 10, 1, 1, false},
        SettingsCase{"SlowestSpeedAccepted", "32767\r\n0\r\n0\r\n", 32767, 0, 0, false},
        SettingsCase{"FlagTwoIsOff", "10\r\n2\r\n2\r\n", 10, 2, 2, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace skyscrub::trace
