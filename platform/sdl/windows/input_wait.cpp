// The loop's sleep on Windows: a wait on the thread's message queue, which the game's window
// posts its input to. A wait rounds down to whole milliseconds; the loop comes back for the rest.
#include "platform/sdl/input_wait.h"

#include <windows.h>

namespace skyscrub::sdl {

struct InputWait::Source {};

InputWait::InputWait(SDL_Window*) {}

InputWait::~InputWait() = default;

bool InputWait::WaitForInput(std::int64_t micros) {
  const DWORD millis = micros > 0 ? static_cast<DWORD>(micros / 1000) : 0;
  // MWMO_INPUTAVAILABLE: messages already in the queue, not only newly arrived ones, end it.
  return MsgWaitForMultipleObjectsEx(0, nullptr, millis, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT;
}

}  // namespace skyscrub::sdl
