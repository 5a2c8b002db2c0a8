// A preloaded library that logs every frame a program presents, with no change to the program:
// it stands in for SDL's present calls, passes them on, and appends the wall-clock time in
// nanoseconds after each one to the file named by PRESENT_PROBE_LOG. The benchmark script
// runs both Skyscrub and the shooter it is compared with under it, so both are timed alike.
// Each line: the time the present returned, and how long the call took (both nanoseconds):
// a present that waits for the display holds up everything the program would do meanwhile.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::int64_t NowNanos() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void LogPresent(std::int64_t started) {
  static const int fd = [] {
    const char* path = std::getenv("PRESENT_PROBE_LOG");
    return path != nullptr ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
  }();
  if (fd < 0) return;
  const std::int64_t now = NowNanos();
  char line[48];
  const int length = std::snprintf(line, sizeof line, "%lld %lld\n", static_cast<long long>(now),
                                   static_cast<long long>(now - started));
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
  const std::int64_t started = NowNanos();
  next(renderer);
  LogPresent(started);
}

void SDL_GL_SwapWindow(SDL_Window* window) {
  static const auto next = Next<void (*)(SDL_Window*)>("SDL_GL_SwapWindow");
  const std::int64_t started = NowNanos();
  next(window);
  LogPresent(started);
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
  static const auto next = Next<int (*)(SDL_Window*)>("SDL_UpdateWindowSurface");
  const std::int64_t started = NowNanos();
  const int result = next(window);
  LogPresent(started);
  return result;
}

// The game shows only the rectangles that changed.
int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
  static const auto next = Next<int (*)(SDL_Window*, const SDL_Rect*, int)>("SDL_UpdateWindowSurfaceRects");
  const std::int64_t started = NowNanos();
  const int result = next(window, rects, count);
  LogPresent(started);
  return result;
}

}  // extern "C"
