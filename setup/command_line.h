#pragma once
// SkyscrubSetup's command line, the same whichever toolkit draws its dialog: --help and
// --version, and a refusal of anything else.
#include <optional>

namespace skyscrub::setup {

// Answers --help and --version (the help when both are asked) and refuses anything else on
// the command line: the exit status when the program is to end here, nothing when the dialog
// is to open.
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace skyscrub::setup
