// The user's folders as Windows names them: the roaming application data folder holds
// configuration, as $XDG_CONFIG_HOME does elsewhere, and the profile is the home.
#include "settings/user_folders.h"

#include <shlobj.h>
#include <windows.h>

#include "settings/windows/wide_text.h"

namespace skyscrub::settings {

namespace {

std::string KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) folder = Utf8FromWide(path);
  ::CoTaskMemFree(path);
  return folder;
}

}  // namespace

UserFolders CurrentUserFolders() { return {KnownFolder(FOLDERID_RoamingAppData), KnownFolder(FOLDERID_Profile)}; }

}  // namespace skyscrub::settings
