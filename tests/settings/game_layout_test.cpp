// Which layout the programs are in, where each of them then finds the game's files, and the
// first save of an installed game's per-user settings file.
#include "settings/game_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scratch_folder.h"
#include "settings/file_access.h"
#include "settings/settings_file.h"

namespace skyscrub::settings {
namespace {

namespace fs = std::filesystem;

// A scratch folder standing for the root of a file system, removed after each test.
class LayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = MakeScratchFolder("skyscrub-layout-");
    ASSERT_FALSE(root_.empty());
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // Paths as the layout names them, with "/" between folders on every system.
  std::string Folder(const std::string& relative) const {
    fs::create_directories(root_ / relative);
    return (root_ / relative).generic_string();
  }
  std::string At(const std::string& relative) const { return (root_ / relative).generic_string(); }

  fs::path root_;
};

struct FolderCase {
  const char* name;
  const char* programs;
  std::vector<const char*> folders;  // besides the programs' own
  bool installed;
};

const FolderCase kFolderCases[] = {
    {"PortableBuildFolder", "build/game", {"build/game/components"}, false},
    {"InstalledUnderAPrefix", "usr/games", {"usr/share/games/skyscrub/sound"}, true},
    {"InstalledUnderALocalPrefix", "opt/sky/games", {"opt/sky/share/games/skyscrub"}, true},
    // A game folder copied next to an installed game stays portable.
    {"PortableFolderCopiedBesideAnInstalledGame", "usr/games", {"usr/games/components", "usr/share/games/skyscrub"}, false},
    // Programs alone are portable, so a save reports the missing "components" folder.
    {"ProgramsWithoutComponents", "tmp/game", {"tmp/share/games/other"}, false},
};

class FolderLayoutTest : public LayoutTest, public testing::WithParamInterface<FolderCase> {};

TEST_P(FolderLayoutTest, DecidesByWhatStandsBesideThePrograms) {
  const FolderCase& c = GetParam();
  const std::string programs = Folder(c.programs);
  for (const char* folder : c.folders) Folder(folder);
  const UserFolders user{"", At("home/ann")};

  const Layout layout = FindLayout(programs, user);

  EXPECT_EQ(layout.installed, c.installed);
  EXPECT_EQ(layout.programFolder, programs);
  if (c.installed) {
    EXPECT_EQ(layout.componentsFolder, (fs::path(programs).parent_path() / "share/games/skyscrub").generic_string());
    EXPECT_EQ(layout.settingsFile, At("home/ann/.config/skyscrub/gamedata.jpc"));
  } else {
    EXPECT_EQ(layout.componentsFolder, programs + "/components");
    EXPECT_EQ(layout.settingsFile, SettingsPath(programs));
  }
}

INSTANTIATE_TEST_SUITE_P(Folders, FolderLayoutTest, testing::ValuesIn(kFolderCases),
                         [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST(PerUserSettingsFileTest, FollowsTheBaseDirectoryRules) {
  EXPECT_EQ(PerUserSettingsFile({"/home/ann/conf", "/home/ann"}), "/home/ann/conf/skyscrub/gamedata.jpc");
  EXPECT_EQ(PerUserSettingsFile({"/home/ann/conf/", "/home/ann"}), "/home/ann/conf/skyscrub/gamedata.jpc");
  EXPECT_EQ(PerUserSettingsFile({"", "/home/ann"}), "/home/ann/.config/skyscrub/gamedata.jpc");
  // A relative configuration folder is not one.
  EXPECT_EQ(PerUserSettingsFile({"conf", "/home/ann"}), "/home/ann/.config/skyscrub/gamedata.jpc");
  EXPECT_EQ(PerUserSettingsFile({"", ""}), "");
  EXPECT_EQ(PerUserSettingsFile({"conf", "ann"}), "");
}

// The paths exactly as the game and the editor build them, with their separators made '/'.
TEST(FileInLayoutTest, TakesTheComponentsFolderToTheInstalledFiles) {
  const Layout installed{true, "/usr/games", "/usr/share/games/skyscrub", "/home/ann/.config/skyscrub/gamedata.jpc"};
  EXPECT_EQ(FileInLayout(installed, SettingsPath("/usr/games")), "/home/ann/.config/skyscrub/gamedata.jpc");
  EXPECT_EQ(FileInLayout(installed, "/usr/games/components/sound/xplode2.wav"), "/usr/share/games/skyscrub/sound/xplode2.wav");
  EXPECT_EQ(FileInLayout(installed, "/usr/games/components/sound/music1.mid"), "/usr/share/games/skyscrub/sound/music1.mid");
  EXPECT_EQ(FileInLayout(installed, "/usr/games/componentsX/a"), "/usr/games/componentsX/a");
  EXPECT_EQ(FileInLayout(installed, "/tmp/trace.txt"), "/tmp/trace.txt");
}

TEST(FileInLayoutTest, LeavesEveryPortablePathAsItIs) {
  const Layout portable{false, "/opt/sky", "/opt/sky/components", "/opt/sky/components/gamedata.jpc"};
  for (const std::string& path : {SettingsPath("/opt/sky"), std::string("/opt/sky/components/sound/die1.wav"),
                                 std::string("/opt/sky/components/sound/music4.wav"), std::string("/elsewhere/x")}) {
    EXPECT_EQ(FileInLayout(portable, path), path);
  }
}

TEST(FileInLayoutTest, GameAndEditorUseTheSameFile) {
  const Layout installed{true, "/usr/games", "/usr/share/games/skyscrub", "/c/skyscrub/gamedata.jpc"};
  const Layout portable{false, "/opt/sky", "/opt/sky/components", SettingsPath("/opt/sky")};
  for (const Layout& layout : {installed, portable}) {
    EXPECT_EQ(FileInLayout(layout, SettingsPath(layout.programFolder)), layout.settingsFile);
  }
}

// Which file the settings are read from: an installed game's user without a file of their own
// reads the one the game ships; one with a file reads theirs, even a file that is only a
// dangling link (it is theirs, and reading it fails as a missing file does).
TEST_F(LayoutTest, AnInstalledGameReadsItsShippedSettingsUntilTheUserHasTheirOwn) {
  const Layout installed{true, At("usr/games"), At("usr/share/games/skyscrub"), At("home/.config/skyscrub/gamedata.jpc")};
  const std::string shipped = At("usr/share/games/skyscrub/gamedata.jpc");
  EXPECT_EQ(ShippedSettingsFile(installed), shipped);
  EXPECT_EQ(SettingsFileToRead(installed), shipped) << "no file yet";
  EXPECT_EQ(FileToRead(installed, SettingsPath(installed.programFolder)), shipped);
  EXPECT_EQ(FileToRead(installed, installed.programFolder + "/components/sound/die1.wav"),
            At("usr/share/games/skyscrub/sound/die1.wav"));

  Folder("home/.config/skyscrub");
#ifndef _WIN32  // the standard library makes no symbolic links on Windows
  fs::create_symlink(At("nowhere"), installed.settingsFile);
  EXPECT_EQ(SettingsFileToRead(installed), installed.settingsFile) << "a dangling link of the user's";
  fs::remove(installed.settingsFile);
#endif
  std::ofstream(installed.settingsFile) << "5\r\n0\r\n0\r\n";
  EXPECT_EQ(SettingsFileToRead(installed), installed.settingsFile) << "the user's own file";

  const Layout homeless{true, At("usr/games"), At("usr/share/games/skyscrub"), ""};
  EXPECT_EQ(SettingsFileToRead(homeless), shipped) << "no configuration folder at all";

  const Layout portable{false, At("game"), At("game/components"), SettingsPath(At("game"))};
  EXPECT_EQ(ShippedSettingsFile(portable), "");
  EXPECT_EQ(SettingsFileToRead(portable), portable.settingsFile) << "a game folder's file is the only one";
}

class SaveTest : public LayoutTest {
 protected:
  Layout Installed(const std::string& configHome) const {
    return {true, At("usr/games"), At("usr/share/games/skyscrub"), PerUserSettingsFile({configHome, At("home")})};
  }
};

// A new user has no configuration folder at all yet: both levels are made, private to the user.
TEST_F(SaveTest, InstalledGameMakesThePerUserFolderOnTheFirstSave) {
  const Layout layout = Installed("");
  Folder("home");
  ASSERT_TRUE(SaveSettingsFile(layout, layout.settingsFile, Format(10, 1, 0)));
  EXPECT_EQ(ReadWholeFile(layout.settingsFile), "10\r\n1\r\n0\r\n");
#ifndef _WIN32  // Windows folders have no mode bits: a profile's folders are its user's
  for (const char* folder : {"home/.config", "home/.config/skyscrub"}) {
    EXPECT_EQ(fs::status(At(folder)).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
  }
#endif
  ASSERT_TRUE(SaveSettingsFile(layout, layout.settingsFile, Format(5, 0, 1)));
  EXPECT_EQ(ReadWholeFile(layout.settingsFile), "5\r\n0\r\n1\r\n");
}

// Checks that hold for the super-user too: a file where a folder must go, and no home at all.
TEST_F(SaveTest, InstalledGameFailsWhenThePerUserFolderCannotBeMade) {
  std::ofstream(At("not-a-folder")) << "x";
  const Layout blocked = Installed(At("not-a-folder"));
  EXPECT_FALSE(SaveSettingsFile(blocked, blocked.settingsFile, Format(10, 1, 1)));
  EXPECT_EQ(ReadWholeFile(At("not-a-folder")), "x");

  const Layout homeless{true, At("usr/games"), At("usr/share/games/skyscrub"), PerUserSettingsFile({"", ""})};
  EXPECT_FALSE(SaveSettingsFile(homeless, homeless.settingsFile, Format(10, 1, 1)));
}

TEST_F(SaveTest, PortableGameNeverMakesItsComponentsFolder) {
  const std::string programs = Folder("game");
  const Layout layout = FindLayout(programs, {"", At("home")});
  EXPECT_FALSE(SaveSettingsFile(layout, layout.settingsFile, Format(10, 1, 1)));
  EXPECT_FALSE(fs::exists(At("game/components")));
}

}  // namespace
}  // namespace skyscrub::settings
