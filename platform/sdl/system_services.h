#pragma once
// The program folder and text files as the game takes them from this system.
#include "platform/platform.h"

namespace skyscrub::sdl {

class SystemFiles final : public Files {
 public:
  std::string ProgramFolder() override;
  std::optional<std::string> ReadTextFile(const std::string& path) override;
};

}  // namespace skyscrub::sdl
