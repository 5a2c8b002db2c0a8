// A whole script run line by line on the scripted platform.
#include <istream>
#include <ostream>

#include "tools/trace/script_session.h"

namespace skyscrub::trace {

void ScriptedSystem::Report(std::ostream& out) {
  for (const Effect& effect : system.effects) out << ToJson(effect) << '\n';
  system.effects.clear();
}

int RunScript(std::istream& script, std::ostream& out, std::ostream& errors, Limits limits) {
  Session session(out, limits);
  recording::ScriptReplay replay(script, session);
  while (replay.RunLine()) {
  }
  out.flush();
  const recording::ReplayOutcome outcome = replay.Finish();
  if (!outcome.message.empty()) errors << outcome.message << '\n';
  return outcome.status;
}

}  // namespace skyscrub::trace
