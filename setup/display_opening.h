#pragma once
// Opening the display the dialog goes on, before FLTK would (which ends the program at once
// when it cannot). Each system realises it in a file of its own.
#include <string>

namespace skyscrub::setup {

// Opens FLTK's display; false, with the reason for the player in `whyNot`, when there is none.
bool OpenDisplay(std::string& whyNot);

}  // namespace skyscrub::setup
