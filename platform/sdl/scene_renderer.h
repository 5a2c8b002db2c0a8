#pragma once
// Draws the game window's scene: the canvas, then every visible element back to front,
// each panel's children inside it and clipped to it.
#include <SDL.h>

#include "game/scene/scene.h"
#include "platform/sdl/art_textures.h"
#include "platform/sdl/label_texts.h"

namespace skyscrub::sdl {

class SceneRenderer {
 public:
  explicit SceneRenderer(SDL_Renderer* renderer) : renderer_(renderer), art_(renderer), texts_(renderer) {}

  // Draws the whole scene into the back buffer (the caller presents it).
  void Draw(const Scene& scene);

 private:
  void DrawPanel(const Panel& panel);
  void DrawElement(const Element& element, SDL_FPoint origin);
  void DrawPicture(const Picture& picture, SDL_FRect box);
  void DrawLabel(const Label& label, SDL_FRect box);
  void DrawBar(const Bar& bar, SDL_FRect box);
  // An image at its natural size from the box's top-left corner, cropped to the box, or
  // scaled to fill the box; a picture the build lacks shows as an outlined placeholder.
  void DrawImage(const Image* image, SDL_FRect box, bool stretch);
  // A texture drawn unscaled at `at`, showing only the part that falls inside `box`.
  void DrawCropped(SDL_Texture* texture, SDL_FRect at, SDL_FRect box);
  void SetColour(Colour colour);
  // Whether `image`, drawn at its natural size from the top-left corner and cropped to a box
  // of size `box`, hides every pixel of the window.
  bool CoversWindow(const Image* image, SDL_FPoint box) const;

  SDL_Renderer* renderer_;
  ArtTextures art_;
  LabelTexts texts_;
};

}  // namespace skyscrub::sdl
