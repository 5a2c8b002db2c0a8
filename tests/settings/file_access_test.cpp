// Reading the settings file and replacing it in one step.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game_folder_fixture.h"
#include "settings/program_folder.h"

namespace skyscrub::settings {
namespace {

namespace fs = std::filesystem;

// The settings folder, and everything in it, so stray temporary files show up.
class SettingsFolderTest : public GameFolderTest {
 protected:
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(components_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

using Names = std::vector<std::string>;

TEST_F(SettingsFolderTest, CreatesTheFileWithExactBytes) {
  ASSERT_TRUE(ReplaceFileAtomically(path_, Format(10, 1, 1)));
  EXPECT_EQ(File(), "10\r\n1\r\n1\r\n");
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

#ifndef _WIN32  // Windows files have no mode bits; the read-only attribute below is what it keeps
TEST_F(SettingsFolderTest, ReplacesTheWholeContentAndKeepsThePermissions) {
  Put("a much longer old content that must not survive\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(ReplaceFileAtomically(path_, "5\r\n0\r\n0\r\n"));
  EXPECT_EQ(File(), "5\r\n0\r\n0\r\n");
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}
#endif

// Even the super-user, whom the system would let write, must not replace a read-only file.
TEST_F(SettingsFolderTest, RefusesAReadOnlyFileAndLeavesItUntouched) {
  Put("7\r\n1\r\n1\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(ReplaceFileAtomically(path_, Format(10, 0, 0)));
  EXPECT_EQ(File(), "7\r\n1\r\n1\r\n");
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

TEST_F(SettingsFolderTest, RefusesAMissingComponentsFolder) {
  fs::remove(components_);
  EXPECT_FALSE(ReplaceFileAtomically(path_, Format(10, 1, 1)));
  EXPECT_FALSE(fs::exists(components_));
  EXPECT_EQ(fs::directory_iterator(folder_), fs::directory_iterator());
}

TEST_F(SettingsFolderTest, RefusesADirectoryInThePlaceOfTheFile) {
  fs::create_directory(path_);
  EXPECT_FALSE(ReplaceFileAtomically(path_, Format(10, 1, 1)));
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

#ifndef _WIN32  // the standard library makes no symbolic links on Windows
TEST_F(SettingsFolderTest, WritesThroughASymbolicLink) {
  const fs::path real = components_ / "real.jpc";
  std::ofstream(real) << "old";
  fs::create_symlink(real, path_);
  ASSERT_TRUE(ReplaceFileAtomically(path_, Format(3, 1, 0)));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadWholeFile(real.string()), "3\r\n1\r\n0\r\n");
}
#endif

// A game folder may be anywhere, under any name: the paths the programs hold are UTF-8.
TEST_F(SettingsFolderTest, ReplacesAndReadsInAFolderOfAnyName) {
  const std::string name = "Sky scrub \xC3\xBC \xE6\x97\xA5\xE6\x9C\xAC";  // "Sky scrub ü 日本"
  const std::string folder = folder_.string() + "/" + name;
  fs::create_directories(fs::path(std::u8string(folder.begin(), folder.end())) / "components");
  const std::string path = SettingsPath(folder);
  ASSERT_TRUE(ReplaceFileAtomically(path, Format(25, 1, 0)));
  EXPECT_EQ(ReadWholeFile(path), "25\r\n1\r\n0\r\n");
  EXPECT_TRUE(fs::is_regular_file(folder_ / fs::path(std::u8string(name.begin(), name.end())) / "components" / "gamedata.jpc"));
}

TEST_F(SettingsFolderTest, ReadsExactBytes) {
  const std::string bytes("\xEF\xBB\xBF" "1\r\n\0\xff\n", 9);
  Put(bytes);
  EXPECT_EQ(ReadWholeFile(path_), bytes);
}

TEST_F(SettingsFolderTest, ReadsNothingFromAMissingFileOrAFolder) {
  EXPECT_EQ(ReadWholeFile(path_), std::nullopt);
  EXPECT_EQ(ReadWholeFile(components_.string()), std::nullopt);
}

TEST_F(SettingsFolderTest, RefusesToReadAnAbsurdlyLargeFile) {
  Put("10\r\n1\r\n1\r\n");
  fs::resize_file(path_, kMaxFileBytes + 1);  // sparse: costs no disk
  EXPECT_EQ(ReadWholeFile(path_), std::nullopt);
}

TEST(RunningProgramFolderTest, IsTheFolderHoldingThisTestProgram) {
  const std::string folder = RunningProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_TRUE(fs::exists(fs::path(folder) / SKYSCRUB_TEST_PROGRAM));
}

}  // namespace
}  // namespace skyscrub::settings
