#pragma once
// Both programs are window programs on Windows, so Windows gives them no console; what --help
// and --version print still reaches the console they were started from, or wherever their output
// goes already (a pipe, a file).
namespace skyscrub::windows {

// Connects stdout and stderr to the parent's console when they lead nowhere yet.
void UseParentConsole();

}  // namespace skyscrub::windows
