#pragma once
// Where the game's 800 x 600 canvas lies in a window of another size: as large as fits with its
// shape kept, centred, with bars on the sides left over. Each window pixel inside shows the one
// canvas pixel under it (nearest neighbour), so a whole multiple of the canvas is drawn sharp.
#include <SDL.h>

namespace skyscrub::sdl {

inline constexpr int kCanvasWidth = 800;
inline constexpr int kCanvasHeight = 600;

class CanvasView {
 public:
  // The canvas over a whole window of its own size.
  CanvasView() = default;
  // The canvas fitted into a window of `width` x `height` pixels.
  CanvasView(int width, int height);

  // The window's pixels that show the canvas.
  SDL_Rect Area() const { return area_; }
  // The size of the whole window, in pixels.
  int WindowWidth() const { return windowWidth_; }
  int WindowHeight() const { return windowHeight_; }
  // The window's pixels that show the canvas pixels of `rect` (given in canvas pixels).
  SDL_Rect ToWindow(SDL_Rect rect) const;
  // The canvas pixel that the window pixel at `x`, `y` shows, as a point of the canvas;
  // outside the canvas (on a bar) the point lies outside 800 x 600.
  SDL_FPoint ToCanvas(float x, float y) const;
  // The canvas column a window column inside the area shows, and likewise for rows.
  int CanvasColumn(int x) const;
  int CanvasRow(int y) const;

 private:
  SDL_Rect area_{0, 0, kCanvasWidth, kCanvasHeight};
  int windowWidth_ = kCanvasWidth, windowHeight_ = kCanvasHeight;
};

}  // namespace skyscrub::sdl
