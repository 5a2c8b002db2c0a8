#pragma once
// The clock as the game takes its random seeds from it: the system's wall clock.
#include "platform/platform.h"

namespace skyscrub::sdl {

class SystemClock final : public Clock {
 public:
  std::uint64_t RandomSeed() override;
};

}  // namespace skyscrub::sdl
