#pragma once
// A fresh program folder with its "components" folder and no settings file yet,
// removed after each test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "settings/file_access.h"
#include "scratch_folder.h"
#include "settings/settings_file.h"

namespace skyscrub::settings {

class GameFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeScratchFolder("skyscrub-settings-");
    ASSERT_FALSE(folder_.empty());
    components_ = folder_ / "components";
    std::filesystem::create_directory(components_);
    path_ = SettingsPath(folder_.string());
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  void Put(const std::string& content) const { std::ofstream(path_, std::ios::binary) << content; }
  std::optional<std::string> File() const { return ReadWholeFile(path_); }

  std::filesystem::path folder_;
  std::filesystem::path components_;
  std::string path_;  // the settings file
};

}  // namespace skyscrub::settings
