#pragma once
// The settings file shared by the game and its options editor: three whole numbers
// (game speed in ms, sound flag, music flag), one per CR LF line.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub::settings {

// Appended unchanged to the folder that holds the running program.
inline constexpr std::string_view kFileLiteral = "/components/gamedata.jpc";

std::string SettingsPath(std::string_view programFolder);

// The first three fields of the file, in order. Reading stops at the first failure
// (end of file before the field, or a field that is not a signed 16-bit number);
// `count` says how many fields were read before it.
struct Fields {
  std::array<std::int16_t, 3> values{};
  int count = 0;
};
Fields ReadFields(std::string_view content);

// The file's exact text for these values: three lines, each ended by CR LF.
std::string Format(std::int16_t speed, std::int16_t sound, std::int16_t music);

}  // namespace skyscrub::settings
