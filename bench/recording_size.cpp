// The size of the recording of a long session: ten minutes of play at 10 ms (60000 main ticks),
// game after game, by the soak's random player, which presses keys far more often than a person.
// Prints one JSON line.
#include <cstdio>
#include <sstream>

#include "tests/trace/soak/soak_player.h"
#include "tools/trace/script_session.h"

int main() {
  using namespace skyscrub;
  constexpr std::uint64_t kTenMinutes = 60000;
  std::ostringstream effects;
  recording::StringOutput recording;
  trace::Session session(effects, {}, &recording);
  soak::RandomPlayer player(1, true);
  for (auto lines = player.Opening(); session.Ticks() < kTenMinutes; lines = player.Next(session.game)) {
    for (const std::string& line : lines) {
      if (const auto error = session.Execute(line)) {
        std::fprintf(stderr, "%s: %s\n", line.c_str(), error->c_str());
        return 1;
      }
    }
    effects.str("");
  }
  for (const char* line : {"keys Escape", "tick", "poll2", "poll3"}) session.Execute(line);
  session.FinishRecording();
  std::printf("{\"bench\":\"recording_size\",\"ticks\":%llu,\"bytes\":%zu}\n",
              static_cast<unsigned long long>(session.Ticks()), recording.text().size());
  return 0;
}
