#include "settings/game_layout.h"

#include <filesystem>

#include "settings/file_access.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"

namespace skyscrub::settings {

namespace {

namespace fs = std::filesystem;

bool IsFolder(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

bool IsAbsolute(const std::string& folder) { return folder.starts_with('/'); }

std::string ComponentsFolderOf(const std::string& programFolder) { return programFolder + std::string(kComponentsFolderLiteral); }

}  // namespace

std::string PerUserSettingsFile(const UserFolders& user) {
  std::string configHome = user.configHome;
  if (!IsAbsolute(configHome)) {
    if (!IsAbsolute(user.home)) return {};
    configHome = user.home + "/.config";
  }
  return (fs::path(configHome) / "skyscrub" / std::string(kFileLiteral.substr(kComponentsFolderLiteral.size() + 1))).string();
}

Layout FindLayout(const std::string& programFolder, const UserFolders& user) {
  const std::string components = ComponentsFolderOf(programFolder);
  const fs::path data = (fs::path(programFolder) / kInstalledDataFromPrograms).lexically_normal();
  if (!programFolder.empty() && !IsFolder(components) && IsFolder(data)) {
    return {true, programFolder, data.string(), PerUserSettingsFile(user)};
  }
  return {false, programFolder, components, SettingsPath(programFolder)};
}

const Layout& RunningProgramLayout() {
  static const Layout layout = FindLayout(RunningProgramFolder(), CurrentUserFolders());
  return layout;
}

std::string FileInLayout(const Layout& layout, std::string path) {
  if (path == SettingsPath(layout.programFolder)) return layout.settingsFile;
  const std::string components = ComponentsFolderOf(layout.programFolder) + "/";
  if (!path.starts_with(components)) return path;
  return layout.componentsFolder + "/" + path.substr(components.size());
}

bool SaveSettingsFile(const Layout& layout, const std::string& path, const std::string& content) {
  if (layout.installed && path == layout.settingsFile && !MakeFolders(fs::path(path).parent_path().string())) return false;
  return ReplaceFileAtomically(path, content);
}

}  // namespace skyscrub::settings
