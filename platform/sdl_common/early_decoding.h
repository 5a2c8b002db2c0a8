#pragma once
// Pictures decoded ahead of need on a thread of their own -- the first screen's, while the
// display is still being opened -- and handed over when the drawing asks for them. Going, it
// waits for whatever is still being decoded (as std::async's futures do).
#include <future>
#include <map>

#include "assets/art.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class EarlyDecoding {
 public:
  // Starts decoding `arts` (SDL_image must be initialised).
  explicit EarlyDecoding(std::initializer_list<Art> arts);

  // The decoded picture, once, waiting for it if need be; nullptr if it was not asked for early
  // (or was taken already).
  SurfaceHandle Take(Art art);

 private:
  std::map<Art, std::future<SurfaceHandle>> decoding_;
};

}  // namespace skyscrub::sdl
