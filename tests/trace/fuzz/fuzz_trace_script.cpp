// libFuzzer target: the trace script reader takes any bytes as a script and runs it. The game
// gets a bounded number of events, and none once a `set` may have left the states play reaches.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "tools/trace/script_session.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  NullBuffer nothing;
  std::ostream out(&nothing);
  skyscrub::trace::Limits limits;
  limits.maxEvents = 1000;
  limits.eventsAfterSet = false;
  const int status = skyscrub::trace::RunScript(script, out, out, limits);
  // Every script gets one of the replay's answers: a desync, a bad line, a cut recording, a limit.
  if (status < skyscrub::trace::kReplayed || status > skyscrub::trace::kOverLimit) __builtin_trap();
  return 0;
}
