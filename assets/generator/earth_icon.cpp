#include "assets/generator/earth_icon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "assets/generator/noise.h"
#include "assets/generator/paint.h"

namespace assetgen {
namespace {

constexpr float kDegree = std::numbers::pi_v<float> / 180;

// Small icons keep only what still reads at their size; a drawing scaled down turns to mush.
enum class Level { Bold, Simple, Full };

struct Detail {
  Level level;
  int octaves;  // of the noise that roughens coasts and clouds: finer ones only where there are pixels for them
};

Detail DetailFor(int size) {
  if (size < 32) return {Level::Bold, 0};
  if (size < 64) return {Level::Simple, 2};
  return {Level::Full, size < 128 ? 3 : size < 256 ? 4 : 5};
}

// A round patch of the sphere, in degrees; the continents are unions of them, so every size
// shows the same Africa, Europe and the Americas.
struct Patch {
  float lon, lat, radius;
};

constexpr Patch kContinents[] = {
    // Africa
    {-6, 12, 11}, {10, 14, 14}, {24, 12, 13}, {22, -4, 13}, {26, -18, 10}, {21, -28, 6},
    // Europe and Asia
    {-4, 40, 5}, {12, 47, 8}, {26, 52, 10}, {16, 63, 6}, {48, 50, 15}, {45, 24, 8}, {64, 38, 12},
    // South America
    {-62, -6, 13}, {-56, -16, 10}, {-64, -30, 8}, {-70, -45, 4}, {-70, 6, 7},
    // North America and Greenland
    {-80, 38, 10}, {-92, 50, 16}, {-66, 52, 8}, {-40, 72, 8},
};
// Drawn only where the icon has pixels for them.
constexpr Patch kIslands[] = {{47, -19, 3}, {-3, 54, 3}, {-19, 65, 2.5F}, {-77, 21, 2}};

// Degrees between two points of the sphere.
float Apart(float lon1, float lat1, float lon2, float lat2) {
  const float cosine = std::sin(lat1 * kDegree) * std::sin(lat2 * kDegree) +
                       std::cos(lat1 * kDegree) * std::cos(lat2 * kDegree) * std::cos((lon1 - lon2) * kDegree);
  return std::acos(std::clamp(cosine, -1.0F, 1.0F)) / kDegree;
}

// How far inside the land a point lies, in degrees (negative at sea); coasts grow ragged with detail.
float LandDepth(float lon, float lat, Detail detail) {
  float depth = -180;
  for (const Patch& p : kContinents)
    if (detail.level != Level::Bold || p.radius >= 6) depth = std::max(depth, p.radius - Apart(lon, lat, p.lon, p.lat));
  // The small icon's land is a little fatter, so each mass is several pixels across.
  if (detail.level == Level::Bold) return depth + 2;
  if (detail.level == Level::Full)
    for (const Patch& p : kIslands) depth = std::max(depth, p.radius - Apart(lon, lat, p.lon, p.lat));
  const float reach = detail.level == Level::Full ? 16 : 9;
  return depth + (Fractal(lon + 200, lat + 100, 16, detail.octaves, 11) - 0.5F) * reach;
}

struct Palette {
  Color deepSea, shallowSea, land, forest, desert, ice, rim;
};

// The small icon's colours are brighter and further apart, so land and sea stay distinct.
Palette PaletteFor(Level level) {
  if (level == Level::Bold)
    return {Hex(0x2670E4), Hex(0x2670E4), Hex(0x52CC48), Hex(0x52CC48), Hex(0x52CC48), Hex(0xFFFFFF), Hex(0x0A2456)};
  return {Hex(0x1A58C4), Hex(0x3C95EC), Hex(0x4DB04C), Hex(0x2C8A3C), Hex(0xCDAE66), Hex(0xF4F8FF), Hex(0x0C2A5E)};
}

// The ground's own colour at a point of the sphere, before light and cloud.
Color Ground(float lon, float lat, float depth, Detail detail, const Palette& palette) {
  if (detail.level == Level::Bold) return depth < 0 ? palette.deepSea : palette.land;
  const float floe = detail.level == Level::Full ? (Fractal(lon, lat, 12, detail.octaves - 1, 41) - 0.5F) * 7 : 0;
  if (std::abs(lat) + floe > 76) return palette.ice;
  if (depth < 0) {
    if (detail.level == Level::Simple) return palette.deepSea;
    return Mix(palette.shallowSea, palette.deepSea, std::min(1.0F, -depth / 7));
  }
  // The dry belt north of the equator from the Sahara to Arabia; on the large icon, patches of darker
  // forest, thickest in the wet tropics.
  const float belt = std::abs(lat - 22 + (Noise(lon, lat, 7, 47) - 0.5F) * 12) / 10;
  const float westToEast = std::clamp((lon + 14) / 8, 0.0F, 1.0F) * std::clamp((62 - lon) / 8, 0.0F, 1.0F);
  const float dry = std::clamp(1 - belt, 0.0F, 1.0F) * westToEast;
  const float tropics = std::clamp(1 - std::abs(lat) / 16, 0.0F, 1.0F);
  const float wet = detail.level == Level::Full ? (0.4F + 0.6F * tropics) * Fractal(lon, lat, 10, detail.octaves, 43) : 0;
  return Mix(Mix(palette.land, palette.forest, wet), palette.desert, std::clamp(dry * 1.6F - 0.2F, 0.0F, 1.0F));
}

// Cloud cover from 0 to 1: none on the small icon, a few large clouds, then many with ragged edges.
float Cloud(float lon, float lat, Detail detail) {
  if (detail.level == Level::Bold) return 0;
  if (detail.level == Level::Simple) return std::clamp((Noise(lon, lat * 2, 22, 37) - 0.74F) * 14, 0.0F, 0.95F);
  return std::clamp((Fractal(lon, lat * 2, 22, detail.octaves, 37) - 0.6F) * 6, 0.0F, 0.9F);
}

// The globe is seen from above the Gulf of Guinea, tilted so the north shows a little more.
constexpr float kCentreLon = 0, kTilt = 22;
// Light from the upper left and in front.
constexpr float kLightX = -0.47F, kLightY = 0.55F, kLightZ = 0.69F;

// The lit colour of the globe at (x, y) of the unit disc, y downwards.
Color Surface(float x, float y, Detail detail, const Palette& palette) {
  const float z = std::sqrt(std::max(0.0F, 1 - x * x - y * y));
  const float up = -y, sinTilt = std::sin(kTilt * kDegree), cosTilt = std::cos(kTilt * kDegree);
  const float lat = std::asin(std::clamp(up * cosTilt + z * sinTilt, -1.0F, 1.0F)) / kDegree;
  const float lon = std::atan2(x, z * cosTilt - up * sinTilt) / kDegree + kCentreLon;
  const float depth = LandDepth(lon, lat, detail), cloud = Cloud(lon, lat, detail);
  const Color clouded = Mix(Ground(lon, lat, depth, detail, palette), Hex(0xFFFFFF), cloud);
  const float diffuse = x * kLightX + up * kLightY + z * kLightZ;
  // Two flat tones, lit and shaded, keep the small icon's pixels crisp.
  if (detail.level == Level::Bold) return Scale(clouded, diffuse < 0.05F ? 0.66F : 1.0F);
  if (detail.level == Level::Simple) return Scale(clouded, std::clamp(0.5F + 0.62F * diffuse, 0.38F, 1.1F));
  Color lit = Scale(clouded, std::clamp(0.3F + 0.85F * diffuse, 0.2F, 1.12F));
  // The sun's glint on open sea, and the blue haze of the air thickening towards the limb.
  const float half = std::sqrt(kLightX * kLightX + kLightY * kLightY + (kLightZ + 1) * (kLightZ + 1));
  const float glint = std::pow(std::max(0.0F, (x * kLightX + up * kLightY + z * (kLightZ + 1)) / half), 60.0F);
  if (depth < 0) lit = Mix(lit, Hex(0xFFFFFF), 0.55F * glint * (1 - cloud));
  const float haze = std::pow(1 - z, 3.0F) * (0.35F + 0.65F * std::max(0.0F, diffuse));
  return Mix(lit, Hex(0x9ED8FF), std::min(0.6F, haze));
}

}  // namespace

Image EarthIcon(int size) {
  const Detail detail = DetailFor(size);
  const Level level = detail.level;
  const Palette palette = PaletteFor(level);
  const float s = static_cast<float>(size), unit = s / 32;
  Image image(size, size);
  const Point c{s / 2, s / 2};
  // The small globes fill their square and take a crisp one-pixel rim; the large ones leave room for the air's glow.
  const float r = level == Level::Bold ? s / 2 : level == Level::Simple ? s / 2 - 1 : 14.5F * unit;
  if (level == Level::Simple) Glow(image, Circle(c, r), 1.2F, Hex(0x9FD8FF, 0.7F));
  if (level == Level::Full) Glow(image, Circle(c, r), 1.6F * unit, Hex(0x9FD8FF, 0.8F));
  const int samples = level == Level::Bold ? 1 : level == Level::Simple ? 2 : 3;
  Fill(image, Circle(c, r), [=](float px, float py) {
    // Averaged over a grid of points in the pixel, so fine coasts are smooth rather than jagged.
    const float step = 1 / static_cast<float>(samples);
    Color sum{0, 0, 0, 1};
    for (int j = 0; j < samples; ++j)
      for (int i = 0; i < samples; ++i) {
        const float x = (px - 0.5F + (static_cast<float>(i) + 0.5F) * step - c.x) / r;
        const float y = (py - 0.5F + (static_cast<float>(j) + 0.5F) * step - c.y) / r;
        // Points of the edge pixels that fall outside the disc take the colour just inside the limb.
        const float inside = std::min(1.0F, 0.999F / std::hypot(x, y));
        const Color one = Surface(x * inside, y * inside, detail, palette);
        sum = {sum.r + one.r * step * step, sum.g + one.g * step * step, sum.b + one.b * step * step, 1};
      }
    return sum;
  });
  if (level == Level::Full)
    Fill(image, Outline(Circle(c, r - 0.4F * unit), 0.5F * unit), Hex(0xBFE6FF, 0.6F));
  else
    Fill(image, Outline(Circle(c, r - 0.5F), 0.5F), palette.rim);
  return image;
}

}  // namespace assetgen
