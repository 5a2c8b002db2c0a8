#pragma once
#include <cstdint>

namespace skyscrub {

// A colour as the game writes it: &H00BBGGRR, so red is 0x000000FF.
using Colour = std::int32_t;

struct Rgb {
  std::uint8_t r, g, b;
};

constexpr Rgb ToRgb(Colour c) {
  return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
          static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

constexpr Colour FromRgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

namespace colours {
constexpr Colour kBlack = 0x00000000;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kYellow = 0x0000FFFF;
constexpr Colour kCyan = 0x00FFFF00;
constexpr Colour kOrange = 0x000080FF;
constexpr Colour kTeal = 0x00808000;
constexpr Colour kPaleCyan = 0x00FFFFC0;
constexpr Colour kLightBlue = 0x00FFC0C0;
}  // namespace colours

}  // namespace skyscrub
