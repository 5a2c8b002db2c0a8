// Stops and crashes on Windows. Ctrl+C, Ctrl+Break and closing the console the game was started
// from come through a console control handler, on a thread of the system's; a crash through the
// unhandled-exception filter (and abort() through SIGABRT, as the C library raises it).
#include "platform/sdl/stop_and_crash_guard.h"

#include <windows.h>

#include <atomic>
#include <csignal>

namespace skyscrub::sdl {

namespace {

std::atomic<bool> stopRequested{false};
std::atomic<bool> boxOpen{false};
std::atomic<DWORD> gameThread{0};
std::atomic<SDL_Window*> guardedWindow{nullptr};
std::atomic<void (*)(int)> crashWriter{nullptr};
std::atomic<bool> crashed{false};

BOOL WINAPI OnConsoleEvent(DWORD event) {
  stopRequested = true;
  // A message box runs its own modal loop on the game's thread: a quit message ends it, as if
  // it were closed without a choice, and the game then closes.
  if (boxOpen) PostThreadMessageW(gameThread, WM_QUIT, 0, 0);
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    // The system ends the program as soon as this returns: the game closes meanwhile, and its
    // end ends this thread too.
    Sleep(INFINITE);
  }
  return TRUE;
}

// Once: the recording written out, back to the desktop mode.
void LastWords(int signal) {
  if (crashed.exchange(true)) return;
  if (void (*lastWords)(int) = crashWriter.load()) lastWords(signal);
  SDL_Window* window = guardedWindow.load();
  if (window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0) SDL_SetWindowFullscreen(window, 0);
}

// The recording names a crash by the C signal that matches the exception.
int SignalOf(DWORD code) {
  switch (code) {
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
      return SIGILL;
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
      return SIGFPE;
    default:
      return SIGSEGV;
  }
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* crash) {
  LastWords(SignalOf(crash->ExceptionRecord->ExceptionCode));
  return EXCEPTION_CONTINUE_SEARCH;  // then the program dies as it would have
}

void OnAbort(int signal) {
  LastWords(signal);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void InstallStopAndCrashHandlers(SDL_Window* window) {
  guardedWindow = window;
  gameThread = GetCurrentThreadId();
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
  SetUnhandledExceptionFilter(OnCrash);
  std::signal(SIGABRT, OnAbort);
}

void StopGuardingWindow() { guardedWindow = nullptr; }

void SetCrashWriter(void (*lastWords)(int signal)) { crashWriter = lastWords; }

bool StopRequested() { return stopRequested; }

OpenMessageBox::OpenMessageBox() { boxOpen = true; }

OpenMessageBox::~OpenMessageBox() { boxOpen = false; }

}  // namespace skyscrub::sdl
