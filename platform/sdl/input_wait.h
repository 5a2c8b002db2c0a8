#pragma once
// The loop's sleep: on X11 a wait on the display connection itself, which ends when a tick is
// due or when the display has something to say, and tells which -- so that the system's events
// are only looked at when there are some. Elsewhere a plain sleep, after which they always are.
#include <SDL.h>

#include <cstdint>

struct _XDisplay;

namespace skyscrub::sdl {

class DisplayConnection {
 public:
  explicit DisplayConnection(SDL_Window* window);

  // Sleeps for `micros` or until the display sends something (or a signal comes); false when
  // the time ran out with nothing new from the display.
  bool WaitForInput(std::int64_t micros);

 private:
  _XDisplay* display_ = nullptr;  // nullptr when the window is not on X11
  int socket_ = -1;
};

}  // namespace skyscrub::sdl
