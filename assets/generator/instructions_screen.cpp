// The instructions picture: the keys and what they do, then the four objectives, each with
// the sprites it is about. The lower right stays plain for the white "Start" label.
#include <cmath>
#include <string>
#include <vector>

#include "assets/generator/scenery.h"
#include "assets/generator/screen_text.h"
#include "assets/generator/screens.h"
#include "assets/generator/sprites.h"

namespace assetgen {
namespace {

enum class KeyMark { Left, Up, Right, Z };

// A keyboard key seen from the front: a light cap on a darker base.
void Key(Image& image, float left, float top, KeyMark mark) {
  constexpr float kSize = 62;
  Fill(image, RoundedRect({left + 2, top + 6, left + kSize + 2, top + kSize + 6}, 10), Hex(0x000000, 0.35F));
  Fill(image, RoundedRect({left, top, left + kSize, top + kSize}, 10), Vertical(top, Hex(0xB7BFCB), top + kSize, Hex(0x7C8694)));
  Fill(image, RoundedRect({left + 5, top + 3, left + kSize - 5, top + kSize - 10}, 8),
       Vertical(top, Hex(0xFFFFFF), top + kSize, Hex(0xD4DAE2)));
  const float cx = left + kSize / 2, cy = top + kSize / 2 - 4;
  const Color ink = Hex(0x26303E);
  if (mark == KeyMark::Z) {
    TextStyle style;
    style.fill = Flat(ink);
    Letter(image, {{"Z", Face::SansBold, 34, 0}}, cx, static_cast<int>(cy - 20), style);
    return;
  }
  // An arrow pointing up, turned for the other keys.
  const float turn = mark == KeyMark::Up ? 0 : (mark == KeyMark::Left ? -1.5707964F : 1.5707964F);
  const auto P = [&](float x, float y) {
    return Point{cx + x * std::cos(turn) - y * std::sin(turn), cy + x * std::sin(turn) + y * std::cos(turn)};
  };
  Fill(image, Polygon({P(0, -16), P(13, -1), P(5, -1), P(5, 15), P(-5, 15), P(-5, -1), P(-13, -1)}), ink);
}

void Thermometer(Image& image, float cx, float top) {
  const Color rim = Hex(0x1A2430);
  const Shape tube = RoundedRect({cx - 6, top, cx + 6, top + 44}, 6);
  const Shape bulb = Circle({cx, top + 46}, 10);
  Fill(image, Inflate(Join(tube, bulb), 2), rim);
  Fill(image, Join(tube, bulb), Hex(0xF4F7FA));
  Fill(image, Join(RoundedRect({cx - 3, top + 5, cx + 3, top + 44}, 3), Circle({cx, top + 46}, 7)),
       Vertical(top, Hex(0xFF6A3A), top + 52, Hex(0xD01010)));
  for (int i = 0; i < 5; ++i) {
    const float y = top + 8 + static_cast<float>(i) * 7;
    Fill(image, Segment({cx + 8, y}, {cx + 13, y}, 0.8F), Hex(0xFFFFFF, 0.9F));
  }
  // Heat waves rising beside it.
  for (float dx : {-24.0F, 24.0F})
    for (int i = 0; i < 6; ++i) {
      const float y0 = top + 4 + static_cast<float>(i) * 7;
      Fill(image, Segment({cx + dx + 3 * std::sin(static_cast<float>(i)), y0}, {cx + dx + 3 * std::sin(static_cast<float>(i + 1)), y0 + 7}, 1.4F),
           Hex(0xFF8A3A, 0.85F));
    }
}

std::vector<Run> Body(const std::string& text) { return {{text, Face::Sans, 26, 0}}; }

// Text with chemical formulas: the digit after a formula's letters is set as a subscript.
std::vector<Run> Formula(std::vector<std::pair<std::string, bool>> pieces) {
  std::vector<Run> runs;
  for (const auto& [text, subscript] : pieces)
    runs.push_back(subscript ? Run{text, Face::Sans, 17, -0.22F} : Run{text, Face::Sans, 26, 0});
  return runs;
}

}  // namespace

Image InstructionsScreen() {
  Image image(800, 600);
  Cover(image, Vertical(0, Hex(0x3079CC), 600, Hex(0x102F66)));
  Cloud(image, {110, 120}, 170, 31, 0.16F);
  Cloud(image, {700, 110}, 190, 32, 0.14F);
  Cloud(image, {640, 300}, 150, 33, 0.1F);
  Letter(image, {{"How to Play", Face::SansBold, 48, 0}}, 400, 16, Headline(Hex(0xFFFFFF), Hex(0xCFE6FF), 25, 70, Hex(0x0B2350)));

  // Controls.
  Key(image, 169, 92, KeyMark::Up);
  Key(image, 99, 162, KeyMark::Left);
  Key(image, 239, 162, KeyMark::Right);
  Key(image, 419, 162, KeyMark::Z);
  const TextStyle label = Caption(Hex(0xFFE66B));
  Letter(image, {{"Move", Face::SansBold, 30, 0}}, 200, 236, label);
  Letter(image, {{"Shoot", Face::SansBold, 30, 0}}, 450, 236, label);
  image.Draw(ShipRight(2), 520, 150);
  image.Draw(Shot(true, 2), 596, 166);
  image.Draw(Shot(false, 2), 640, 166);
  image.Draw(MoleculeLetters(Molecule::Co2, true, 2), 690, 150);
  Fill(image, RoundedRect({60, 288, 740, 290}, 1), Hex(0xFFFFFF, 0.3F));

  // Objectives, one a row: sprites on the left, the words beside them.
  const TextStyle words = Caption(Hex(0xFFFFFF));
  constexpr float kText = 170;
  image.Draw(MoleculeLetters(Molecule::Ultraviolet, true, 1.5F), 68, 306);
  Letter(image, Body("Avoid UV radiation"), kText, 314, words, Align::Left);
  image.Draw(MoleculeLetters(Molecule::Co2, true, 1.5F), 36, 368);
  image.Draw(MoleculeLetters(Molecule::Ch4, true, 1.5F), 96, 368);
  Letter(image, Formula({{"Destroy the greenhouse gases CO", false}, {"2", true}, {" and CH", false}, {"4", true}}), kText, 376, words,
         Align::Left);
  image.Draw(MoleculeLetters(Molecule::Ozone, true, 1.5F), 36, 430);
  image.Draw(MoleculeLetters(Molecule::Cfc, true, 1.5F), 96, 430);
  Letter(image, Formula({{"Protect the ozone layer (O", false}, {"3", true}, {") from CFCs", false}}), kText, 438, words, Align::Left);
  Thermometer(image, 92, 488);
  Letter(image, Body("Don't let it get too hot!"), kText, 500, words, Align::Left);
  return image;
}

}  // namespace assetgen
