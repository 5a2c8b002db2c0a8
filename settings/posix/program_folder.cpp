// Where the running program lives, as Linux tells it: the link /proc/self/exe.
#include "settings/program_folder.h"

#include <unistd.h>

#include <climits>

namespace skyscrub::settings {

std::string RunningProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  const std::string executable(buffer, static_cast<std::size_t>(length));
  const std::size_t slash = executable.rfind('/');
  if (slash == std::string::npos) return {};
  return executable.substr(0, slash);
}

}  // namespace skyscrub::settings
