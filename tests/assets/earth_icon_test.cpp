// The Earth icon as the desktop shows it: drawn for each size of the icon theme, readable at the
// smallest, and the same Earth at every size.
#include "assets/generator/earth_icon.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "assets/art.h"
#include "assets/embedded_art.h"

namespace assetgen {
namespace {

constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};

float Luminance(Color c) { return 0.2126F * c.r + 0.7152F * c.g + 0.0722F * c.b; }

enum class Kind { Rim, Sea, Land, Other };

// What a pixel shows, by its dominant colour; clouds, ice, desert and haze count as other.
Kind KindOf(Color c) {
  if (Luminance(c) < 0.2F) return Kind::Rim;
  if (std::min({c.r, c.g, c.b}) > 0.55F) return Kind::Other;
  if (c.b > c.g && c.b > c.r) return Kind::Sea;
  if (c.g > c.r && c.g > c.b) return Kind::Land;
  return Kind::Other;
}

// The opaque disc of an icon, found from its pixels: the middle row's fully opaque run.
struct Globe {
  Image image;
  float centre = 0, radius = 0;

  explicit Globe(int size) : image(EarthIcon(size)) {
    const int row = size / 2;
    int first = size, last = -1;
    for (int x = 0; x < size; ++x)
      if (image.At(x, row).a > 0.999F) first = std::min(first, x), last = std::max(last, x);
    centre = static_cast<float>(first + last + 1) / 2;
    radius = static_cast<float>(last - first + 1) / 2;
  }
  // The pixel at (x, y) of the unit disc.
  Color At(float x, float y) const {
    return image.At(static_cast<int>(std::floor(centre + x * radius)), static_cast<int>(std::floor(centre + y * radius)));
  }
};

TEST(EarthIcon, EachThemeSizeIsARoundGlobeFillingItsSquare) {
  for (const int size : kThemeSizes) {
    SCOPED_TRACE(size);
    const Globe globe(size);
    ASSERT_EQ(globe.image.Width(), size);
    ASSERT_EQ(globe.image.Height(), size);
    for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
      EXPECT_EQ(globe.image.At(x, y).a, 0) << "corner " << x << "," << y;
    EXPECT_NEAR(globe.centre, static_cast<float>(size) / 2, 0.5F);
    EXPECT_GE(globe.radius, 0.85F * static_cast<float>(size) / 2) << "the globe leaves its square half empty";
  }
}

// At 16 and 24 px the icon is a few flat colours with a dark rim: no fine noise that turns to mush.
TEST(EarthIcon, SmallSizesKeepLandSeaAndRimApart) {
  for (const int size : {16, 24}) {
    SCOPED_TRACE(size);
    const Globe globe(size);
    // Along each axis, the outermost opaque pixel is the rim.
    for (const auto& [x, y] : {std::pair{0, size / 2}, {size - 1, size / 2}, {size / 2, 0}, {size / 2, size - 1}})
      EXPECT_EQ(KindOf(globe.image.At(x, y)), Kind::Rim) << x << "," << y;
    float land = 0, sea = 0, landLight = 0, seaLight = 0, rimLight = 0;
    int neither = 0;
    std::set<std::uint32_t> colours;
    const std::vector<std::uint8_t> rgba = globe.image.Rgba8(false);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const float apart = std::hypot(static_cast<float>(x) + 0.5F - globe.centre, static_cast<float>(y) + 0.5F - globe.centre);
        const Color c = globe.image.At(x, y);
        if (apart > globe.radius - 0.5F && KindOf(c) == Kind::Rim) rimLight = std::max(rimLight, Luminance(c));
        if (apart > globe.radius - 2) continue;
        const std::size_t at = (static_cast<std::size_t>(y) * size + x) * 4;
        colours.insert(static_cast<std::uint32_t>(rgba[at]) << 16 | static_cast<std::uint32_t>(rgba[at + 1]) << 8 | rgba[at + 2]);
        const Kind kind = KindOf(c);
        if (kind != Kind::Land && kind != Kind::Sea) {
          ++neither;
          continue;
        }
        (kind == Kind::Land ? land : sea) += 1;
        (kind == Kind::Land ? landLight : seaLight) += Luminance(c);
      }
    EXPECT_EQ(neither, 0) << "pixels inside that are neither land nor sea (clouds, ice, blends)";
    const float inside = land + sea;
    EXPECT_GT(land, 0.25F * inside) << "too little land to read";
    EXPECT_GT(sea, 0.25F * inside) << "too little sea to read";
    EXPECT_LE(colours.size(), 6U) << "the inside is shaded or speckled beyond a few flat colours";
    EXPECT_GT(landLight / land - seaLight / sea, 0.1F) << "land and sea too alike in brightness";
    EXPECT_LT(rimLight, seaLight / sea - 0.15F) << "the rim does not stand out from the sea";
  }
}

// The land and sea of every size lie where the largest icon has them.
TEST(EarthIcon, EverySizeShowsTheSameEarth) {
  const Globe largest(256);
  for (const int size : kThemeSizes) {
    SCOPED_TRACE(size);
    const Globe globe(size);
    int compared = 0, agreed = 0;
    for (float y = -0.75F; y <= 0.75F; y += 0.05F)
      for (float x = -0.75F; x <= 0.75F; x += 0.05F) {
        if (std::hypot(x, y) > 0.75F) continue;
        const Kind here = KindOf(globe.At(x, y)), there = KindOf(largest.At(x, y));
        if (here == Kind::Other || there == Kind::Other || here == Kind::Rim || there == Kind::Rim) continue;
        ++compared;
        agreed += here == there;
      }
    ASSERT_GT(compared, 200);
    EXPECT_GT(static_cast<float>(agreed) / static_cast<float>(compared), 0.8F) << agreed << " of " << compared;
  }
}

// The window icons are the theme's icons of their sizes, so the taskbar and the menu agree.
TEST(EarthIcon, WindowIconsAreTheThemeIconsOfTheirSize) {
  for (const skyscrub::Art art : {skyscrub::Art::Icon, skyscrub::Art::WindowIcon}) {
    const int size = skyscrub::InfoOf(art).width;
    SCOPED_TRACE(size);
    const std::span<const std::uint8_t> png = skyscrub::ArtPng(art);
    SDL_Surface* loaded = IMG_Load_RW(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())), 1);
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(rgba, nullptr);
    ASSERT_EQ(rgba->w, size);
    const std::vector<std::uint8_t> expected = EarthIcon(size).Rgba8(false);
    const auto* pixels = static_cast<const std::uint8_t*>(rgba->pixels);
    int differing = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size * 4; ++x) differing += pixels[y * rgba->pitch + x] != expected[static_cast<std::size_t>(y * size * 4 + x)];
    SDL_FreeSurface(rgba);
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace
}  // namespace assetgen
