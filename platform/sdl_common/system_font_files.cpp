#include "platform/sdl_common/font_files.h"

namespace skyscrub::sdl {

std::string FontFile(std::string_view face) { return "/usr/share/fonts/truetype/liberation/" + std::string(face); }

}  // namespace skyscrub::sdl
