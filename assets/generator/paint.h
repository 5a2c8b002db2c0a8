#pragma once
// Painting shapes and masks into pictures: flat colours, gradients and soft glows.
#include <functional>

#include "assets/generator/image.h"
#include "assets/generator/shapes.h"

namespace assetgen {

using Paint = std::function<Color(float x, float y)>;

Paint Flat(Color c);
Paint Vertical(float top, Color atTop, float bottom, Color atBottom);  // linear gradient
Paint Radial(Point centre, float radius, Color inside, Color outside);
Paint Lit(Color base, Point light, float radius, float highlight, float shade);  // a ball lit from `light`

// Paints the inside of `shape` (antialiased over one pixel).
void Fill(Image& image, const Shape& shape, const Paint& paint);
void Fill(Image& image, const Shape& shape, Color c);
// Paints a soft halo outside `shape`, fading over `reach` pixels.
void Glow(Image& image, const Shape& shape, float reach, Color c);
// Paints every pixel with `paint` (backgrounds).
void Cover(Image& image, const Paint& paint);

}  // namespace assetgen
