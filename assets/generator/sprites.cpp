#include "assets/generator/sprites.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "assets/generator/noise.h"
#include "assets/generator/paint.h"
#include "assets/generator/text.h"

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// A sprite canvas whose design is laid out in 32 (or 16) units, drawn `scale` pixels per unit.
struct Sprite {
  Sprite(int units, float scale) : image(Size(units, scale), Size(units, scale)), s(scale) {}
  static int Size(int units, float scale) { return static_cast<int>(std::lround(static_cast<float>(units) * scale)); }
  Point P(float x, float y) const { return {x * s, y * s}; }
  float L(float v) const { return v * s; }
  Box B(float l, float t, float r, float b) const { return {l * s, t * s, r * s, b * s}; }

  // The shape with a dark rim around it, the way every sprite is edged so it reads on the sky.
  void Edged(const Shape& shape, const Paint& paint, Color rim, float rimWidth = 0.9F) {
    Fill(image, Inflate(shape, L(rimWidth)), rim);
    Fill(image, shape, paint);
  }

  Image image;
  float s;
};

// Gradient lettering edged in a dark rim, centred in the sprite.
void Lettering(Sprite& sprite, std::vector<Run> runs, Color top, Color bottom, Color rim) {
  const float maxWidth = sprite.L(29);
  // The largest size at which the word fits inside the sprite with its rim.
  for (float shrink = 1.0F; shrink > 0.5F; shrink -= 0.03F) {
    std::vector<Run> sized = runs;
    for (Run& run : sized) run.size *= shrink;
    const Mask mask = TextMask(sized);
    if (static_cast<float>(mask.width) <= maxWidth || shrink <= 0.53F) {
      runs = sized;
      break;
    }
  }
  const Mask probe = TextMask(runs);
  const int topPixel = static_cast<int>(std::lround((static_cast<float>(sprite.image.Height()) - static_cast<float>(probe.height)) / 2));
  TextStyle style;
  style.fill = Vertical(static_cast<float>(topPixel) + sprite.L(6), top, static_cast<float>(topPixel + probe.height) - sprite.L(3), bottom);
  style.outline = rim;
  style.outlineWidth = sprite.L(1.5F);
  style.shadow = Color{0, 0, 0, 0.35F};
  style.shadowOffset = static_cast<int>(std::lround(sprite.L(1)));
  style.shadowBlur = static_cast<int>(std::lround(sprite.L(1)));
  Letter(sprite.image, runs, static_cast<float>(sprite.image.Width()) / 2, topPixel, style);
}

// Spikes radiating from the centre with a hot core: the shared look of every burst.
void Spikes(Sprite& sprite, int points, float outer, float inner, float turn, Color hot, Color mid, Color edge) {
  const Point c = sprite.P(16, 16);
  const Shape star = Star(c, points, sprite.L(outer), sprite.L(inner), turn);
  Glow(sprite.image, star, sprite.L(2.5F), WithAlpha(edge, 0.45F));
  Fill(sprite.image, star, [=](float x, float y) {
    const float t = std::hypot(x - c.x, y - c.y) / sprite.L(outer);
    return t < 0.45F ? Mix(hot, mid, t / 0.45F) : Mix(mid, edge, std::min(1.0F, (t - 0.45F) / 0.55F));
  });
  const Shape core = Star(c, points, sprite.L(outer * 0.5F), sprite.L(inner * 0.6F), turn + kPi / static_cast<float>(points));
  Fill(sprite.image, core, Radial(c, sprite.L(outer * 0.5F), Hex(0xFFFFFF), WithAlpha(hot, 0.2F)));
}

// A ragged blob: a ring of corners at radii that wander with the seed.
Shape Ragged(Point c, float radius, float roughness, int corners, std::uint32_t seed) {
  std::vector<Point> v;
  for (int i = 0; i < corners; ++i) {
    const float angle = 2 * kPi * static_cast<float>(i) / static_cast<float>(corners);
    const float r = radius * (1 - roughness + 2 * roughness * Hash(i, 3, seed));
    v.push_back({c.x + r * std::cos(angle), c.y + r * std::sin(angle)});
  }
  return Polygon(std::move(v));
}

}  // namespace

