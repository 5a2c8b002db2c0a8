#pragma once
// Paints the scene into the window: drawn in software straight into the window's own pixels,
// and only the rectangles that changed since the last frame are drawn and shown. A still sky
// with a few sprites moving over it then costs in proportion to the sprites, not the window.
// A window of another size than the canvas (scaled) gets the scene drawn into a canvas of its
// own, whose changed rectangles are scaled into the window's pixels and shown.
#include <SDL.h>

#include <optional>
#include <vector>

#include "game/scene/scene.h"
#include "platform/sdl_common/canvas_scaler.h"
#include "platform/sdl_common/scene_renderer.h"
#include "platform/sdl_common/screen_damage.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class WindowPainter {
 public:
  // Pictures decoded early are taken from `early` (when given). `scaled`: the window may have
  // any size, and the canvas is fitted into it.
  explicit WindowPainter(SDL_Window* window, EarlyDecoding* early = nullptr, bool scaled = false)
      : window_(window), early_(early), scaled_(scaled) {}

  // Draws and shows what changed since the last frame; false when nothing did.
  bool PaintChanges(const Scene& scene);
  // Shows the last frame again, after the system lost the window's contents.
  void ShowAgain();
  // The window changed size: its pixels are new, and the next frame is shown whole.
  void Resized();
  // The canvas point shown under the window point `x`, `y` (in the window's coordinates, which
  // on a high-density display are fewer than its pixels); outside 800 x 600 over a bar.
  SDL_FPoint CanvasPointAt(float x, float y) const;

 private:
  // A renderer on the window's current pixels, made anew (with a whole frame) after a resize.
  // False when the window has no pixels to draw into.
  bool Target();
  // A renderer on a canvas of the game's size, and a scaler into the window's current pixels.
  bool ScaledTarget(SDL_Surface* surface);
  // Scales the canvas rectangles `changed` into the window and shows them.
  bool ShowScaled(const std::vector<SDL_Rect>& changed);

  SDL_Window* window_;
  EarlyDecoding* early_;
  bool scaled_;
  SDL_Surface* surface_ = nullptr;  // owned by the window
  SurfaceHandle canvas_;            // when scaled
  std::optional<CanvasScaler> scaler_;
  bool showWhole_ = false;  // the window's pixels are new: the next frame is shown whole
  RendererHandle renderer_;
  std::optional<SceneRenderer> scene_;  // its textures go before their renderer
  ScreenDamage damage_;
};

// Draws into `renderer`'s target what changed in `scene` since `damage` last looked, and
// returns the rectangles drawn (none when nothing changed).
std::vector<SDL_Rect> DrawChanges(SceneRenderer& renderer, ScreenDamage& damage, const Scene& scene);

}  // namespace skyscrub::sdl
