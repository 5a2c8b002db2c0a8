#pragma once
// SkyscrubSetup is a windowed program, so Windows gives it no console; what --help and
// --version print still reaches the console it was started from, or wherever its output goes.
namespace skyscrub::setup {

// Connects stdout and stderr to the parent's console when they lead nowhere yet.
void UseParentConsole();

}  // namespace skyscrub::setup
