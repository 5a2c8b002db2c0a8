// A preloaded library that logs every frame a program presents, with no change to the program:
// it stands in for SDL's present calls, passes them on, and appends the wall-clock time in
// nanoseconds after each one to the file named by PRESENT_PROBE_LOG. The benchmark script
// runs both Skyscrub and the shooter it is compared with under it, so both are timed alike.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void LogPresent() {
  static const int fd = [] {
    const char* path = std::getenv("PRESENT_PROBE_LOG");
    return path != nullptr ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
  }();
  if (fd < 0) return;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  char line[32];
  const int length = std::snprintf(line, sizeof line, "%lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
  if (write(fd, line, static_cast<size_t>(length)) < 0) return;
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

void SDL_RenderPresent(SDL_Renderer* renderer) {
  static const auto next = Next<void (*)(SDL_Renderer*)>("SDL_RenderPresent");
  next(renderer);
  LogPresent();
}

void SDL_GL_SwapWindow(SDL_Window* window) {
  static const auto next = Next<void (*)(SDL_Window*)>("SDL_GL_SwapWindow");
  next(window);
  LogPresent();
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
  static const auto next = Next<int (*)(SDL_Window*)>("SDL_UpdateWindowSurface");
  const int result = next(window);
  LogPresent();
  return result;
}

}  // extern "C"
