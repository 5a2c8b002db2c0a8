#pragma once
// Floating-point numbers as decimal text, the same on every platform the game is built for: the
// shortest text that reads back as the same value, written exactly as the desktop's standard
// library writes it (std::to_chars with no format), and read back as its std::from_chars reads
// it. The browser's standard library has neither for floating point, and a recording must read
// the same everywhere.
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub::recording {

// The shortest round-trip text of a finite value: fixed or scientific (e+XX), whichever is
// shorter, fixed on a tie. Not for infinities or NaN.
std::string ShortestText(float value);
std::string ShortestText(double value);

// All of `text` as a decimal number ([-]digits[.digits][e[+-]digits]), infinity or NaN, rounded
// to the nearest value; nothing when malformed or when a finite text overflows or underflows to 0.
std::optional<float> ReadFloat(std::string_view text);
std::optional<double> ReadDouble(std::string_view text);

}  // namespace skyscrub::recording
