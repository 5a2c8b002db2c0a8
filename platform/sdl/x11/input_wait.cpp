#include "platform/sdl/input_wait.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <thread>

namespace skyscrub::sdl {

DisplayConnection::DisplayConnection(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  display_ = info.info.x11.display;
  socket_ = ConnectionNumber(display_);
}

bool DisplayConnection::WaitForInput(std::int64_t micros) {
  if (display_ == nullptr) {
    if (micros > 0) std::this_thread::sleep_for(std::chrono::microseconds(micros));
    return true;
  }
  XFlush(display_);  // what the game asked of the display goes out before it sleeps
  // Events Xlib already read off the connection (while drawing, say) would not wake the wait.
  if (XEventsQueued(display_, QueuedAlready) > 0) return true;
  pollfd connection{socket_, POLLIN, 0};
  const std::int64_t wait = micros > 0 ? micros : 0;
  const timespec timeout{static_cast<time_t>(wait / 1'000'000), static_cast<long>(wait % 1'000'000 * 1000)};
  return ppoll(&connection, 1, &timeout, nullptr) != 0;  // an interrupted wait looks too
}

}  // namespace skyscrub::sdl
