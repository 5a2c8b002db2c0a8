#pragma once
// The file a recorded game is written to. Writing is a plain system call, so that a fatal
// signal's handler can still write out what is recorded.
#include <optional>
#include <string>

#include "recording/demo_recorder.h"

namespace skyscrub::sdl {

class DemoFile final : public recording::ScriptOutput {
 public:
  // Creates (or empties) the file; nothing, with `error` set, when it cannot.
  static std::optional<DemoFile> Create(const std::string& path, std::string& error);
  DemoFile(DemoFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  DemoFile(const DemoFile&) = delete;
  DemoFile& operator=(const DemoFile&) = delete;
  ~DemoFile() override;

  void Write(std::string_view text) override;

 private:
  explicit DemoFile(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace skyscrub::sdl
