#pragma once
// Shapes as signed distance functions (negative inside, in pixels), so every edge is
// antialiased the same way and outlines, glows and unions come for free.
#include <functional>
#include <vector>

namespace assetgen {

struct Point {
  float x = 0, y = 0;
};

struct Box {
  float left = 0, top = 0, right = 0, bottom = 0;
};
Box Union(Box a, Box b);
Box Grow(Box b, float by);

struct Shape {
  std::function<float(float, float)> distance;
  Box bounds;  // the shape lies inside; painting is limited to it
};

Shape Circle(Point centre, float radius);
Shape Ellipse(Point centre, float radiusX, float radiusY);
Shape RoundedRect(Box box, float radius);
Shape Segment(Point a, Point b, float halfWidth);  // a line with round ends
Shape Polygon(std::vector<Point> corners);
Shape Star(Point centre, int points, float outer, float inner, float turn);  // turn in radians

Shape Join(const Shape& a, const Shape& b);        // union
Shape Cut(const Shape& a, const Shape& b);         // a without b
Shape Overlap(const Shape& a, const Shape& b);     // intersection
Shape Join(const std::vector<Shape>& shapes);
Shape Outline(const Shape& shape, float halfWidth);  // a band along the edge
Shape Inflate(const Shape& shape, float by);       // grows (or with a negative value shrinks) the shape

}  // namespace assetgen
