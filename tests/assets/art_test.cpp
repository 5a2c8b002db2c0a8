// Every bitmap the programs carry: a PNG of the size the scene expects, with the
// transparency its use needs.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "assets/art.h"
#include "assets/embedded_art.h"
#include "assets/generator/catalog.h"

namespace skyscrub {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The art decoded and converted to RGBA, so pixels can be read the same way for every file.
SurfacePtr Decode(Art art) {
  const std::span<const std::uint8_t> png = ArtPng(art);
  SDL_Surface* loaded = IMG_Load_RW(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())), 1);
  if (loaded == nullptr) return {nullptr, SDL_FreeSurface};
  SurfacePtr rgba{SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface};
  SDL_FreeSurface(loaded);
  return rgba;
}

std::uint8_t AlphaAt(const SDL_Surface& s, int x, int y) {
  return static_cast<const std::uint8_t*>(s.pixels)[y * s.pitch + x * 4 + 3];
}

enum class Backing { Opaque, Sprite, Invisible };

// Backgrounds cover what lies behind them; the cursor shows nothing; everything else is a sprite.
Backing BackingOf(Art art) {
  if (art == Art::Cursor) return Backing::Invisible;
  return assetgen::IsBackground(art) ? Backing::Opaque : Backing::Sprite;
}

class ArtFile : public testing::TestWithParam<ArtInfo> {};

TEST_P(ArtFile, IsAPngOfTheExpectedSizeWithAnAlphaChannel) {
  const ArtInfo& info = GetParam();
  const std::span<const std::uint8_t> png = ArtPng(info.art);
  ASSERT_GT(png.size(), 8U) << info.file;
  EXPECT_EQ(std::string(png.begin(), png.begin() + 8), std::string("\x89PNG\r\n\x1a\n", 8));
  SDL_Surface* raw = IMG_Load_RW(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())), 1);
  ASSERT_NE(raw, nullptr) << IMG_GetError();
  EXPECT_EQ(raw->w, info.width);
  EXPECT_EQ(raw->h, info.height);
  EXPECT_TRUE(SDL_ISPIXELFORMAT_ALPHA(raw->format->format));
  SDL_FreeSurface(raw);
}

TEST_P(ArtFile, HasTheTransparencyItsUseNeeds) {
  const ArtInfo& info = GetParam();
  const SurfacePtr s = Decode(info.art);
  ASSERT_TRUE(s);
  int opaque = 0, solid = 0, clear = 0;
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      opaque += AlphaAt(*s, x, y) == 255;
      solid += AlphaAt(*s, x, y) >= 128;
      clear += AlphaAt(*s, x, y) == 0;
    }
  switch (BackingOf(info.art)) {
    case Backing::Opaque:
      EXPECT_EQ(opaque, s->w * s->h) << info.file << " must cover what lies behind it";
      break;
    case Backing::Invisible:
      EXPECT_EQ(clear, s->w * s->h) << info.file << " must hide the pointer";
      break;
    case Backing::Sprite:
      for (const auto& [x, y] : {std::pair{0, 0}, {s->w - 1, 0}, {0, s->h - 1}, {s->w - 1, s->h - 1}})
        EXPECT_EQ(AlphaAt(*s, x, y), 0) << info.file << " corner " << x << "," << y;
      EXPECT_GT(solid, s->w * s->h / 16) << info.file << " is hardly visible";
      break;
  }
}

std::string NameOf(const testing::TestParamInfo<ArtInfo>& param) {
  std::string name(param.param.file.substr(0, param.param.file.find('.')));
  return name;
}

}  // namespace

// Test names and failure messages show the file, not the bytes of the table entry.
void PrintTo(const ArtInfo& info, std::ostream* out) { *out << info.file; }

namespace {

INSTANTIATE_TEST_SUITE_P(EveryArt, ArtFile, testing::ValuesIn(kArtTable.begin() + 1, kArtTable.end()), NameOf);

// Frames that flip in the animation must differ, or the flip shows nothing.
TEST(ArtFrames, AnimationPairsDiffer) {
  const std::pair<Art, Art> pairs[] = {{Art::Bullet1, Art::Bullet2},           {Art::Co2, Art::Co2Bold},
                                       {Art::Ch4, Art::Ch4Bold},               {Art::Fire1, Art::Fire2},
                                       {Art::RedBurst1, Art::RedBurst2},       {Art::YellowBurst1, Art::YellowBurst2},
                                       {Art::GreenBurst1, Art::GreenBurst2},   {Art::PinkBurst1, Art::PinkBurst2},
                                       {Art::ShipRight, Art::ShipLeft}};
  for (const auto& [first, second] : pairs) {
    const std::span<const std::uint8_t> a = ArtPng(first), b = ArtPng(second);
    EXPECT_FALSE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << InfoOf(first).file;
  }
}

TEST(ArtFrames, ShipLeftIsShipRightMirrored) {
  const SurfacePtr right = Decode(Art::ShipRight), left = Decode(Art::ShipLeft);
  ASSERT_TRUE(right && left);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const auto* r = static_cast<const std::uint32_t*>(right->pixels) + y * right->pitch / 4 + x;
      const auto* l = static_cast<const std::uint32_t*>(left->pixels) + y * left->pitch / 4 + (31 - x);
      ASSERT_EQ(*r, *l) << x << "," << y;
    }
}

}  // namespace
}  // namespace skyscrub
