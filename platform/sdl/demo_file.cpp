#include "platform/sdl/demo_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/sdl/file_creation.h"

namespace skyscrub::sdl {

std::optional<DemoFile> DemoFile::Create(const std::string& path, std::string& error) {
  const int fd = CreateFileToWrite(path);
  if (fd < 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  return DemoFile(fd, path);
}

DemoFile::DemoFile(DemoFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      failure_(other.failure_),
      stoppedAt_(other.stoppedAt_) {}

DemoFile::~DemoFile() {
  if (fd_ >= 0) ::close(fd_);
}

// Only system calls and plain stores: a crash's handler writes through here too.
void DemoFile::Write(std::string_view text) {
  while (!text.empty() && fd_ >= 0 && failure_ == 0) {
    const ssize_t n = ::write(fd_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // The rest of the recording would not replay after a gap: it stops here, the game plays on.
      failure_ = n < 0 ? errno : ENOSPC;
      return;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

void DemoFile::WrittenOut(std::uint64_t tick) {
  if (failure_ == 0 || stoppedAt_) return;
  stoppedAt_ = tick;
  Report("stopped");
}

void DemoFile::ReportAtExit() const {
  if (stoppedAt_) Report("is cut off: it stopped");
}

void DemoFile::Report(const char* what) const {
  std::fprintf(stderr, "Skyscrub: recording to %s %s at tick %llu: %s\n", path_.c_str(), what,
               static_cast<unsigned long long>(*stoppedAt_), std::strerror(failure_));
}

}  // namespace skyscrub::sdl
