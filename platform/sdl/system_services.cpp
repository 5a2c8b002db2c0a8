#include "platform/sdl/system_services.h"

#include "platform/sdl_common/program_files.h"
#include "settings/file_access.h"
#include "settings/program_folder.h"

namespace skyscrub::sdl {

std::string SystemFiles::ProgramFolder() {
  static const std::string folder = settings::RunningProgramFolder();
  return folder;
}

std::optional<std::string> SystemFiles::ReadTextFile(const std::string& path) { return settings::ReadWholeFile(NativePath(path)); }

}  // namespace skyscrub::sdl
