#include "platform/sdl/demo_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace skyscrub::sdl {

std::optional<DemoFile> DemoFile::Create(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  return DemoFile(fd);
}

DemoFile::~DemoFile() {
  if (fd_ >= 0) ::close(fd_);
}

void DemoFile::Write(std::string_view text) {
  while (!text.empty() && fd_ >= 0) {
    const ssize_t n = ::write(fd_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a full disk: the game plays on, the recording stops short
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

}  // namespace skyscrub::sdl
