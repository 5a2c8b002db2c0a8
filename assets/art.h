#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace skyscrub {

// Every distinct bitmap the game shows. Several elements may show the same bitmap
// while still holding different pictures (picture identity is per element, not per bitmap).
enum class Art : std::uint8_t {
  None,
  ShipRight,
  ShipLeft,
  Bullet1,
  Bullet2,
  Co2,
  Co2Bold,
  Ch4,
  Ch4Bold,
  Cfc,
  Ozone,
  Ultraviolet,
  Factory,
  Tree,
  StarBurst,
  Fire1,
  Fire2,
  RedBurst1,
  RedBurst2,
  YellowBurst1,
  YellowBurst2,
  GreenBurst1,
  GreenBurst2,
  PinkBurst1,
  PinkBurst2,
  TitleScreen,
  Sky,
  Instructions,
  WinScreen,
  LoseScreen,
  Grass,
  SkyStrip,
  Icon,
  WindowIcon,
  Cursor,
  Count
};

struct ArtInfo {
  Art art;
  std::string_view file;  // the file name the art generator writes and the build embeds
  int width, height;
};

inline constexpr std::array<ArtInfo, static_cast<std::size_t>(Art::Count)> kArtTable{{
    {Art::None, "", 0, 0},
    {Art::ShipRight, "ship_right.png", 32, 32},
    {Art::ShipLeft, "ship_left.png", 32, 32},
    {Art::Bullet1, "bullet1.png", 16, 16},
    {Art::Bullet2, "bullet2.png", 16, 16},
    {Art::Co2, "co2.png", 32, 32},
    {Art::Co2Bold, "co2_bold.png", 32, 32},
    {Art::Ch4, "ch4.png", 32, 32},
    {Art::Ch4Bold, "ch4_bold.png", 32, 32},
    {Art::Cfc, "cfc.png", 32, 32},
    {Art::Ozone, "o3.png", 32, 32},
    {Art::Ultraviolet, "uv.png", 32, 32},
    {Art::Factory, "factory.png", 32, 32},
    {Art::Tree, "tree.png", 32, 32},
    {Art::StarBurst, "star_burst.png", 32, 32},
    {Art::Fire1, "fire1.png", 32, 32},
    {Art::Fire2, "fire2.png", 32, 32},
    {Art::RedBurst1, "red_burst1.png", 32, 32},
    {Art::RedBurst2, "red_burst2.png", 32, 32},
    {Art::YellowBurst1, "yellow_burst1.png", 32, 32},
    {Art::YellowBurst2, "yellow_burst2.png", 32, 32},
    {Art::GreenBurst1, "green_burst1.png", 32, 32},
    {Art::GreenBurst2, "green_burst2.png", 32, 32},
    {Art::PinkBurst1, "pink_burst1.png", 32, 32},
    {Art::PinkBurst2, "pink_burst2.png", 32, 32},
    {Art::TitleScreen, "title.png", 800, 600},
    {Art::Sky, "sky.png", 800, 600},
    {Art::Instructions, "instructions.png", 800, 600},
    {Art::WinScreen, "win.png", 800, 600},
    {Art::LoseScreen, "lose.png", 800, 600},
    {Art::Grass, "grass.png", 800, 47},
    {Art::SkyStrip, "sky_strip.png", 1, 422},
    {Art::Icon, "earth_icon.png", 32, 32},
    {Art::WindowIcon, "earth_icon_64.png", 64, 64},  // the game window's: docks show it large
    {Art::Cursor, "cursor.png", 16, 16},
}};

constexpr const ArtInfo& InfoOf(Art art) { return kArtTable[static_cast<std::size_t>(art)]; }

}  // namespace skyscrub
