#pragma once
// Settings files and what start-up makes of each: the tick's interval, the effect flags and
// whether the title music starts. One table, run through the game directly and through a trace
// script, so both ways of giving the game a file are held to the same answers.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/file_access.h"

namespace skyscrub {

struct SettingsCase {
  std::string name;
  std::optional<std::string> file;  // nothing: no file
  std::int32_t interval;
  std::int16_t sound, music;
  bool titleMusic;
};

inline void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

// Several MiB of one character: far more than any real settings file, still under the limit.
inline std::string Many(char c, std::size_t n = std::size_t{4} * 1024 * 1024) { return std::string(n, c); }

inline std::vector<SettingsCase> SettingsCases() {
  return {
      {"Missing", std::nullopt, 10, 0, 0, false},
      {"Standard", "10\r\n1\r\n1\r\n", 10, 1, 1, true},
      {"FastEffectsOff", "5\r\n0\r\n1\r\n", 5, 0, 1, true},
      {"Empty", "", 10, 0, 0, false},
      {"HugeNumber", Many('9') + "\r\n1\r\n1\r\n", 10, 0, 0, false},
      {"HugeLeadingZeros", Many('0') + "7\r\n1\r\n1\r\n", 7, 1, 1, true},
      {"HugeTrailingGarbage", "12\r\n1\r\n1\r\n" + Many('x'), 12, 1, 1, true},
      {"HugeSingleLineWithoutEnd", Many(' ') + "3,1,1", 3, 1, 1, true},
      {"LargerThanAnySettingsFile", "5\r\n1\r\n1\r\n" + Many(' ', settings::kMaxFileBytes), 10, 0, 0, false},
      {"Binary", std::string("\x00\xFF\xFE\x01\x80\r\n\x7F", 8), 10, 0, 0, false},
      {"NulAfterFirstLine", std::string("10\r\n\0\r\n1\r\n", 9), 10, 0, 0, false},
      {"NoLineEndsCommas", "10,1,1", 10, 1, 1, true},
      {"NoLineEndsOneNumber", "25", 10, 0, 0, false},
      {"CarriageReturnsOnly", "7\r0\r1\r", 7, 0, 1, true},
      {"LineFeedsOnly", "8\n1\n0\n", 8, 1, 0, false},
      {"ByteOrderMark", "\xEF\xBB\xBF" "10\r\n1\r\n1\r\n", 10, 1, 1, true},
      {"TwoLines", "10\r\n1\r\n", 10, 1, 0, false},
      {"EmptySecondLine", "10\r\n\r\n1\r\n", 10, 0, 1, true},
      {"SpeedTooLarge", "70000\r\n1\r\n1\r\n", 10, 0, 0, false},
      {"SpeedLetters", "fast\r\n1\r\n1\r\n", 10, 0, 0, false},
      {"SoundLetters", "10\r\nyes\r\n1\r\n", 10, 0, 0, false},
      {"NegativeSpeedKeepsFlags", "-5\r\n1\r\n1\r\n", 10, 1, 1, false},
      {"ZeroSpeedIsNoPeriod", "0\r\n1\r\n1\r\n", 10, 1, 1, false},
      {"HandEditedSlowSpeed", "1000\r\n0\r\n1\r\n", 1000, 0, 1, true},
      {"SlowestSpeedAccepted", "32767\r\n0\r\n0\r\n", 32767, 0, 0, false},
      {"FlagTwoIsOff", "10\r\n2\r\n2\r\n", 10, 2, 2, false},
  };
}

// The test name of a case: its name.
inline std::string SettingsCaseName(const ::testing::TestParamInfo<SettingsCase>& info) { return info.param.name; }

}  // namespace skyscrub
