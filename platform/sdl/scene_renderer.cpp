#include "platform/sdl/scene_renderer.h"

#include <SDL2_gfxPrimitives.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace skyscrub::sdl {

namespace {

constexpr Rgb kPlaceholder{255, 0, 200};

SDL_FRect BoxOf(const Element& e, SDL_FPoint origin) { return {origin.x + e.Left, origin.y + e.Top, e.Width, e.Height}; }

int Round(float v) { return static_cast<int>(std::lround(v)); }

// The whole pixels a box covers, as the toolkit rounds positions and sizes.
SDL_Rect Pixels(SDL_FRect box) { return {Round(box.x), Round(box.y), Round(box.w), Round(box.h)}; }

// Calls `draw` for each visible element of a front-to-back list, the backmost first.
template <typename Draw>
void BackToFront(const std::vector<Element*>& frontToBack, Draw draw) {
  for (auto e = frontToBack.rbegin(); e != frontToBack.rend(); ++e) {
    if ((*e)->Visible) draw(**e);
  }
}

}  // namespace

void SceneRenderer::SetColour(Colour colour) {
  const Rgb rgb = ToRgb(colour);
  SDL_SetRenderDrawColor(renderer_, rgb.r, rgb.g, rgb.b, 255);
}

bool SceneRenderer::CoversWindow(const Image* image, SDL_FPoint box) const {
  if (image == nullptr || image->art == Art::None || art_.Texture(image->art) == nullptr) return false;
  if (!art_.Opaque(image->art)) return false;
  int width = 0, height = 0;
  if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return false;
  const SDL_FPoint size = art_.NaturalSize(image->art);
  const SDL_FPoint window{static_cast<float>(width), static_cast<float>(height)};
  return std::min(size.x, box.x) >= window.x && std::min(size.y, box.y) >= window.y;
}

void SceneRenderer::Draw(const Scene& scene) {
  SDL_RenderSetClipRect(renderer_, nullptr);
  // The background colour only shows where the canvas picture leaves the window uncovered.
  if (!CoversWindow(scene.Form1.picture, {scene.Form1.Width, scene.Form1.Height})) {
    SetColour(scene.Form1.BackColor);
    SDL_RenderClear(renderer_);
  }
  DrawImage(scene.Form1.picture, {0, 0, scene.Form1.Width, scene.Form1.Height}, false);
  BackToFront(scene.FrontToBack(), [this](const Element& e) {
    if (e.kind == ElementKind::Panel) {
      DrawPanel(static_cast<const Panel&>(e));
    } else {
      DrawElement(e, {0, 0});
    }
  });
}

void SceneRenderer::DrawPanel(const Panel& panel) {
  const SDL_FRect box = BoxOf(panel, {0, 0});
  const SDL_Rect clip = Pixels(box);
  if (clip.w <= 0 || clip.h <= 0) return;
  SDL_RenderSetClipRect(renderer_, &clip);
  if (panel.hasBackColor) {
    SetColour(panel.BackColor);
    SDL_RenderFillRect(renderer_, &clip);
  }
  DrawImage(panel.picture, box, false);
  BackToFront(panel.children, [this, &box](const Element& child) { DrawElement(child, {box.x, box.y}); });
  SDL_RenderSetClipRect(renderer_, nullptr);
}

void SceneRenderer::DrawElement(const Element& element, SDL_FPoint origin) {
  const SDL_FRect box = BoxOf(element, origin);
  switch (element.kind) {
    case ElementKind::Picture:
      DrawPicture(static_cast<const Picture&>(element), box);
      break;
    case ElementKind::Label:
      DrawLabel(static_cast<const Label&>(element), box);
      break;
    case ElementKind::Bar:
      DrawBar(static_cast<const Bar&>(element), box);
      break;
    case ElementKind::Panel:
      break;  // panels hold no panels
  }
}

void SceneRenderer::DrawPicture(const Picture& picture, SDL_FRect box) { DrawImage(picture.picture, box, picture.Stretch); }

void SceneRenderer::DrawImage(const Image* image, SDL_FRect box, bool stretch) {
  if (image == nullptr || image->art == Art::None) return;
  const SDL_FPoint size = art_.NaturalSize(image->art);
  SDL_Texture* texture = art_.Texture(image->art);
  if (texture != nullptr) {
    if (stretch) {
      SDL_RenderCopyF(renderer_, texture, nullptr, &box);
    } else {
      DrawCropped(texture, {box.x, box.y, size.x, size.y}, box);
    }
    return;
  }
  const SDL_FRect outline =
      stretch ? box : SDL_FRect{box.x, box.y, std::min(size.x, box.w), std::min(size.y, box.h)};
  SDL_SetRenderDrawColor(renderer_, kPlaceholder.r, kPlaceholder.g, kPlaceholder.b, 255);
  SDL_RenderDrawRectF(renderer_, &outline);
}

void SceneRenderer::DrawCropped(SDL_Texture* texture, SDL_FRect at, SDL_FRect box) {
  const float left = std::max(at.x, box.x), top = std::max(at.y, box.y);
  const float right = std::min(at.x + at.w, box.x + box.w), bottom = std::min(at.y + at.h, box.y + box.h);
  const SDL_Rect source{Round(left - at.x), Round(top - at.y), Round(right - left), Round(bottom - top)};
  if (source.w <= 0 || source.h <= 0) return;
  const SDL_FRect target{left, top, static_cast<float>(source.w), static_cast<float>(source.h)};
  SDL_RenderCopyF(renderer_, texture, &source, &target);
}

void SceneRenderer::DrawLabel(const Label& label, SDL_FRect box) {
  const TextTexture text = texts_.For(label);
  if (text.texture == nullptr) return;
  const float width = static_cast<float>(text.width);
  const float left = label.alignment == Alignment::Centre ? box.x + (box.w - width) / 2 : box.x;
  // The text is not cut at the label's own box: the substituted faces run a pixel or two
  // wider than the designed captions, and a clipped letter reads worse than a wider label.
  const SDL_FRect at{left, box.y, width, static_cast<float>(text.height)};
  SDL_RenderCopyF(renderer_, text.texture, nullptr, &at);
}

void SceneRenderer::DrawBar(const Bar& bar, SDL_FRect box) {
  const SDL_Rect pixels = Pixels(box);
  if (pixels.w <= 0 || pixels.h <= 0) return;  // a bar shrunk to nothing is not drawn
  const Rgb rgb = ToRgb(bar.BackColor);
  switch (bar.shape) {
    case BarShape::Rectangle:
      SetColour(bar.BackColor);
      SDL_RenderFillRectF(renderer_, &box);
      break;
    case BarShape::Circle: {
      const int rx = (pixels.w - 1) / 2, ry = (pixels.h - 1) / 2;
      filledEllipseRGBA(renderer_, static_cast<Sint16>(pixels.x + rx), static_cast<Sint16>(pixels.y + ry),
                        static_cast<Sint16>(rx), static_cast<Sint16>(ry), rgb.r, rgb.g, rgb.b, 255);
      break;
    }
    case BarShape::RoundedRectangle: {
      const int radius = std::min(pixels.w, pixels.h) / 2;
      roundedBoxRGBA(renderer_, static_cast<Sint16>(pixels.x), static_cast<Sint16>(pixels.y),
                     static_cast<Sint16>(pixels.x + pixels.w - 1), static_cast<Sint16>(pixels.y + pixels.h - 1),
                     static_cast<Sint16>(radius), rgb.r, rgb.g, rgb.b, 255);
      break;
    }
  }
}

}  // namespace skyscrub::sdl
