#include "platform/sdl_common/system_clock.h"

#include <chrono>

namespace skyscrub::sdl {

std::uint64_t SystemClock::RandomSeed() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace skyscrub::sdl
