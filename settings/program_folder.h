#pragma once
// Where the running program lives: both programs find the settings file from there. Each system
// tells it its own way (settings/posix, settings/browser).
#include <string>

namespace skyscrub::settings {

// The folder that holds the running executable, without a trailing separator;
// empty when it cannot be found.
std::string RunningProgramFolder();

}  // namespace skyscrub::settings
