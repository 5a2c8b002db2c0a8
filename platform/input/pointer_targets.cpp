#include "platform/input/pointer_targets.h"

namespace skyscrub::input {

namespace {

bool Contains(const Element& e, float x, float y) {
  return e.Visible && x >= e.Left && y >= e.Top && x < e.Left + e.Width && y < e.Top + e.Height;
}

const Element* TopLevelAt(const Scene& scene, float x, float y) {
  for (const Element* e : scene.FrontToBack()) {
    if (Contains(*e, x, y)) return e;
  }
  return nullptr;
}

}  // namespace

const Element* ElementAt(const Scene& scene, float x, float y) {
  const Element* hit = TopLevelAt(scene, x, y);
  if (hit == nullptr || hit->kind != ElementKind::Panel) return hit;
  const auto& panel = static_cast<const Panel&>(*hit);
  for (const Element* child : panel.children) {
    if (Contains(*child, x - panel.Left, y - panel.Top)) return child;
  }
  return hit;
}

Cursor CursorAt(const Scene& scene, float x, float y) {
  const Element* hit = TopLevelAt(scene, x, y);
  if (hit == nullptr || hit->kind != ElementKind::Panel) return Cursor::Invisible;
  return static_cast<const Panel&>(*hit).cursor;
}

}  // namespace skyscrub::input
