#include "platform/sdl_common/font_files.h"

#include "platform/sdl_common/program_files.h"
#include "settings/game_layout.h"

namespace skyscrub::sdl {

std::string FontFile(std::string_view face) {
  return NativePath(settings::RunningProgramLayout().programFolder + "\\components\\fonts\\" + std::string(face));
}

}  // namespace skyscrub::sdl