Image ShipRight(float scale) {
  Sprite sp(32, scale);
  const Color rim = Hex(0x1E232B);
  const Shape fin = Polygon({sp.P(3, 14), sp.P(2.5F, 6), sp.P(6.5F, 6), sp.P(13, 13)});
  const Shape wing = Polygon({sp.P(9, 19), sp.P(19, 19), sp.P(13, 27), sp.P(7.5F, 27)});
  const Shape body = Polygon({sp.P(3, 13.5F), sp.P(9, 12), sp.P(21, 12), sp.P(27.5F, 14), sp.P(31, 17),
                              sp.P(27.5F, 19.5F), sp.P(20, 22), sp.P(8, 22), sp.P(3, 20.5F)});
  const Shape nozzle = RoundedRect(sp.B(0.8F, 14.5F, 4, 19.5F), sp.L(1));
  const Paint darkMetal = Vertical(sp.L(6), Hex(0xA9B1BC), sp.L(27), Hex(0x4B535E));
  sp.Edged(Join({fin, wing, nozzle}), darkMetal, rim);
  sp.Edged(body, Vertical(sp.L(12), Hex(0xEEF1F5), sp.L(22), Hex(0x6A737F)), rim);
  Fill(sp.image, Segment(sp.P(6, 17.5F), sp.P(27, 17.5F), sp.L(0.45F)), Hex(0x2F6FD6));  // a blue stripe along the hull
  Fill(sp.image, nozzle, Vertical(sp.L(14.5F), Hex(0x5A616B), sp.L(19.5F), Hex(0x30353C)));
  // The cockpit: a blue glass dome on the hull.
  const Shape dome = Overlap(Ellipse(sp.P(19.5F, 13.5F), sp.L(5.5F), sp.L(4.6F)), RoundedRect(sp.B(10, 6, 28, 14.2F), 0));
  sp.Edged(dome, Lit(Hex(0x2A7BEA), sp.P(18, 10.5F), sp.L(6), 0.9F, 0.55F), rim, 0.8F);
  Fill(sp.image, Ellipse(sp.P(17.8F, 10.8F), sp.L(1.7F), sp.L(1)), Hex(0xFFFFFF, 0.85F));
  return sp.image;
}

Image Shot(bool redRing, float scale) {
  Sprite sp(16, scale);
  const Point c = sp.P(8, 8);
  const Shape ring = Outline(Circle(c, sp.L(5.2F)), sp.L(1.4F));
  Glow(sp.image, Circle(c, sp.L(6.6F)), sp.L(1.3F), redRing ? Hex(0xFF5020, 0.5F) : Hex(0xFFE040, 0.5F));
  if (redRing) {
    Fill(sp.image, Circle(c, sp.L(4)), Radial(sp.P(7, 7), sp.L(4), Hex(0xFFFDE0), Hex(0xFFD21F)));
    Fill(sp.image, ring, Lit(Hex(0xE8241C), sp.P(6, 5), sp.L(9), 0.5F, 0.5F));
  } else {
    Fill(sp.image, Circle(c, sp.L(4)), Hex(0xFFF4A0, 0.3F));
    Fill(sp.image, ring, Lit(Hex(0xFFD21F), sp.P(6, 5), sp.L(9), 0.4F, 0.45F));
  }
  return sp.image;
}

