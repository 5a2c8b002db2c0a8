// Reading the settings file and replacing it in one step.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "settings/file_access.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"

namespace skyscrub::settings {
namespace {

namespace fs = std::filesystem;

// A fresh program folder with its "components" folder, removed afterwards.
class SettingsFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "skyscrub-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    fs::create_directory(folder_ / "components");
    path_ = SettingsPath(folder_.string());
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_ / "components", fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  void Put(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  std::string Get() const { return ReadWholeFile(path_).value_or("<unreadable>"); }
  // Everything in the components folder, so stray temporary files show up.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_ / "components")) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
  std::string path_;
};

using Names = std::vector<std::string>;

TEST_F(SettingsFolderTest, CreatesTheFileWithExactBytes) {
  ASSERT_TRUE(ReplaceFileAtomically(path_, Format(10, 1, 1)));
  EXPECT_EQ(Get(), "10\r\n1\r\n1\r\n");
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

TEST_F(SettingsFolderTest, ReplacesTheWholeContentAndKeepsThePermissions) {
  Put("a much longer old content that must not survive\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(ReplaceFileAtomically(path_, "5\r\n0\r\n0\r\n"));
  EXPECT_EQ(Get(), "5\r\n0\r\n0\r\n");
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

// Even the super-user, whom the system would let write, must not replace a read-only file.
TEST_F(SettingsFolderTest, RefusesAReadOnlyFileAndLeavesItUntouched) {
  Put("7\r\n1\r\n1\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(ReplaceFileAtomically(path_, Format(10, 0, 0)));
  EXPECT_EQ(Get(), "7\r\n1\r\n1\r\n");
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

TEST_F(SettingsFolderTest, RefusesAMissingComponentsFolder) {
  fs::remove(folder_ / "components");
  EXPECT_FALSE(ReplaceFileAtomically(path_, Format(10, 1, 1)));
  EXPECT_FALSE(fs::exists(folder_ / "components"));
  EXPECT_EQ(fs::directory_iterator(folder_), fs::directory_iterator());
}

TEST_F(SettingsFolderTest, RefusesADirectoryInThePlaceOfTheFile) {
  fs::create_directory(path_);
  EXPECT_FALSE(ReplaceFileAtomically(path_, Format(10, 1, 1)));
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(Entries(), Names{"gamedata.jpc"});
}

TEST_F(SettingsFolderTest, WritesThroughASymbolicLink) {
  const fs::path real = folder_ / "components" / "real.jpc";
  std::ofstream(real) << "old";
  fs::create_symlink(real, path_);
  ASSERT_TRUE(ReplaceFileAtomically(path_, Format(3, 1, 0)));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadWholeFile(real.string()), "3\r\n1\r\n0\r\n");
}

TEST_F(SettingsFolderTest, ReadsExactBytes) {
  const std::string bytes("\xEF\xBB\xBF" "1\r\n\0\xff\n", 9);
  Put(bytes);
  EXPECT_EQ(ReadWholeFile(path_), bytes);
}

TEST_F(SettingsFolderTest, ReadsNothingFromAMissingFileOrAFolder) {
  EXPECT_EQ(ReadWholeFile(path_), std::nullopt);
  EXPECT_EQ(ReadWholeFile((folder_ / "components").string()), std::nullopt);
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
  EXPECT_TRUE(fs::exists(fs::path(folder) / program_invocation_short_name));
}

}  // namespace
}  // namespace skyscrub::settings
