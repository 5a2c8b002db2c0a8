#include "setup/win32/message_boxes.h"

#include "settings/windows/wide_text.h"

namespace skyscrub::setup {

void Win32MessageBoxes::ShowMessage(std::string_view title, std::string_view text) {
  ::MessageBoxW(owner_, settings::WideFromUtf8(text).c_str(), settings::WideFromUtf8(title).c_str(), MB_OK);
}

}  // namespace skyscrub::setup