Image MoleculeLetters(Molecule molecule, bool heavy, float scale) {
  struct Look {
    const char* letters;
    const char* subscript;
    Color top, bottom, rim;
  };
  // In the order of Molecule: red CO2, yellow CH4, green CFC, blue O3, violet UV.
  static const Look kLooks[] = {
      {"CO", "2", Hex(0xFF6A5C), Hex(0xD81A1A), Hex(0x3D0606)},
      {"CH", "4", Hex(0xFFF27A), Hex(0xF2B705), Hex(0x4A3300)},
      {"CFC", "", Hex(0x8CF27E), Hex(0x1FA83A), Hex(0x073312)},
      {"O", "3", Hex(0x6FA8FF), Hex(0x1846D0), Hex(0x06153F)},
      {"UV", "", Hex(0xD9A0FF), Hex(0x8A2BE2), Hex(0x26063F)},
  };
  const Look& look = kLooks[static_cast<int>(molecule)];
  Sprite sp(32, scale);
  // Narrow faces let the letters stand tall inside the 32-pixel square.
  const Face face = heavy ? Face::NarrowBold : Face::Narrow;
  const float size = sp.L(22);
  std::vector<Run> runs{{look.letters, face, size, 0}};
  if (*look.subscript != '\0') runs.push_back({look.subscript, face, size * 0.62F, -0.2F});
  Lettering(sp, runs, look.top, look.bottom, look.rim);
  return sp.image;
}

Image Factory(float scale) {
  Sprite sp(32, scale);
  const Color rim = Hex(0x2A1A14);
  // Smoke drifting from the chimney.
  Fill(sp.image, Circle(sp.P(26, 4), sp.L(2.6F)), Hex(0xC9CCD2, 0.85F));
  Fill(sp.image, Circle(sp.P(29.3F, 1.8F), sp.L(2.0F)), Hex(0xDADDE2, 0.7F));
  const Shape chimney = RoundedRect(sp.B(22.5F, 6.5F, 27.5F, 31), sp.L(0.6F));
  sp.Edged(chimney, Vertical(0, Hex(0xB0B3BA), sp.L(31), Hex(0x6C707A)), rim);
  Fill(sp.image, RoundedRect(sp.B(22.5F, 9, 27.5F, 11), 0), Hex(0xD83A2E));
  Fill(sp.image, RoundedRect(sp.B(22.5F, 13, 27.5F, 15), 0), Hex(0xD83A2E));
  // The hall with a saw-tooth roof.
  const Shape hall = Polygon({sp.P(2, 31), sp.P(2, 16), sp.P(8, 11.5F), sp.P(8, 16), sp.P(14, 11.5F), sp.P(14, 16),
                              sp.P(20, 11.5F), sp.P(20, 16), sp.P(23, 16), sp.P(23, 31)});
  sp.Edged(hall, Vertical(sp.L(12), Hex(0xC0674A), sp.L(31), Hex(0x7E3A2A)), rim);
  for (float x : {2.5F, 8.5F, 14.5F})
    Fill(sp.image, Polygon({sp.P(x, 16), sp.P(x + 5.5F, 11.9F), sp.P(x + 5.5F, 13.5F), sp.P(x + 1.5F, 16)}), Hex(0x9FD3F5));
  for (float x : {4.0F, 9.0F, 17.0F})
    Fill(sp.image, RoundedRect(sp.B(x, 19, x + 3, 22), sp.L(0.4F)), Hex(0xFFD45A));
  sp.Edged(RoundedRect(sp.B(12.5F, 24.5F, 16, 31), sp.L(0.3F)), Flat(Hex(0x3B2A24)), rim, 0.5F);
  return sp.image;
}

Image Tree(float scale) {
  Sprite sp(32, scale);
  const Color rim = Hex(0x12361A);
  sp.Edged(Polygon({sp.P(14, 31), sp.P(14.8F, 18), sp.P(17.2F, 18), sp.P(18, 31)}),
           Vertical(0, Hex(0x8A5A34), sp.L(31), Hex(0x5A3A20)), Hex(0x2A1A0E));
  const Shape crown = Join({Circle(sp.P(16, 11), sp.L(8.5F)), Circle(sp.P(9.5F, 16), sp.L(6.2F)),
                            Circle(sp.P(22.5F, 16), sp.L(6.2F)), Circle(sp.P(16, 18), sp.L(5.5F))});
  sp.Edged(crown, Lit(Hex(0x3FA33A), sp.P(12, 6), sp.L(20), 0.75F, 0.55F), rim);
  // Leaf clusters catching the light.
  for (const Point p : {Point{12, 8}, Point{18.5F, 10}, Point{9, 14.5F}, Point{21, 15.5F}, Point{15, 15}})
    Fill(sp.image, Circle(sp.P(p.x, p.y), sp.L(2.2F)), Radial(sp.P(p.x - 0.7F, p.y - 0.7F), sp.L(2.2F), Hex(0x8EDB6A, 0.8F), Hex(0x5CC24A, 0)));
  return sp.image;
}

