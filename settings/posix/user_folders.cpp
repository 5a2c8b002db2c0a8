// The user's folders as the base directory rules name them: from the environment.
#include "settings/user_folders.h"

#include <cstdlib>

namespace skyscrub::settings {

namespace {

std::string ValueOf(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr ? value : "";
}

}  // namespace

UserFolders CurrentUserFolders() { return {ValueOf("XDG_CONFIG_HOME"), ValueOf("HOME")}; }

}  // namespace skyscrub::settings
