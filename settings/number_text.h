#pragma once
// Whole numbers as the settings file and the options editor write them in text.
#include <cstdint>
#include <optional>
#include <string_view>

namespace skyscrub::settings {

// Blanks (spaces and tabs) at both ends of `text` removed.
std::string_view TrimBlanks(std::string_view text);

// `text` as a signed 16-bit integer: blanks around the number are ignored, an optional
// sign is followed by decimal digits with an optional fractional part, which rounds to
// the nearest whole number, a half to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Nothing when the text is empty, holds anything else, or the result does not fit.
std::optional<std::int16_t> ParseInt16(std::string_view text);

}  // namespace skyscrub::settings