Image StarBurst() {
  Sprite sp(32, 1);
  Spikes(sp, 10, 15, 6.5F, 0, Hex(0xFFF2A8), Hex(0xFF3A1E), Hex(0xB00A0A));
  return sp.image;
}

Image Burst(BurstColour colour, int frame) {
  struct Palette {
    Color hot, mid, edge;
  };
  static const Palette kPalettes[] = {
      {Hex(0xFFE0C0), Hex(0xFF2A1A), Hex(0x9A0606)},
      {Hex(0xFFFFE0), Hex(0xFFD400), Hex(0xC07000)},
      {Hex(0xE8FFE0), Hex(0x38E03A), Hex(0x0B7A1E)},
  };
  const Palette& p = kPalettes[static_cast<int>(colour)];
  Sprite sp(32, 1);
  if (frame == 1)
    Spikes(sp, 8, 14.5F, 5, 0, p.hot, p.mid, p.edge);
  else
    Spikes(sp, 8, 12, 6, kPi / 8, p.hot, p.mid, p.edge);
  return sp.image;
}

Image Sparkle(int frame) {
  Sprite sp(32, 1);
  const Point c = sp.P(16, 16);
  // The second frame is a smaller, tilted twinkle of the first.
  const float big = frame == 1 ? 11 : 7.5F;
  const float turn = frame == 1 ? 0 : kPi / 12;
  Glow(sp.image, Circle(c, 3.5F), 5, Hex(0xFF4FC3, 0.6F));
  const Shape small = Star(c, 4, big * 0.6F, 1.8F, turn + kPi / 4);
  const Shape large = Star(c, 4, big, 2.6F, turn);
  Fill(sp.image, Inflate(Join(small, large), 0.8F), Hex(0x9E0F6E, 0.9F));
  Fill(sp.image, small, Radial(c, big * 0.6F, Hex(0xFFD6F3), Hex(0xFF4FC3)));
  Fill(sp.image, large, Radial(c, big, Hex(0xFFFFFF), Hex(0xFF2FAE)));
  Fill(sp.image, Circle(c, 2), Hex(0xFFFFFF));
  return sp.image;
}

Image Fire(int frame) {
  Sprite sp(32, 1);
  const Point c = sp.P(16, 16.5F);
  const std::uint32_t seed = frame == 1 ? 5 : 17;
  const float grow = frame == 1 ? 0 : 1.5F;
  Fill(sp.image, Ragged(c, 12.5F + grow, 0.3F, 22, seed), Radial(c, 14, Hex(0xFF5A14), Hex(0xA00808, 0.9F)));
  Fill(sp.image, Ragged(c, 9 + grow * 0.6F, 0.28F, 18, seed + 1), Radial(c, 10, Hex(0xFFC21E), Hex(0xFF6A10)));
  Fill(sp.image, Ragged({c.x - 0.5F, c.y + 0.5F}, 5.2F, 0.25F, 12, seed + 2), Radial(c, 6, Hex(0xFFFFF0), Hex(0xFFE45A)));
  Dice dice(seed);
  for (int i = 0; i < 7; ++i) {
    const float angle = dice.Between(0, 2 * kPi), distance = dice.Between(11, 15) + grow;
    Fill(sp.image, Circle({c.x + distance * std::cos(angle), c.y + distance * std::sin(angle)}, dice.Between(0.8F, 1.5F)),
         i % 2 == 0 ? Hex(0xFFD040) : Hex(0xFF5A14));
  }
  return sp.image;
}

}  // namespace assetgen
