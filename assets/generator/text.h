#pragma once
// Lettering with the Liberation fonts: text is rendered to a coverage mask, then painted
// with any colour or gradient, with optional outline and shadow.
#include <string>
#include <vector>

#include "assets/generator/paint.h"

namespace assetgen {

enum class Face { Sans, SansBold, SansBoldItalic, Narrow, NarrowBold };

// One piece of a line of text; `rise` moves it up (positive) or down (negative) from the baseline,
// as a fraction of the size, for subscripts.
struct Run {
  std::string text;
  Face face = Face::Sans;
  float size = 12;  // pixels per em
  float rise = 0;
};

// Coverage 0..1 per pixel.
struct Mask {
  int width = 0, height = 0;
  std::vector<float> coverage;
  float At(int x, int y) const;
};

Mask TextMask(const std::vector<Run>& runs);
Mask TextMask(const std::string& text, Face face, float size);
Mask Dilated(const Mask& mask, float radius);  // grown by `radius` pixels, with soft edges
Mask Blurred(const Mask& mask, int radius);    // box blur, the mask grows by `radius`

// Paints `mask` with its top-left corner at (left, top).
void Stamp(Image& image, const Mask& mask, int left, int top, const Paint& paint);

struct TextStyle {
  Paint fill = Flat(Hex(0xFFFFFF));
  Color outline{0, 0, 0, 0};
  float outlineWidth = 0;
  Color shadow{0, 0, 0, 0};
  int shadowOffset = 0;
  int shadowBlur = 0;
};
enum class Align { Left, Centre };
// Draws text starting at (or centred on) `x` with the top of its box at `top`; returns the mask's width.
int Letter(Image& image, const std::vector<Run>& runs, float x, int top, const TextStyle& style, Align align = Align::Centre);

// Frees the fonts opened by the lettering (call before TTF_Quit).
void CloseFonts();

}  // namespace assetgen
