#include "platform/sdl_common/scene_renderer.h"

#include <SDL2_gfxPrimitives.h>

#include <algorithm>
#include <cmath>

namespace skyscrub::sdl {

namespace {

constexpr Rgb kPlaceholder{255, 0, 200};
constexpr SDL_Rect kNothing{0, 0, 0, 0};

SDL_FRect BoxOf(const Element& e, SDL_FPoint origin) { return {origin.x + e.Left, origin.y + e.Top, e.Width, e.Height}; }

int Round(float v) { return static_cast<int>(std::lround(v)); }

// The whole pixels a box covers, as the toolkit rounds positions and sizes.
SDL_Rect Pixels(SDL_FRect box) { return {Round(box.x), Round(box.y), Round(box.w), Round(box.h)}; }

// Every pixel a box can touch however a renderer rounds or truncates its corners, with a
// pixel to spare on each side.
SDL_Rect Touched(SDL_FRect box) {
  if (!(box.w > 0 && box.h > 0)) return kNothing;
  const int left = static_cast<int>(std::floor(box.x)) - 1, top = static_cast<int>(std::floor(box.y)) - 1;
  const int right = static_cast<int>(std::ceil(box.x + box.w)) + 1;
  const int bottom = static_cast<int>(std::ceil(box.y + box.h)) + 1;
  return {left, top, right - left, bottom - top};
}

// Where a picture goes in its box: scaled to fill it, or at its natural size from the box's
// corner, cropped to the box.
SDL_FRect ImageBox(Art art, SDL_FRect box, bool stretch) {
  if (stretch) return box;
  const SDL_FPoint size = ArtTextures::NaturalSize(art);
  return {box.x, box.y, std::min(size.x, box.w), std::min(size.y, box.h)};
}

// A bar whose box rounds to no pixels is not drawn.
bool ShrunkToNothing(SDL_Rect pixels) { return pixels.w <= 0 || pixels.h <= 0; }

bool Contains(const SDL_Rect& outer, const SDL_Rect& inner) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h && outer.w > 0 && outer.h > 0;
}

SDL_Rect Within(SDL_Rect area, SDL_Rect clip) {
  SDL_Rect inside{};
  return SDL_IntersectRect(&area, &clip, &inside) ? inside : kNothing;
}

}  // namespace

SDL_Rect SceneRenderer::Window() const {
  int width = 0, height = 0;
  if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return kNothing;
  return {0, 0, width, height};
}

std::vector<Footprint> SceneRenderer::Footprints(const Scene& scene) {
  const SDL_Rect window = Window();
  std::vector<Footprint> list;
  // The canvas covers the window: with its picture, or else with its colour.
  list.push_back({nullptr, {0, 0}, window, window, window, LookOf(scene.Form1), false});
  const auto& elements = scene.FrontToBack();
  // Whatever lies behind a panel that hides the whole window draws nothing (the canvas too):
  // its pictures need not be decoded nor its captions rendered. When that panel goes, its own
  // footprint redraws all it covered.
  const auto hider = std::find_if(elements.begin(), elements.end(), [&](const Element* e) { return HidesWindow(*e, window); });
  const auto shownFrom = static_cast<std::size_t>(hider - elements.begin());  // front-to-back index
  if (hider != elements.end()) list.front().area = list.front().covers = kNothing;
  for (std::size_t i = elements.size(); i-- > 0;) {
    const Element& e = *elements[i];
    const bool shown = e.Visible && i <= shownFrom;
    AddFootprint(list, e, {0, 0}, window, shown);
    if (e.kind != ElementKind::Panel) continue;
    const auto& panel = static_cast<const Panel&>(e);
    const SDL_FRect box = BoxOf(panel, {0, 0});
    const SDL_Rect inside = Within(Pixels(box), window);
    for (auto child = panel.children.rbegin(); child != panel.children.rend(); ++child) {
      AddFootprint(list, **child, {box.x, box.y}, inside, shown && (*child)->Visible);
    }
  }
  return list;
}

void SceneRenderer::AddFootprint(std::vector<Footprint>& list, const Element& element, SDL_FPoint origin,
                                 SDL_Rect clip, bool shown) {
  Footprint footprint{&element, origin, clip, kNothing, kNothing, 0, false};
  if (shown) {
    footprint.area = Within(AreaOf(element, origin), clip);
    footprint.covers = Within(CoveredBy(element, origin), clip);
    footprint.look = LookOf(element, origin);
    footprint.inOnePiece = element.kind == ElementKind::Picture && Scaled(static_cast<const Picture&>(element));
  }
  list.push_back(footprint);
}

SDL_Rect SceneRenderer::AreaOf(const Element& element, SDL_FPoint origin) {
  const SDL_FRect box = BoxOf(element, origin);
  switch (element.kind) {
    case ElementKind::Picture: {
      const auto& picture = static_cast<const Picture&>(element);
      return ImageArea(picture.picture, box, picture.Stretch);
    }
    case ElementKind::Panel:
      return Touched(box);
    case ElementKind::Label: {
      const auto& label = static_cast<const Label&>(element);
      const TextTexture text = texts_.For(label);
      return text.texture == nullptr ? kNothing : Touched(TextBox(label, box, text));
    }
    case ElementKind::Bar:
      return ShrunkToNothing(Pixels(box)) ? kNothing : Touched(box);
  }
  return kNothing;
}

bool SceneRenderer::HidesWindow(const Element& element, SDL_Rect window) const {
  return element.Visible && Contains(CoveredBy(element, {0, 0}), window);
}

