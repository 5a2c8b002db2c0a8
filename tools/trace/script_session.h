#pragma once
// skyscrub-trace's sessions: the game's replay (recording/) on the scripted platform, whose
// effects on the system are printed as JSON lines, in order, between the dumps.
#include <iosfwd>

#include "platform/script/scripted_platform.h"
#include "recording/replay_session.h"
#include "recording/script_replay.h"

namespace skyscrub::trace {

using recording::Limits;
using recording::ReplayStatus;
using recording::kReplayed;
using recording::kDesync;
using recording::kBadLine;
using recording::kCutOff;
using recording::kOverLimit;

// The scripted platform as the system a replay runs on.
struct ScriptedSystem : recording::ReplaySystem {
  ScriptedPlatform system;

  recording::ReplayAnswers& Answers() override { return system; }
  Platform& GamePlatform() override { return system.platform(); }
  bool ProgramEnded() const override { return system.ended; }
  void Report(std::ostream& out) override;
};

// The system comes first: the session's game is given it.
class Session : public ScriptedSystem, public recording::ReplaySession {
 public:
  explicit Session(std::ostream& out, Limits limits = {}, recording::ScriptOutput* record = nullptr)
      : ReplaySession(static_cast<ScriptedSystem&>(*this), out, limits, record) {}
};

// Runs a whole script and reports how it ended ("line N: ...") on `errors`; the exit status
// (ReplayStatus). A recording must also be complete (recording::ScriptReplay::Finish).
int RunScript(std::istream& script, std::ostream& out, std::ostream& errors, Limits limits = {});

}  // namespace skyscrub::trace
