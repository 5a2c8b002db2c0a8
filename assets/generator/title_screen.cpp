// The title picture: the game's name over a sky with clouds, an island and a calm sea whose
// lower right carries the white "Play" and "Quit" labels.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/generator/noise.h"
#include "assets/generator/scenery.h"
#include "assets/generator/screen_text.h"
#include "assets/generator/screens.h"
#include "assets/generator/sprites.h"

namespace assetgen {
namespace {

constexpr float kHorizon = 430;

Color SkyOrSea(float x, float y) {
  if (y < kHorizon) return Mix(Hex(0x1B57B0), Hex(0x9ED6F8), std::pow(y / kHorizon, 1.4F));
  const float depth = (y - kHorizon) / (600 - kHorizon);
  const float swell = (Noise(x, y * 5, 70, 7) - 0.5F) * 0.1F * (1 - depth);
  return Mix(Hex(0x3A86D0), Hex(0x0E3168), std::clamp(std::sqrt(depth) + swell, 0.0F, 1.0F));
}

// Sun glints on the water, kept off the menu corner.
void Glints(Image& image) {
  Dice dice(91);
  for (int i = 0; i < 60; ++i) {
    const float y = dice.Between(kHorizon + 4, 520), x = dice.Between(330, 800);
    if (x > 500 && y > 455) continue;
    const float length = 4 + (y - kHorizon) * 0.12F;
    Fill(image, Segment({x - length, y}, {x + length, y}, 0.6F + (y - kHorizon) * 0.006F), Hex(0xFFFFFF, 0.25F));
  }
}

void Island(Image& image) {
  // The hills fall away towards the shore.
  const Shape slope = Polygon({{-20, 601}, {-20, 300}, {230, 300}, {345, 455}, {380, 601}});
  Fill(image, Overlap(Ridge(398, 40, 230, 21, -20, 360), slope), Vertical(350, Hex(0x5BB046), 470, Hex(0x2A6A24)));
  // The shore slopes down to the water on the right.
  const std::vector<Point> shore{{330, 452}, {372, 476}, {392, 520}, {380, 601}};
  std::vector<Point> beach = shore, land{{-20, 601}, {-20, 440}, {120, 430}, {250, 436}};
  land.insert(land.end(), shore.begin(), shore.end());
  for (auto p = shore.rbegin(); p != shore.rend(); ++p) beach.push_back({p->x + 12, p->y - 2});
  Fill(image, Polygon(beach), Vertical(450, Hex(0xF0E0A8), 600, Hex(0xC9B070)));  // the beach
  Fill(image, Polygon(land), Vertical(430, Hex(0x4DA23A), 600, Hex(0x1C4C18)));
  for (float x : {30.0F, 70.0F, 108.0F, 300.0F}) LeafyTree(image, {x, 440}, 50, Hex(0x7ACD5E), Hex(0x22581F));
  image.Draw(Factory(2), 160, 377);
  image.Draw(Tree(2), 222, 381);
}

}  // namespace

Image TitleScreen() {
  Image image(800, 600);
  Cover(image, SkyOrSea);
  Fill(image, RoundedRect({0, kHorizon - 1, 800, kHorizon + 1}, 0), Hex(0xFFFFFF, 0.35F));  // haze on the horizon
  Glints(image);
  Cloud(image, {110, 120}, 150, 14, 0.7F);
  Cloud(image, {700, 330}, 210, 13, 0.95F);
  Cloud(image, {470, 395}, 160, 12, 0.85F);
  Cloud(image, {150, 335}, 230, 11);
  Island(image);
  // The ship climbing with a vapour trail, a shot on its way to a molecule.
  for (int i = 0; i < 8; ++i) {
    const float t = static_cast<float>(i);
    Fill(image, Circle({92 - t * 12, 288 + t * 3}, 6 - t * 0.5F), Hex(0xFFFFFF, 0.6F - t * 0.07F));
  }
  image.Draw(ShipRight(3), 90, 240);
  image.Draw(Shot(true, 2), 225, 272);
  image.Draw(Shot(false, 2), 300, 272);
  image.Draw(MoleculeLetters(Molecule::Co2, true, 2), 560, 215);
  image.Draw(MoleculeLetters(Molecule::Ch4, true, 2), 420, 262);
  image.Draw(MoleculeLetters(Molecule::Cfc, true, 1.5F), 690, 196);
  Letter(image, {{"Skyscrub", Face::SansBoldItalic, 150, 0}}, 400, 12, Headline(Hex(0xFFFFFF), Hex(0xCBE6FF), 50, 180, Hex(0x0E2E66)));
  Letter(image, {{"Clean the air. Save the Earth.", Face::NarrowBold, 30, 0}}, 400, 192, Caption(Hex(0xFFFFFF)));
  return image;
}

}  // namespace assetgen
