#include "platform/sdl/system_services.h"

#include <chrono>

#include "platform/sdl_common/program_files.h"
#include "settings/file_access.h"
#include "settings/program_folder.h"

namespace skyscrub::sdl {

std::string SystemFiles::ProgramFolder() {
  static const std::string folder = settings::RunningProgramFolder();
  return folder;
}

std::optional<std::string> SystemFiles::ReadTextFile(const std::string& path) { return settings::ReadWholeFile(NativePath(path)); }

std::uint64_t SystemClock::RandomSeed() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace skyscrub::sdl
