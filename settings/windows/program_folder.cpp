// Where the running program lives, as Windows tells it: the path of the process's own module.
#include "settings/program_folder.h"

#include <windows.h>

#include "settings/windows/wide_text.h"

namespace skyscrub::settings {

std::string RunningProgramFolder() {
  // Long paths may exceed MAX_PATH; the buffer grows until the whole path fits.
  constexpr std::size_t kLongestPath = 32768;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= kLongestPath) return {};
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return {};
  return Utf8FromWide(std::wstring_view(path).substr(0, separator));
}

}  // namespace skyscrub::settings
