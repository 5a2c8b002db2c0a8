#pragma once
// Key states from SDL's keyboard state as of the last look at the system's events. The loop
// looks once per wake-up, right before the ticks it runs; a query more than a fifth of a
// millisecond after the last look looks again, so no answer is older than that.
#include <SDL.h>

#include "platform/platform.h"

namespace skyscrub::sdl {

// A held key reads with its whole high byte set, as the game expects.
inline constexpr std::int16_t kHeldKeyState = static_cast<std::int16_t>(0xFF80);

class SdlKeyboard final : public Keyboard {
 public:
  std::int16_t GetKeyState(Key key) override;
  // Takes in the system's events now; the key queries of the next fifth of a millisecond
  // read the state this look found instead of looking again.
  void LookAtEvents();
  // The loop found that no events came since the last look: the state as it stands is the
  // state now, and the next fifth of a millisecond's queries read it without looking.
  void NothingNew();

 private:
  Uint64 lastPump_ = 0;  // performance-counter time of the last look at the system's events
};

}  // namespace skyscrub::sdl
