#pragma once
// Where --help and --version print: standard output as the program was given it. A program
// without a console of its own (Windows' window programs) takes the console it was started
// from, if any. Each system realises it in a file of its own.

namespace skyscrub::sdl {

// Called before the first line is printed.
void WriteToStartingConsole();

}  // namespace skyscrub::sdl
