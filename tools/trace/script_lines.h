#pragma once
// A script's lines are read as every replay reads them (recording/script_lines.h).
#include "recording/script_lines.h"

namespace skyscrub::trace {
using recording::ScriptLines;
}  // namespace skyscrub::trace
