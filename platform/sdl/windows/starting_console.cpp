// The game is a window program: Windows gives it no console. Started from one (a Command Prompt,
// PowerShell), it attaches to that console for what it prints, unless its output already goes
// somewhere (a pipe, a file).
#include "platform/sdl/starting_console.h"

#include <windows.h>

#include <cstdio>

namespace skyscrub::sdl {

namespace {

bool Unset(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

}  // namespace

void WriteToStartingConsole() {
  const bool noOutput = Unset(STD_OUTPUT_HANDLE);
  const bool noErrors = Unset(STD_ERROR_HANDLE);
  if (!noOutput && !noErrors) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (noOutput) std::freopen("CONOUT$", "w", stdout);
  if (noErrors) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace skyscrub::sdl
