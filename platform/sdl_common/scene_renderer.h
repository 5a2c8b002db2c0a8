#pragma once
// Draws the game window's scene: the canvas, then every visible element back to front, each
// panel's children inside it and clipped to it -- the whole window, or only the pixels of it
// that changed.
#include <SDL.h>

#include <vector>

#include "game/scene/scene.h"
#include "platform/sdl_common/art_textures.h"
#include "platform/sdl_common/footprint.h"
#include "platform/sdl_common/label_texts.h"

namespace skyscrub::sdl {

class SceneRenderer {
 public:
  // Pictures decoded early are taken from `early` (when given).
  explicit SceneRenderer(SDL_Renderer* renderer, EarlyDecoding* early = nullptr)
      : renderer_(renderer), art_(renderer, early), texts_(renderer) {}

  // Everything the scene may draw, back to front, hidden elements included (with nothing to
  // draw), so that two frames' lists match item by item.
  std::vector<Footprint> Footprints(const Scene& scene);
  // Draws again, into the renderer's target, the pixels inside `clip` of the scene whose
  // footprints are `drawn` (the caller presents them).
  void Draw(const Scene& scene, const std::vector<Footprint>& drawn, SDL_Rect clip);
  // Draws the whole scene.
  void Draw(const Scene& scene);
  // The renderer's whole target.
  SDL_Rect Window() const;

 private:
  void AddFootprint(std::vector<Footprint>& list, const Element& element, SDL_FPoint origin, SDL_Rect clip,
                    bool shown);
  SDL_Rect AreaOf(const Element& element, SDL_FPoint origin);
  // The pixels the element hides under solid colour: a panel's box filled with its colour.
  SDL_Rect CoveredBy(const Element& element, SDL_FPoint origin) const;
  bool HidesWindow(const Element& element, SDL_Rect window) const;
  SDL_Rect ImageArea(const Image* image, SDL_FRect box, bool stretch) const;
  // Whether the picture is drawn at another size than its own.
  bool Scaled(const Picture& picture) const;
  SDL_FRect TextBox(const Label& label, SDL_FRect box, const TextTexture& text) const;

  void DrawCanvas(const Canvas& canvas);
  void DrawPanelBack(const Panel& panel);
  void DrawElement(const Element& element, SDL_FPoint origin);
  void DrawLabel(const Label& label, SDL_FRect box);
  void DrawBar(const Bar& bar, SDL_FRect box);
  // An image at its natural size from the box's top-left corner, cropped to the box, or
  // scaled to fill the box; a picture the build lacks shows as an outlined placeholder.
  void DrawImage(const Image* image, SDL_FRect box, bool stretch);
  void SetColour(Colour colour);
  // Whether `image`, drawn at its natural size from the top-left corner and cropped to a box
  // of size `box`, hides every pixel of the window.
  bool CoversWindow(const Image* image, SDL_FPoint box) const;

  SDL_Renderer* renderer_;
  ArtTextures art_;
  LabelTexts texts_;
};

}  // namespace skyscrub::sdl
