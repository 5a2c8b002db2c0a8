#pragma once
// The user's own folders the installed layout takes the settings folder from. Each system tells
// them its own way (settings/posix, settings/browser).
#include <string>

namespace skyscrub::settings {

// The user's configuration and home folders: $XDG_CONFIG_HOME and $HOME where those are the
// rule; empty when unset.
struct UserFolders {
  std::string configHome;
  std::string home;
};
UserFolders CurrentUserFolders();

}  // namespace skyscrub::settings
