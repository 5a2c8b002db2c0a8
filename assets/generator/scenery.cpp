#include "assets/generator/scenery.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/generator/noise.h"

namespace assetgen {

Paint GameSky() { return Vertical(0, Hex(0xCDEBFF), 600, Hex(0x4F9BE6)); }

void Cloud(Image& image, Point base, float width, std::uint32_t seed, float opacity) {
  Dice dice(seed);
  std::vector<Shape> puffs;
  const int count = 5 + static_cast<int>(width / 60);
  for (int i = 0; i < count; ++i) {
    const float t = (static_cast<float>(i) + 0.5F) / static_cast<float>(count);
    const float middle = 1 - std::abs(t - 0.5F) * 2;  // puffs are tallest in the middle
    const float r = width * (0.1F + 0.12F * middle) * dice.Between(0.8F, 1.2F);
    puffs.push_back(Circle({base.x - width / 2 + width * t, base.y - r * 0.55F - width * 0.05F * middle}, r));
  }
  const Shape body = Cut(Join(puffs), RoundedRect({base.x - width, base.y, base.x + width, base.y + width}, 0));
  const float top = body.bounds.top;
  Glow(image, body, width * 0.04F, Hex(0xFFFFFF, 0.35F * opacity));
  Fill(image, body, [=](float x, float y) {
    const float t = std::clamp((y - top) / (base.y - top), 0.0F, 1.0F);
    const float puff = Noise(x, y, width * 0.08F, seed) * 0.06F;
    return WithAlpha(Mix(Hex(0xFFFFFF), Hex(0xC4D4EA), t * t + puff), opacity);
  });
}

Shape Ridge(float height, float amplitude, float wavelength, std::uint32_t seed, float left, float right) {
  std::vector<Point> line{{right, 601}, {left, 601}};
  for (float x = left; x <= right + 0.1F; x += 8)
    line.push_back({x, height - amplitude * (Fractal(x, 0, wavelength, 3, seed) * 2 - 1)});
  return Polygon(std::move(line));
}

void Fir(Image& image, Point foot, float height, Color light, Color dark) {
  Fill(image, RoundedRect({foot.x - height * 0.04F, foot.y - height * 0.2F, foot.x + height * 0.04F, foot.y}, 0), Hex(0x4A3020));
  for (int tier = 0; tier < 3; ++tier) {
    const float bottom = foot.y - height * (0.12F + 0.25F * static_cast<float>(tier));
    const float half = height * (0.3F - 0.07F * static_cast<float>(tier));
    const float top = bottom - height * 0.42F;
    Fill(image, Polygon({{foot.x - half, bottom}, {foot.x, top}, {foot.x + half, bottom}}),
         [=](float x, float) { return Mix(light, dark, std::clamp((x - foot.x + half) / (2 * half), 0.0F, 1.0F)); });
  }
}

void LeafyTree(Image& image, Point foot, float height, Color light, Color dark) {
  Fill(image, Polygon({{foot.x - height * 0.05F, foot.y}, {foot.x - height * 0.03F, foot.y - height * 0.5F},
                       {foot.x + height * 0.03F, foot.y - height * 0.5F}, {foot.x + height * 0.05F, foot.y}}),
       Hex(0x5A3A22));
  const float r = height * 0.3F;
  const Point c{foot.x, foot.y - height + r};
  const Shape crown = Join({Circle(c, r), Circle({c.x - r * 0.6F, c.y + r * 0.45F}, r * 0.75F),
                            Circle({c.x + r * 0.6F, c.y + r * 0.45F}, r * 0.75F)});
  Fill(image, crown, [=](float x, float y) {
    return Mix(light, dark, std::clamp(std::hypot(x - c.x + r * 0.5F, y - c.y + r * 0.6F) / (r * 2.2F), 0.0F, 1.0F));
  });
}

}  // namespace assetgen
