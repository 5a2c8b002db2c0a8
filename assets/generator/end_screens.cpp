// The pictures that end a game: a forest stream for the win, a scorched brown land for the loss.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/generator/noise.h"
#include "assets/generator/scenery.h"
#include "assets/generator/screen_text.h"
#include "assets/generator/screens.h"

namespace assetgen {
namespace {

constexpr float kFar = 330;  // where the stream comes out of the forest

// The centre and half-width of the stream at height y: wide at the bottom, winding into the distance.
Point StreamAt(float y) {
  const float t = (y - kFar) / (600 - kFar);
  return {400 + 70 * std::sin(t * 5.2F + 0.6F) * t, 6 + 150 * t * t};
}

Shape Stream() {
  std::vector<Point> left, right;
  for (float y = kFar; y <= 602; y += 4) {
    const Point s = StreamAt(y);
    left.push_back({s.x - s.y, y});
    right.push_back({s.x + s.y, y});
  }
  left.insert(left.end(), right.rbegin(), right.rend());
  return Polygon(std::move(left));
}

void Forest(Image& image, float horizon, float scale, std::uint32_t seed, Color light, Color dark) {
  Dice dice(seed);
  for (float x = -10; x < 810; x += dice.Between(14, 26) * scale) {
    const Point stream = StreamAt(horizon);
    if (std::abs(x - stream.x) < stream.y + 10 * scale) continue;  // keep the water open
    const float h = dice.Between(45, 75) * scale;
    if (dice.Next() < 0.65F)
      Fir(image, {x, horizon + dice.Between(0, 6) * scale}, h, light, dark);
    else
      LeafyTree(image, {x, horizon + dice.Between(0, 6) * scale}, h * 0.8F, light, dark);
  }
}

}  // namespace

Image WinScreen() {
  Image image(800, 600);
  Cover(image, [](float, float y) {
    if (y < kFar) return Mix(Hex(0x3E8FE6), Hex(0xD2EEFF), std::pow(y / kFar, 1.2F));
    return Mix(Hex(0x7CC75A), Hex(0x2C7A26), (y - kFar) / (600 - kFar));
  });
  Cloud(image, {140, 250}, 180, 61, 0.8F);
  Cloud(image, {660, 230}, 220, 62, 0.85F);
  Fill(image, Ridge(300, 28, 220, 63), Vertical(260, Hex(0x7FA9B8), 330, Hex(0x9CC3C8)));  // far hills in haze
  Fill(image, Ridge(322, 14, 140, 64), Vertical(300, Hex(0x4F8F6A), 340, Hex(0x5E9E5A)));
  Forest(image, kFar + 4, 0.55F, 65, Hex(0x3F8A48), Hex(0x1F5A2E));
  Fill(image, RoundedRect({0, kFar + 6, 800, 601}, 0), Vertical(kFar, Hex(0x6FBE50), 600, Hex(0x2A7424)));
  // The stream, bright where it mirrors the sky, with ripples.
  Fill(image, Inflate(Stream(), 4), Vertical(kFar, Hex(0x8A7A4A), 600, Hex(0x5A4A2A)));  // muddy banks
  Fill(image, Stream(), [](float x, float y) {
    const float ripple = Noise(x * 0.3F, y * 3, 12, 66) * 0.25F;
    return Mix(Hex(0xBFE6FF), Hex(0x2D73B8), std::clamp((y - kFar) / (600 - kFar) * 0.9F + ripple - 0.1F, 0.0F, 1.0F));
  });
  Forest(image, 400, 1.1F, 67, Hex(0x4FA04A), Hex(0x1A4F22));
  Forest(image, 520, 1.9F, 68, Hex(0x5CB050), Hex(0x16461C));
  // Flowers in the near grass.
  Dice dice(69);
  for (int i = 0; i < 70; ++i) {
    const Point p{dice.Between(0, 800), dice.Between(540, 600)};
    const Point s = StreamAt(p.y);
    if (std::abs(p.x - s.x) < s.y + 8) continue;
    Fill(image, Circle(p, dice.Between(1.5F, 2.8F)), i % 3 == 0 ? Hex(0xFFE45A) : (i % 3 == 1 ? Hex(0xFFFFFF) : Hex(0xFF7AB0)));
  }
  const TextStyle green = Headline(Hex(0xB4FF8E), Hex(0x2DB43A), 30, 130, Hex(0x083010));
  Letter(image, {{"You Win!", Face::SansBold, 104, 0}}, 400, 14, green);
  Letter(image, {{"The Earth is saved!", Face::SansBold, 58, 0}}, 400, 140, Headline(Hex(0xB4FF8E), Hex(0x2DB43A), 150, 205, Hex(0x083010)));
  Letter(image, {{"Press the space bar to continue", Face::SansBold, 22, 0}}, 400, 562, Caption(Hex(0xFFFFFF)));
  return image;
}

Image LoseScreen() {
  Image image(800, 600);
  Cover(image, [](float x, float y) {
    const float smog = Fractal(x, y * 1.6F, 160, 4, 51) - 0.5F;
    return Mix(Hex(0x2E180C), Hex(0xB8702E), std::clamp(std::pow(y / 470, 1.3F) + smog * 0.3F, 0.0F, 1.0F));
  });
  // A dim sun low in the smog.
  Glow(image, Circle({600, 400}, 40), 120, Hex(0xFF9A3A, 0.35F));
  Fill(image, Circle({600, 400}, 40), Hex(0xF07A2A, 0.8F));
  // Scorched land with factories and dead trees.
  Fill(image, Ridge(470, 18, 200, 52), Vertical(450, Hex(0x5A3418), 600, Hex(0x24140A)));
  const Color soot = Hex(0x1C100A);
  for (float x : {90.0F, 620.0F}) {
    Fill(image, Polygon({{x, 480}, {x, 440}, {x + 30, 425}, {x + 30, 440}, {x + 60, 425}, {x + 60, 440}, {x + 90, 425}, {x + 90, 480}}), soot);
    Fill(image, RoundedRect({x + 66, 360, x + 80, 440}, 2), soot);
    for (int i = 0; i < 6; ++i) {
      const float t = static_cast<float>(i);
      Fill(image, Circle({x + 73 + t * 9, 350 - t * 22}, 10 + t * 4), Hex(0x3A2A20, 0.45F - t * 0.05F));
    }
  }
  for (float x : {260.0F, 400.0F, 520.0F, 730.0F}) {
    Fill(image, Segment({x, 482}, {x + 2, 430}, 2.5F), soot);
    Fill(image, Segment({x + 1, 450}, {x - 16, 432}, 1.5F), soot);
    Fill(image, Segment({x + 2, 440}, {x + 16, 420}, 1.5F), soot);
    Fill(image, Segment({x - 10, 441}, {x - 14, 426}, 1.0F), soot);
  }
  // Cracks in the dry ground.
  Dice dice(53);
  for (int i = 0; i < 40; ++i) {
    const Point a{dice.Between(0, 800), dice.Between(500, 600)};
    const Point b{a.x + dice.Between(-30, 30), a.y + dice.Between(-6, 6)};
    Fill(image, Segment(a, b, 0.8F), Hex(0x120804, 0.7F));
  }
  Letter(image, {{"GAME OVER", Face::SansBold, 112, 0}}, 400, 150, Headline(Hex(0xFF6A4A), Hex(0xC00808), 170, 270, Hex(0x220202)));
  Letter(image, {{"Press the space bar to continue", Face::Sans, 20, 0}}, 400, 548, Caption(Hex(0xF4E2C8)));
  return image;
}

}  // namespace assetgen
