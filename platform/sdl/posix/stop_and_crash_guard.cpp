// Stop and crash signals on POSIX systems (sigaction); a message box's helper process is ended
// with the game (on Linux even when the game dies by a signal it cannot catch).
#include "platform/sdl/stop_and_crash_guard.h"

#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

#include <atomic>
#include <csignal>
#include <initializer_list>
#include <new>

namespace skyscrub::sdl {

namespace {

constexpr int kStopSignals[] = {SIGHUP, SIGINT, SIGTERM};
constexpr int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

// What the game and a message box's helper process both see: the helper's number, and whether
// a stop has come (from either side, whichever comes first, the helper ends).
struct SharedWithBoxHelper {
  std::atomic<pid_t> helper{0};
  std::atomic<int> stop{0};
};
static_assert(std::atomic<pid_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "read and written by signal handlers and across processes");

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t boxOpen = 0;
std::atomic<SDL_Window*> guardedWindow{nullptr};  // lock-free, so safe to read in a handler
std::atomic<void (*)(int)> crashWriter{nullptr};
SharedWithBoxHelper* shared = nullptr;  // memory the helper process shares; nullptr if none
pid_t game = 0;

void OnStop(int) {
  stopRequested = 1;
  if (shared == nullptr) return;
  shared->stop = 1;
  if (const pid_t helper = shared->helper.load()) kill(helper, SIGKILL);
}

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

// Runs in every child the game forks; one forked while a box is open is the box's helper. It is
// not the game: signals do to it what they do to any program, and it dies with the game.
void InForkedChild() {
  if (!boxOpen || shared == nullptr) return;
  for (int signal : kStopSignals) Install(signal, SIG_DFL, 0);
  for (int signal : kCrashSignals) Install(signal, SIG_DFL, 0);
#if defined(__linux__)
  prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
  if (getppid() != game) _exit(1);  // the game is gone already
  shared->helper = getpid();
  if (shared->stop) _exit(1);  // a stop came while the box was opening
}

}  // namespace

void InstallStopAndCrashHandlers(SDL_Window* window) {
  guardedWindow = window;
  game = getpid();
  void* memory = mmap(nullptr, sizeof(SharedWithBoxHelper), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (memory != MAP_FAILED) shared = new (memory) SharedWithBoxHelper;
  pthread_atfork(nullptr, nullptr, InForkedChild);
  for (int signal : kStopSignals) Install(signal, OnStop, SA_RESTART);
  for (int crash : kCrashSignals) Install(crash, OnCrash, SA_RESETHAND | SA_NODEFER);
}

void StopGuardingWindow() { guardedWindow = nullptr; }

void SetCrashWriter(void (*lastWords)(int signal)) { crashWriter = lastWords; }

bool StopRequested() { return stopRequested != 0; }

OpenMessageBox::OpenMessageBox() { boxOpen = 1; }

OpenMessageBox::~OpenMessageBox() {
  boxOpen = 0;
  if (shared != nullptr) shared->helper = 0;
}

}  // namespace skyscrub::sdl
