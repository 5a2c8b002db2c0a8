#pragma once
// The program folder, text files and the clock as the game takes them from this system.
#include "platform/platform.h"

namespace skyscrub::sdl {

class SystemFiles final : public Files {
 public:
  std::string ProgramFolder() override;
  std::optional<std::string> ReadTextFile(const std::string& path) override;
};

class SystemClock final : public Clock {
 public:
  std::uint64_t RandomSeed() override;
};

}  // namespace skyscrub::sdl
