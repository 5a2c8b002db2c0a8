#pragma once
// Key states straight from SDL's keyboard state at the moment of the query.
#include "platform/platform.h"

namespace skyscrub::sdl {

class SdlKeyboard final : public Keyboard {
 public:
  std::int16_t GetKeyState(Key key) override;
};

}  // namespace skyscrub::sdl
