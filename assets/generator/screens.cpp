#include "assets/generator/screens.h"

#include <algorithm>
#include <cmath>

#include "assets/generator/noise.h"
#include "assets/generator/paint.h"
#include "assets/generator/scenery.h"
#include "assets/generator/sprites.h"
#include "assets/generator/text.h"

namespace assetgen {
namespace {

// Large headline lettering: a gradient fill, a dark rim and a soft drop shadow.
TextStyle Headline(Color top, Color bottom, float topY, float bottomY, Color rim) {
  TextStyle style;
  style.fill = Vertical(topY, top, bottomY, bottom);
  style.outline = rim;
  style.outlineWidth = 3;
  style.shadow = Color{0, 0, 0, 0.45F};
  style.shadowOffset = 5;
  style.shadowBlur = 4;
  return style;
}

// A small line of text with a thin dark rim, readable on any background.
TextStyle Caption(Color fill) {
  TextStyle style;
  style.fill = Flat(fill);
  style.outline = Hex(0x000000, 0.75F);
  style.outlineWidth = 1.5F;
  return style;
}

}  // namespace

Image SkyScreen() {
  Image image(800, 600);
  Cover(image, GameSky());
  // Faint high clouds low in the sky, away from the HUD and the ozone row.
  Cloud(image, {140, 300}, 150, 3, 0.35F);
  Cloud(image, {620, 250}, 190, 4, 0.3F);
  Cloud(image, {420, 420}, 120, 5, 0.25F);
  return image;
}

Image SkyStrip() {
  Image image(1, 422);
  Cover(image, GameSky());
  return image;
}

Image GrassStrip() {
  Image image(800, 47);
  Cover(image, [](float x, float y) {
    const float blades = Noise(x, y * 0.12F, 2.2F, 41) * 0.12F + Noise(x, y, 9, 42) * 0.08F;
    Color c = Mix(Hex(0x79D456), Hex(0x2A6E1E), y / 47 + blades - 0.1F);
    if (y < 2) c = Mix(c, Hex(0xB5F08A), 0.5F);
    return c;
  });
  return image;
}

Image TitleScreen() {
  Image image(800, 600);
  Cover(image, [](float x, float y) {
    if (y < 430) return Mix(Hex(0x1B57B0), Hex(0x8CCBF5), std::pow(y / 430, 1.3F));
    // Calm sea below the horizon; its lower right carries the white menu labels.
    const float swell = (Noise(x, y * 6, 60, 7) - 0.5F) * 0.12F * (1 - (y - 430) / 170);
    return Mix(Hex(0x2F78C8), Hex(0x0F3570), std::clamp((y - 430) / 170 + swell, 0.0F, 1.0F));
  });
  Glow(image, Circle({660, 110}, 26), 90, Hex(0xFFF6C8, 0.55F));
  Fill(image, Circle({660, 110}, 28), Radial({655, 104}, 30, Hex(0xFFFFF0), Hex(0xFFE27A)));
  Cloud(image, {150, 330}, 230, 11);
  Cloud(image, {420, 390}, 170, 12, 0.9F);
  Cloud(image, {690, 300}, 200, 13, 0.95F);
  Cloud(image, {90, 120}, 150, 14, 0.7F);
  // An island on the left: hills, trees and a factory.
  Fill(image, Ridge(415, 35, 260, 21, -20, 420), Vertical(370, Hex(0x4FA63E), 470, Hex(0x2A6A24)));
  Fill(image, Ridge(448, 25, 180, 22, -20, 330), Vertical(410, Hex(0x66BD4A), 500, Hex(0x2F7A27)));
  Fill(image, Polygon({{-10, 600}, {-10, 470}, {200, 452}, {330, 470}, {380, 600}}), Vertical(450, Hex(0x3C8F30), 600, Hex(0x1E4F1A)));
  for (float x : {40.0F, 95.0F, 150.0F, 250.0F}) LeafyTree(image, {x, 470 - (x > 200 ? 6.0F : 10.0F)}, 46, Hex(0x74C95A), Hex(0x245E20));
  image.Draw(Factory(2), 170, 402);
  image.Draw(Tree(2), 290, 416);
  // The ship climbing through the sky with a few molecules around it.
  image.Draw(ShipRight(3), 90, 250);
  for (int i = 0; i < 6; ++i) Fill(image, Circle({85 - static_cast<float>(i) * 11, 302 + static_cast<float>(i) * 2}, 5 - static_cast<float>(i) * 0.6F), Hex(0xFFFFFF, 0.55F - static_cast<float>(i) * 0.08F));
  image.Draw(MoleculeLetters(Molecule::Co2, true, 2), 560, 205);
  image.Draw(MoleculeLetters(Molecule::Ch4, true, 2), 430, 250);
  image.Draw(Shot(true, 2), 250, 283);
  const TextStyle title = Headline(Hex(0xFFFFFF), Hex(0xD6ECFF), 60, 190, Hex(0x0E2E66));
  Letter(image, {{"Skyscrub", Face::SansBoldItalic, 150, 0}}, 400, 20, title);
  Letter(image, {{"clean the air, save the Earth", Face::NarrowBold, 30, 0}}, 400, 205, Caption(Hex(0xFFFFFF)));
  return image;
}

Image InstructionsScreen() {
  Image image(800, 600);
  Cover(image, Vertical(0, Hex(0x2F74C8), 600, Hex(0x12356E)));
  Cloud(image, {120, 110}, 160, 31, 0.18F);
  Cloud(image, {700, 230}, 180, 32, 0.15F);
  Letter(image, {{"How to Play", Face::SansBold, 46, 0}}, 400, 18, Headline(Hex(0xFFFFFF), Hex(0xCFE6FF), 25, 70, Hex(0x0B2350)));
  return image;
}

Image WinScreen() {
  Image image(800, 600);
  Cover(image, Vertical(0, Hex(0x5DA9EE), 330, Hex(0xD8F0FF)));
  Letter(image, {{"You Win!", Face::SansBold, 96, 0}}, 400, 30, Headline(Hex(0x9CF27E), Hex(0x2DB43A), 50, 130, Hex(0x0A3512)));
  return image;
}

Image LoseScreen() {
  Image image(800, 600);
  Cover(image, [](float x, float y) {
    const float smog = Fractal(x, y * 1.6F, 160, 4, 51) - 0.5F;
    return Mix(Hex(0x3A2012), Hex(0xB26A2C), std::clamp(y / 480 + smog * 0.35F, 0.0F, 1.0F));
  });
  Letter(image, {{"GAME OVER", Face::SansBold, 110, 0}}, 400, 180, Headline(Hex(0xFF5A3C), Hex(0xC80A0A), 200, 310, Hex(0x2A0404)));
  Letter(image, {{"Press the space bar to continue", Face::Sans, 20, 0}}, 400, 540, Caption(Hex(0xF4E2C8)));
  return image;
}

}  // namespace assetgen
