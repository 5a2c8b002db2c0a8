#include "settings/game_layout.h"

#include <filesystem>

#include "settings/file_access.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "settings/utf8_path.h"

namespace skyscrub::settings {

namespace {

namespace fs = std::filesystem;

bool IsFolder(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

// A folder from the root, or on Windows from a drive's or a share's root as well.
bool IsAbsolute(const std::string& folder) { return folder.starts_with('/') || PathOf(folder).is_absolute(); }

std::string ComponentsFolderOf(const std::string& programFolder) { return programFolder + std::string(kComponentsFolderLiteral); }

// "gamedata.jpc": the settings file's name, wherever a layout keeps it.
std::string SettingsFileName() { return std::string(kFileLiteral.substr(kComponentsFolderLiteral.size() + 1)); }

}  // namespace

std::string PerUserSettingsFile(const UserFolders& user) {
  std::string configHome = user.configHome;
  if (!IsAbsolute(configHome)) {
    if (!IsAbsolute(user.home)) return {};
    configHome = user.home + "/.config";
  }
  return TextOf(PathOf(configHome) / "skyscrub" / SettingsFileName());
}

Layout FindLayout(const std::string& programFolder, const UserFolders& user) {
  const std::string components = ComponentsFolderOf(programFolder);
  const fs::path data = (PathOf(programFolder) / kInstalledDataFromPrograms).lexically_normal();
  if (!programFolder.empty() && !IsFolder(PathOf(components)) && IsFolder(data)) {
    return {true, programFolder, TextOf(data), PerUserSettingsFile(user)};
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

std::string ShippedSettingsFile(const Layout& layout) {
  if (!layout.installed) return {};
  return TextOf(PathOf(layout.componentsFolder) / SettingsFileName());
}

std::string SettingsFileToRead(const Layout& layout) {
  if (!layout.installed) return layout.settingsFile;
  // Only a file that is not there at all gives way; one that cannot be looked at is still the user's.
  std::error_code ignored;
  const bool none = layout.settingsFile.empty() ||
                    fs::symlink_status(PathOf(layout.settingsFile), ignored).type() == fs::file_type::not_found;
  return none ? ShippedSettingsFile(layout) : layout.settingsFile;
}

std::string FileToRead(const Layout& layout, std::string path) {
  if (path == SettingsPath(layout.programFolder)) return SettingsFileToRead(layout);
  return FileInLayout(layout, std::move(path));
}

bool SaveSettingsFile(const Layout& layout, const std::string& path, const std::string& content) {
  if (layout.installed && path == layout.settingsFile && !MakeFolders(TextOf(PathOf(path).parent_path()))) return false;
  return ReplaceFileAtomically(path, content);
}

}  // namespace skyscrub::settings
