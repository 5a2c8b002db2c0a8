#pragma once
// Copies the canvas's pixels into a window of another size, as a CanvasView places them, and
// keeps them sharp at every size: each window pixel shows the canvas pixel it covers, and only a
// window pixel that straddles the edge between two canvas pixels mixes them, in the share it
// covers of each. Whole multiples are exact copies; at a fraction (3.6 times on a 4K screen) an
// edge stays a hard edge with at most one mixed pixel, instead of columns of uneven width. The
// bars around the canvas are black. Only the rectangles asked for are copied, so a frame that
// changed a little costs a little at any size.
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl_common/canvas_view.h"

namespace skyscrub::sdl {

class CanvasScaler {
 public:
  explicit CanvasScaler(CanvasView view);

  const CanvasView& view() const { return view_; }
  // The window pixels that show any of the canvas pixels of `rect`: those to copy again when
  // they changed.
  SDL_Rect WindowRect(SDL_Rect rect) const;
  // Copies into `window` the window pixels of `rect` (window pixels inside the view's area)
  // from `canvas`; both surfaces have the same pixel format.
  void Copy(const SDL_Surface& canvas, SDL_Surface& window, SDL_Rect rect) const;
  // Paints the window's pixels outside the canvas black.
  void FillBars(SDL_Surface& window) const;

  // What a window column (or row) shows: canvas pixel `first`, mixed with the next one in the
  // share `next` of 256 where it straddles their edge.
  struct Tap {
    int first = 0;
    std::uint16_t next = 0;
    bool operator==(const Tap&) const = default;
  };

 private:
  CanvasView view_;
  std::vector<Tap> columns_;  // for each column of the area
  std::vector<Tap> rows_;     // likewise for rows
  mutable std::vector<std::uint8_t> lines_[2];  // canvas rows scaled across, for the rows between them
};

}  // namespace skyscrub::sdl
