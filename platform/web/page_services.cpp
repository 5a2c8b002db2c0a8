#include "platform/web/page_services.h"

#include "platform/sdl_common/program_files.h"
#include "platform/web/page_bridge.h"
#include "settings/file_access.h"

namespace skyscrub::web {

std::optional<std::string> PageFiles::ReadTextFile(const std::string& path) {
  return settings::ReadWholeFile(sdl::NativePathToRead(path));
}

MessageAnswer PageMessageBoxes::Show(std::string_view title, std::string_view text, MessageButtons buttons) {
  if (beforeShowing) beforeShowing();
  return AskPage(title, text, buttons);
}

}  // namespace skyscrub::web
