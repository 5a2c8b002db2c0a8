// The files as the real game reads them, and its sound paths.
#include "platform/sdl_common/program_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/sdl/system_services.h"
#include "settings/file_access.h"

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

TEST_F(TextFiles, ReadsAFileWholeAndExactly) {
  SystemFiles files;
  EXPECT_EQ(files.ReadTextFile(Write("gamedata.jpc", "10\r\n1\r\n0\r\n")), "10\r\n1\r\n0\r\n");
  EXPECT_EQ(files.ReadTextFile(Write("empty", "")), "");
  // The trace tool's settings files of several MiB are read to their end, as here.
  const std::string big = std::string(std::size_t{4} * 1024 * 1024, '0') + "7\r\n1\r\n1\r\n";
  EXPECT_EQ(files.ReadTextFile(Write("big", big)), big);
}

TEST_F(TextFiles, FailsOnWhatIsNoSettingsFile) {
  SystemFiles files;
  const std::string tooLarge = Write("too_large", "");
  fs::resize_file(tooLarge, settings::kMaxFileBytes + 1);  // sparse: costs no disk
  EXPECT_EQ(files.ReadTextFile(tooLarge), std::nullopt);
  EXPECT_EQ(files.ReadTextFile((dir / "missing").string()), std::nullopt);
  EXPECT_EQ(files.ReadTextFile(dir.string()), std::nullopt);
  EXPECT_EQ(files.ReadTextFile("/dev/zero"), std::nullopt);
}

TEST(NativePath, TurnsTheGamesBackslashesIntoSlashes) {
  EXPECT_EQ(NativePath("/opt/game\\components\\sound\\xplode2.wav"), "/opt/game/components/sound/xplode2.wav");
  EXPECT_EQ(NativePath("/opt/game/components/sound/music1.mid"), "/opt/game/components/sound/music1.mid");
}

}  // namespace
}  // namespace skyscrub::sdl
