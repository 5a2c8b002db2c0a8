#include "assets/generator/paint.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

// Runs `per_pixel(x, y, centreX, centreY)` over the pixels of `box` that lie in the picture.
template <typename F>
void ForPixels(const Image& image, Box box, F per_pixel) {
  const int x0 = std::max(0, static_cast<int>(std::floor(box.left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(box.top)));
  const int x1 = std::min(image.Width() - 1, static_cast<int>(std::ceil(box.right)));
  const int y1 = std::min(image.Height() - 1, static_cast<int>(std::ceil(box.bottom)));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) per_pixel(x, y, static_cast<float>(x) + 0.5F, static_cast<float>(y) + 0.5F);
}

}  // namespace

Paint Flat(Color c) {
  return [c](float, float) { return c; };
}

Paint Vertical(float top, Color atTop, float bottom, Color atBottom) {
  return [=](float, float y) { return Mix(atTop, atBottom, std::clamp((y - top) / (bottom - top), 0.0F, 1.0F)); };
}

Paint Radial(Point c, float radius, Color inside, Color outside) {
  return [=](float x, float y) {
    return Mix(inside, outside, std::clamp(std::hypot(x - c.x, y - c.y) / radius, 0.0F, 1.0F));
  };
}

Paint Lit(Color base, Point light, float radius, float highlight, float shade) {
  return [=](float x, float y) {
    const float t = std::clamp(std::hypot(x - light.x, y - light.y) / radius, 0.0F, 1.0F);
    const float brightness = 1 + highlight * (1 - t) * (1 - t) - shade * t * t;
    return Color{std::min(1.0F, base.r * brightness), std::min(1.0F, base.g * brightness),
                 std::min(1.0F, base.b * brightness), base.a};
  };
}

void Fill(Image& image, const Shape& shape, const Paint& paint) {
  ForPixels(image, shape.bounds, [&](int x, int y, float cx, float cy) {
    const float coverage = std::clamp(0.5F - shape.distance(cx, cy), 0.0F, 1.0F);
    if (coverage > 0) image.Blend(x, y, paint(cx, cy), coverage);
  });
}

void Fill(Image& image, const Shape& shape, Color c) { Fill(image, shape, Flat(c)); }

void Glow(Image& image, const Shape& shape, float reach, Color c) {
  ForPixels(image, Grow(shape.bounds, reach), [&](int x, int y, float cx, float cy) {
    const float d = shape.distance(cx, cy);
    if (d <= -0.5F || d >= reach) return;
    const float t = 1 - std::max(d, 0.0F) / reach;
    image.Blend(x, y, c, t * t);
  });
}

void Cover(Image& image, const Paint& paint) {
  ForPixels(image, {0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height())},
            [&](int x, int y, float cx, float cy) { image.Set(x, y, paint(cx, cy)); });
}

}  // namespace assetgen
