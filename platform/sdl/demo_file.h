#pragma once
// The file a recorded game is written to. Writing is a plain system call, so that a fatal
// signal's handler can still write out what is recorded. The first write that fails (a full
// disk) stops the recording: it is said on stderr once, with the tick it stopped at and why,
// and again when the game ends.
#include <cstdint>
#include <optional>
#include <string>

#include "recording/demo_recorder.h"

namespace skyscrub::sdl {

class DemoFile final : public recording::ScriptOutput {
 public:
  // Creates (or empties) the file; nothing, with `error` set, when it cannot.
  static std::optional<DemoFile> Create(const std::string& path, std::string& error);
  DemoFile(DemoFile&& other) noexcept;
  DemoFile(const DemoFile&) = delete;
  DemoFile& operator=(const DemoFile&) = delete;
  ~DemoFile() override;

  void Write(std::string_view text) override;
  void WrittenOut(std::uint64_t tick) override;
  // Once the game has ended: says again that the recording stopped short, if it did.
  void ReportAtExit() const;

 private:
  DemoFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  void Report(const char* when) const;

  int fd_;
  std::string path_;
  int failure_ = 0;  // errno of the first write that failed
  std::optional<std::uint64_t> stoppedAt_;  // the tick it failed at, once said
};

}  // namespace skyscrub::sdl