SDL_Rect SceneRenderer::CoveredBy(const Element& element, SDL_FPoint origin) const {
  if (element.kind != ElementKind::Panel || !static_cast<const Panel&>(element).hasBackColor) return kNothing;
  return Pixels(BoxOf(element, origin));
}

SDL_Rect SceneRenderer::ImageArea(const Image* image, SDL_FRect box, bool stretch) const {
  if (image == nullptr || image->art == Art::None) return kNothing;
  return Touched(ImageBox(image->art, box, stretch));
}

bool SceneRenderer::Scaled(const Picture& picture) const {
  if (!picture.Stretch || picture.picture == nullptr || picture.picture->art == Art::None) return false;
  const SDL_FPoint size = art_.NaturalSize(picture.picture->art);
  return size.x != picture.Width || size.y != picture.Height;
}

SDL_FRect SceneRenderer::TextBox(const Label& label, SDL_FRect box, const TextTexture& text) const {
  const float width = static_cast<float>(text.width);
  const float left = label.alignment == Alignment::Centre ? box.x + (box.w - width) / 2 : box.x;
  // The text is not cut at the label's own box: the substituted faces run a pixel or two
  // wider than the designed captions, and a clipped letter reads worse than a wider label.
  return {left, box.y, width, static_cast<float>(text.height)};
}

void SceneRenderer::Draw(const Scene& scene) { Draw(scene, Footprints(scene), Window()); }

void SceneRenderer::Draw(const Scene& scene, const std::vector<Footprint>& drawn, SDL_Rect clip) {
  // Nothing behind the frontmost footprint that hides all of `clip` can show: drawing starts there.
  auto first = drawn.end();
  while (first != drawn.begin() && !Contains((first - 1)->covers, clip)) --first;
  if (first != drawn.begin()) --first;
  for (auto f = first; f != drawn.end(); ++f) {
    if (!SDL_HasIntersection(&f->area, &clip)) continue;
    const SDL_Rect inside = Within(f->clip, clip);
    SDL_RenderSetClipRect(renderer_, &inside);
    if (f->element == nullptr) {
      DrawCanvas(scene.Form1);
    } else if (f->element->kind == ElementKind::Panel) {
      DrawPanelBack(static_cast<const Panel&>(*f->element));
    } else {
      DrawElement(*f->element, f->origin);
    }
  }
  SDL_RenderSetClipRect(renderer_, nullptr);
}

void SceneRenderer::SetColour(Colour colour) {
  const Rgb rgb = ToRgb(colour);
  SDL_SetRenderDrawColor(renderer_, rgb.r, rgb.g, rgb.b, 255);
}

bool SceneRenderer::CoversWindow(const Image* image, SDL_FPoint box) const {
  if (image == nullptr || image->art == Art::None || art_.Texture(image->art) == nullptr) return false;
  if (!art_.Opaque(image->art)) return false;
  const SDL_Rect window = Window();
  const SDL_FPoint size = art_.NaturalSize(image->art);
  return std::min(size.x, box.x) >= static_cast<float>(window.w) &&
         std::min(size.y, box.y) >= static_cast<float>(window.h);
}

void SceneRenderer::DrawCanvas(const Canvas& canvas) {
  // The background colour only shows where the canvas picture leaves the window uncovered.
  if (!CoversWindow(canvas.picture, {canvas.Width, canvas.Height})) {
    SetColour(canvas.BackColor);
    SDL_RenderFillRect(renderer_, nullptr);
  }
  DrawImage(canvas.picture, {0, 0, canvas.Width, canvas.Height}, false);
}

void SceneRenderer::DrawPanelBack(const Panel& panel) {
  const SDL_FRect box = BoxOf(panel, {0, 0});
  if (panel.hasBackColor) {
    const SDL_Rect pixels = Pixels(box);
    SetColour(panel.BackColor);
    SDL_RenderFillRect(renderer_, &pixels);
  }
  DrawImage(panel.picture, box, false);
}

void SceneRenderer::DrawElement(const Element& element, SDL_FPoint origin) {
  const SDL_FRect box = BoxOf(element, origin);
  switch (element.kind) {
    case ElementKind::Picture: {
      const auto& picture = static_cast<const Picture&>(element);
      DrawImage(picture.picture, box, picture.Stretch);
      break;
    }
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

void SceneRenderer::DrawImage(const Image* image, SDL_FRect box, bool stretch) {
  if (image == nullptr || image->art == Art::None) return;
  const SDL_FRect shown = ImageBox(image->art, box, stretch);
  SDL_Texture* texture = art_.Texture(image->art);
  if (texture == nullptr) {
    SDL_SetRenderDrawColor(renderer_, kPlaceholder.r, kPlaceholder.g, kPlaceholder.b, 255);
    SDL_RenderDrawRectF(renderer_, &shown);
  } else if (stretch) {
    SDL_RenderCopyF(renderer_, texture, nullptr, &box);
  } else if (shown.w > 0 && shown.h > 0) {
    const SDL_Rect source{0, 0, Round(shown.w), Round(shown.h)};
    SDL_RenderCopyF(renderer_, texture, &source, &shown);
  }
}

void SceneRenderer::DrawLabel(const Label& label, SDL_FRect box) {
  const TextTexture text = texts_.For(label);
  if (text.texture == nullptr) return;
  const SDL_FRect at = TextBox(label, box, text);
  SDL_RenderCopyF(renderer_, text.texture, nullptr, &at);
}

void SceneRenderer::DrawBar(const Bar& bar, SDL_FRect box) {
  const SDL_Rect pixels = Pixels(box);
  if (ShrunkToNothing(pixels)) return;
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
