#pragma once
// The loop's sleep, which ends when a tick is due or when the system has input for the game,
// and tells which -- so that the system's events are only looked at when there are some. Each
// system realises it in a file of its own (on X11 a wait on the display's connection).
#include <SDL.h>

#include <cstdint>
#include <memory>

namespace skyscrub::sdl {

class InputWait {
 public:
  explicit InputWait(SDL_Window* window);
  ~InputWait();
  InputWait(const InputWait&) = delete;
  InputWait& operator=(const InputWait&) = delete;

  // Sleeps for `micros` or until the system has input (or a signal comes); false when the time
  // ran out with nothing new.
  bool WaitForInput(std::int64_t micros);

 private:
  struct Source;  // what the system's realisation waits on
  std::unique_ptr<Source> source_;
};

}  // namespace skyscrub::sdl
