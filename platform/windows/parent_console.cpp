#include "platform/windows/parent_console.h"

#include <windows.h>

#include <cstdio>

namespace skyscrub::windows {

namespace {

bool LeadsSomewhere(DWORD stream) {
  const HANDLE handle = ::GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void UseParentConsole() {
  // Output redirected to a file or a pipe is kept; only streams with nowhere to go are joined
  // to the console the program was started from, if any.
  const bool out = LeadsSomewhere(STD_OUTPUT_HANDLE);
  const bool err = LeadsSomewhere(STD_ERROR_HANDLE);
  if ((out && err) || !::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!out && std::freopen("CONOUT$", "w", stdout) == nullptr) return;
  if (!err) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace skyscrub::windows
