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
// The folder below the program folder that holds the settings file, the sounds and the music.
inline constexpr std::string_view kComponentsFolderLiteral = "/components";
static_assert(kFileLiteral.starts_with(kComponentsFolderLiteral));

std::string SettingsPath(std::string_view programFolder);

// The text of the first three fields, in order, with the blanks around each removed.
// A field ends at a comma or at a line end (CR LF, LF or a lone CR); a UTF-8 byte order
// mark at the start is skipped. `count` is the number of fields found before the end of
// the content; a field that starts at the very end is not there.
struct FieldTexts {
  std::array<std::string_view, 3> texts{};
  int count = 0;
};
FieldTexts SplitFields(std::string_view content);

// One field as a signed 16-bit integer: an empty field reads as 0, anything else as
// ParseInt16 reads it.
std::optional<std::int16_t> FieldValue(std::string_view fieldText);

// The first three fields, in order. Reading stops at the first failure
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
