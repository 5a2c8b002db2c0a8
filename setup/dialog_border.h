#pragma once
// The border of a fixed dialog: a title bar with a close box, no minimise or maximise
// button, no resizing.
class Fl_Window;

namespace skyscrub::setup {

// Asks the window manager for the dialog border; `window` must be shown.
void UseDialogBorder(Fl_Window& window);

}  // namespace skyscrub::setup
