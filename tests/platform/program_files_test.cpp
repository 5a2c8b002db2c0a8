// The program folder, the reading of small text files and the game's sound paths.
#include "platform/sdl/program_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace skyscrub::sdl {
namespace {

namespace fs = std::filesystem;

class TextFiles : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("skyscrub_files_" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::string& content) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }
};

TEST_F(TextFiles, ReadsASettingsFileExactly) {
  EXPECT_EQ(ReadSmallTextFile(Write("gamedata.jpc", "10\r\n1\r\n0\r\n")), "10\r\n1\r\n0\r\n");
  EXPECT_EQ(ReadSmallTextFile(Write("empty", "")), "");
}

TEST_F(TextFiles, ReadsOnlyTheStartOfAHugeFile) {
  const std::string content = ReadSmallTextFile(Write("huge", std::string(kMaxTextFileBytes * 3, '7'))).value();
  EXPECT_EQ(content.size(), kMaxTextFileBytes);
}

TEST_F(TextFiles, FailsOnWhatIsNoFile) {
  EXPECT_EQ(ReadSmallTextFile((dir / "missing").string()), std::nullopt);
  EXPECT_EQ(ReadSmallTextFile(dir.string()), std::nullopt);
  EXPECT_EQ(ReadSmallTextFile("/dev/zero"), std::nullopt);
}

TEST(NativePath, TurnsTheGamesBackslashesIntoSlashes) {
  EXPECT_EQ(NativePath("/opt/game\\components\\sound\\xplode2.wav"), "/opt/game/components/sound/xplode2.wav");
  EXPECT_EQ(NativePath("/opt/game/components/sound/music1.mid"), "/opt/game/components/sound/music1.mid");
}

}  // namespace
}  // namespace skyscrub::sdl
