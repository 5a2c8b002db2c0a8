#pragma once
// How the options editor looks: a current FLTK scheme and colours, Liberation Sans for its
// text, and the window class the desktop knows its windows by. Call before any window shows.
namespace skyscrub::setup {

constexpr const char* kWindowClass = "SkyscrubSetup";  // the desktop entry's StartupWMClass

void UseCurrentLook();

}  // namespace skyscrub::setup
