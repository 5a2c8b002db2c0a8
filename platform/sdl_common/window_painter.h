#pragma once
// Paints the scene into the window: drawn in software straight into the window's own pixels,
// and only the rectangles that changed since the last frame are drawn and shown. A still sky
// with a few sprites moving over it then costs in proportion to the sprites, not the window.
#include <SDL.h>

#include <optional>
#include <vector>

#include "game/scene/scene.h"
#include "platform/sdl_common/scene_renderer.h"
#include "platform/sdl_common/screen_damage.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class WindowPainter {
 public:
  // Pictures decoded early are taken from `early` (when given).
  explicit WindowPainter(SDL_Window* window, EarlyDecoding* early = nullptr) : window_(window), early_(early) {}

  // Draws and shows what changed since the last frame; false when nothing did.
  bool PaintChanges(const Scene& scene);
  // Shows the last frame again, after the system lost the window's contents.
  void ShowAgain();
  // The window changed size: its pixels are new, and the next frame is drawn whole.
  void Resized();

 private:
  // A renderer on the window's current pixels, made anew (with a whole frame) after a resize.
  // False when the window has no pixels to draw into.
  bool Target();

  SDL_Window* window_;
  EarlyDecoding* early_;
  SDL_Surface* surface_ = nullptr;  // owned by the window
  RendererHandle renderer_;
  std::optional<SceneRenderer> scene_;  // its textures go before their renderer
  ScreenDamage damage_;
};

// Draws into `renderer`'s target what changed in `scene` since `damage` last looked, and
// returns the rectangles drawn (none when nothing changed).
std::vector<SDL_Rect> DrawChanges(SceneRenderer& renderer, ScreenDamage& damage, const Scene& scene);

}  // namespace skyscrub::sdl
