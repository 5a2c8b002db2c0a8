// The browser game's folders. The page holds the game's files in a file system of its own, with
// the "components" folder at its root: the game is portable there, and no user has a
// configuration folder of their own to take the settings from.
#include "settings/program_folder.h"
#include "settings/user_folders.h"

namespace skyscrub::settings {

std::string RunningProgramFolder() { return {}; }

UserFolders CurrentUserFolders() { return {}; }

}  // namespace skyscrub::settings
