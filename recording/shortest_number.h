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

// Where the standard library writes and reads floating point itself (Linux's, Windows'), these
// are its std::to_chars and std::from_chars; in the browser, whose library has neither, the
// game's own below.

// The shortest round-trip text of a finite value: fixed or scientific (e+XX), whichever is
// shorter, fixed on a tie. Not for infinities or NaN.
std::string ShortestText(float value);
std::string ShortestText(double value);

// All of `text` as a decimal number ([-]digits[.digits][e[+-]digits]), infinity or NaN, rounded
// to the nearest value; nothing when malformed or when a finite text overflows or underflows to 0.
std::optional<float> ReadFloat(std::string_view text);
std::optional<double> ReadDouble(std::string_view text);

// The game's own text and reading, held to the desktop library's by the tests. They ask the C
// library's printf and strtod for exact digits and exact rounding, which Windows' does not give
// for every value.
std::string OwnShortestText(float value);
std::string OwnShortestText(double value);
std::optional<float> OwnReadFloat(std::string_view text);
std::optional<double> OwnReadDouble(std::string_view text);

}  // namespace skyscrub::recording
