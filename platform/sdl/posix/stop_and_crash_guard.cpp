// Stop and crash signals on POSIX systems (sigaction).
#include "platform/sdl/stop_and_crash_guard.h"

#include <signal.h>

#include <atomic>
#include <csignal>
#include <initializer_list>

namespace skyscrub::sdl {

namespace {

volatile std::sig_atomic_t stopRequested = 0;
std::atomic<SDL_Window*> guardedWindow{nullptr};  // lock-free, so safe to read in a handler
std::atomic<void (*)(int)> crashWriter{nullptr};

void OnStop(int) { stopRequested = 1; }

// Runs once (the handler resets itself): the recording written out, back to the desktop mode,
// then die as the signal says.
void OnCrash(int signal) {
  if (void (*lastWords)(int) = crashWriter.load()) lastWords(signal);
  SDL_Window* window = guardedWindow.load();
  if (window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0) SDL_SetWindowFullscreen(window, 0);
  std::raise(signal);
}

void Install(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = flags;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
}

}  // namespace

void InstallStopAndCrashHandlers(SDL_Window* window) {
  guardedWindow = window;
  Install(SIGINT, OnStop, SA_RESTART);
  Install(SIGTERM, OnStop, SA_RESTART);
  for (int crash : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) Install(crash, OnCrash, SA_RESETHAND | SA_NODEFER);
}

void StopGuardingWindow() { guardedWindow = nullptr; }

void SetCrashWriter(void (*lastWords)(int signal)) { crashWriter = lastWords; }

bool StopRequested() { return stopRequested != 0; }

}  // namespace skyscrub::sdl
