// Replacing a file in one step and making folders, with the calls POSIX systems offer (the
// browser's file system offers them too).
#include "settings/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace skyscrub::settings {

namespace {

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a write to `path` really changes: a symbolic link's target, else `path`.
std::string ResolvedTarget(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && ::realpath(path.c_str(), resolved)) {
    return resolved;
  }
  return path;
}

// Whether an existing file may be replaced. The rename below would replace even a
// read-only file, and the super-user passes every access check, so the write bits
// are looked at as well.
bool MayReplace(const struct stat& existing, const std::string& path) {
  if (!S_ISREG(existing.st_mode)) return false;
  if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::access(path.c_str(), W_OK) == 0;
}

// Creates a new, empty file beside `target` with a name no one else is using.
int CreateTemporaryBeside(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const std::string& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

bool MakeFolders(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  if (errno != ENOENT || folder.empty()) return false;
  const std::string parent = FolderOf(folder);
  if (parent != folder && !MakeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content) {
  const std::string target = ResolvedTarget(path);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && !MayReplace(existing, target)) return false;

  std::string temporary;
  Descriptor fd(CreateTemporaryBeside(target, temporary));
  if (fd.get() < 0) return false;
  const bool written = (!exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0) && WriteAll(fd.get(), content) &&
                       ::fsync(fd.get()) == 0 && fd.Close() && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(FolderOf(target));
  return true;
}

}  // namespace skyscrub::settings
