#pragma once
// Copies the canvas's pixels into a window of another size, as a CanvasView places them: each
// window pixel takes the canvas pixel it shows (nearest neighbour, so whole multiples stay
// sharp), and the bars around the canvas are black. Only the rectangles asked for are copied,
// so a frame that changed a little costs a little at any size.
#include <SDL.h>

#include <vector>

#include "platform/sdl_common/canvas_view.h"

namespace skyscrub::sdl {

class CanvasScaler {
 public:
  explicit CanvasScaler(CanvasView view);

  const CanvasView& view() const { return view_; }
  // Copies into `window` the window pixels of `rect` (window pixels inside the view's area)
  // from `canvas`; both surfaces have the same pixel format.
  void Copy(const SDL_Surface& canvas, SDL_Surface& window, SDL_Rect rect) const;
  // Paints the window's pixels outside the canvas black.
  void FillBars(SDL_Surface& window) const;

 private:
  CanvasView view_;
  std::vector<int> columns_;  // for each column of the area, the canvas column it shows
  std::vector<int> rows_;     // likewise for rows
};

}  // namespace skyscrub::sdl
