// The loop's sleep on X11: a wait on the display connection itself. Where the window is not on
// X11, a plain sleep, after which the system's events are always looked at.
#include "platform/sdl/input_wait.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <thread>

namespace skyscrub::sdl {

struct InputWait::Source {
  Display* display = nullptr;  // nullptr when the window is not on X11
  int socket = -1;
};

InputWait::InputWait(SDL_Window* window) : source_(std::make_unique<Source>()) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  source_->display = info.info.x11.display;
  source_->socket = ConnectionNumber(source_->display);
}

InputWait::~InputWait() = default;

bool InputWait::WaitForInput(std::int64_t micros) {
  Display* display = source_->display;
  if (display == nullptr) {
    if (micros > 0) std::this_thread::sleep_for(std::chrono::microseconds(micros));
    return true;
  }
  XFlush(display);  // what the game asked of the display goes out before it sleeps
  // Events Xlib already read off the connection (while drawing, say) would not wake the wait.
  if (XEventsQueued(display, QueuedAlready) > 0) return true;
  pollfd connection{source_->socket, POLLIN, 0};
  const std::int64_t wait = micros > 0 ? micros : 0;
  const timespec timeout{static_cast<time_t>(wait / 1'000'000), static_cast<long>(wait % 1'000'000 * 1000)};
  return ppoll(&connection, 1, &timeout, nullptr) != 0;  // an interrupted wait looks too
}

}  // namespace skyscrub::sdl
