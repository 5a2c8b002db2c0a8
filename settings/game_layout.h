#pragma once
// Where the game's files really are. The game and its options editor build every path from
// their program folder as ".../components/...". A folder holding the programs beside their
// "components" folder is portable: those paths are the files. An installed game keeps its
// programs in <prefix>/games, its sounds and music read-only in <prefix>/share/games/skyscrub
// and each user's settings file in that user's own configuration folder.
#include <string>
#include <string_view>

#include "settings/user_folders.h"

namespace skyscrub::settings {

// From the programs' folder of an installed game to its read-only files.
inline constexpr std::string_view kInstalledDataFromPrograms = "../share/games/skyscrub";

// $XDG_CONFIG_HOME/skyscrub/gamedata.jpc, or ~/.config/skyscrub/gamedata.jpc when that is
// unset or not absolute (the base directory rules ignore relative paths); empty when
// neither names an absolute folder.
std::string PerUserSettingsFile(const UserFolders& user);

struct Layout {
  bool installed = false;
  std::string programFolder;
  std::string componentsFolder;  // where the files of the game's "components" folder are
  std::string settingsFile;      // empty when the user has no configuration folder
};

// The layout of the programs in `programFolder`: portable when a "components" folder stands
// beside them, so a copied game folder stays portable wherever it goes; otherwise installed
// when the installed game's data folder is there; otherwise portable.
Layout FindLayout(const std::string& programFolder, const UserFolders& user);

// The layout of the running program, found once.
const Layout& RunningProgramLayout();

// The real file for `path` as the programs build it ("/" separators): a path into the program
// folder's "components" folder is taken to the layout's file; any other path stays as it is.
std::string FileInLayout(const Layout& layout, std::string path);

// The settings file an installed game ships, read-only beside its sounds: what the options dialog
// writes with its own defaults.
std::string ShippedSettingsFile(const Layout& layout);

// The file the settings are read from: the user's own; or, while an installed game's user has
// none at all, the one the game ships. A file that exists but cannot be read stays the user's.
std::string SettingsFileToRead(const Layout& layout);

// The real file to read for `path`: as FileInLayout, with the settings file as SettingsFileToRead.
std::string FileToRead(const Layout& layout, std::string path);

// Replaces the settings file at `path` with `content`. In the installed layout the per-user
// folder of the settings file is made first when it is missing; a portable game's
// "components" folder never is.
bool SaveSettingsFile(const Layout& layout, const std::string& path, const std::string& content);

}  // namespace skyscrub::settings
