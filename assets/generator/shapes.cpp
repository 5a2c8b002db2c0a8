#include "assets/generator/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

Box Union(Box a, Box b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Box Grow(Box b, float by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

Shape Circle(Point c, float r) {
  return {[=](float x, float y) { return std::hypot(x - c.x, y - c.y) - r; }, Grow({c.x, c.y, c.x, c.y}, r + 1)};
}

Shape Ellipse(Point c, float rx, float ry) {
  // Distance in the stretched space, scaled back by the gradient length: close enough near the edge.
  return {[=](float x, float y) {
            const float dx = (x - c.x) / rx, dy = (y - c.y) / ry;
            const float k = std::hypot(dx, dy);
            const float gradient = std::hypot(dx / rx, dy / ry);
            return k < 1e-6F ? -std::min(rx, ry) : k * (k - 1) / std::max(gradient, 1e-6F);
          },
          {c.x - rx - 1, c.y - ry - 1, c.x + rx + 1, c.y + ry + 1}};
}

Shape RoundedRect(Box b, float r) {
  const float cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
  const float hx = (b.right - b.left) / 2 - r, hy = (b.bottom - b.top) / 2 - r;
  return {[=](float x, float y) {
            const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
            return std::hypot(std::max(qx, 0.0F), std::max(qy, 0.0F)) + std::min(std::max(qx, qy), 0.0F) - r;
          },
          Grow(b, 1)};
}

Shape Segment(Point a, Point b, float w) {
  return {[=](float x, float y) {
            const float px = x - a.x, py = y - a.y, bx = b.x - a.x, by = b.y - a.y;
            const float len2 = bx * bx + by * by;
            const float h = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0F, 1.0F) : 0;
            return std::hypot(px - bx * h, py - by * h) - w;
          },
          Grow(Union({a.x, a.y, a.x, a.y}, {b.x, b.y, b.x, b.y}), w + 1)};
}

Shape Polygon(std::vector<Point> v) {
  Box box{v[0].x, v[0].y, v[0].x, v[0].y};
  for (const Point& p : v) box = Union(box, {p.x, p.y, p.x, p.y});
  return {[v = std::move(v)](float x, float y) {
            float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
            bool inside = false;
            for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
              const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
              const float wx = x - v[i].x, wy = y - v[i].y;
              const float h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0F, 1.0F);
              const float bx = wx - ex * h, by = wy - ey * h;
              d = std::min(d, bx * bx + by * by);
              if ((v[i].y > y) != (v[j].y > y) && x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
            }
            return (inside ? -1.0F : 1.0F) * std::sqrt(d);
          },
          Grow(box, 1)};
}

Shape Star(Point c, int points, float outer, float inner, float turn) {
  std::vector<Point> corners;
  for (int i = 0; i < points * 2; ++i) {
    const float angle = turn + static_cast<float>(i) * std::numbers::pi_v<float> / static_cast<float>(points);
    const float r = i % 2 == 0 ? outer : inner;
    corners.push_back({c.x + r * std::sin(angle), c.y - r * std::cos(angle)});
  }
  return Polygon(std::move(corners));
}

Shape Join(const Shape& a, const Shape& b) {
  return {[fa = a.distance, fb = b.distance](float x, float y) { return std::min(fa(x, y), fb(x, y)); },
          Union(a.bounds, b.bounds)};
}

Shape Join(const std::vector<Shape>& shapes) {
  Shape all = shapes.front();
  for (std::size_t i = 1; i < shapes.size(); ++i) all = Join(all, shapes[i]);
  return all;
}

Shape Cut(const Shape& a, const Shape& b) {
  return {[fa = a.distance, fb = b.distance](float x, float y) { return std::max(fa(x, y), -fb(x, y)); }, a.bounds};
}

Shape Overlap(const Shape& a, const Shape& b) {
  const Box box{std::max(a.bounds.left, b.bounds.left), std::max(a.bounds.top, b.bounds.top),
                std::min(a.bounds.right, b.bounds.right), std::min(a.bounds.bottom, b.bounds.bottom)};
  return {[fa = a.distance, fb = b.distance](float x, float y) { return std::max(fa(x, y), fb(x, y)); }, box};
}

Shape Outline(const Shape& s, float w) {
  return {[f = s.distance, w](float x, float y) { return std::abs(f(x, y)) - w; }, Grow(s.bounds, w)};
}

Shape Inflate(const Shape& s, float by) {
  return {[f = s.distance, by](float x, float y) { return f(x, y) - by; }, Grow(s.bounds, std::max(by, 0.0F))};
}

}  // namespace assetgen
