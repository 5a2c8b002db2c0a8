#include "platform/sdl/system_services.h"

#include "platform/sdl_common/program_files.h"
#include "settings/file_access.h"
#include "settings/game_layout.h"

namespace skyscrub::sdl {

std::string SystemFiles::ProgramFolder() { return settings::RunningProgramLayout().programFolder; }

std::optional<std::string> SystemFiles::ReadTextFile(const std::string& path) { return settings::ReadWholeFile(NativePathToRead(path)); }

}  // namespace skyscrub::sdl
