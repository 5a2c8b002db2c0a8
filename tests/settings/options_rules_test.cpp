// The options dialog's logic: loading the controls, validating the speed, saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game_folder_fixture.h"
#include "settings/options_rules.h"

namespace skyscrub::settings {
namespace {

namespace fs = std::filesystem;

struct Message {
  std::string title;
  std::string text;
  bool operator==(const Message&) const = default;
};

class RecordedMessages : public MessageBoxes {
 public:
  void ShowMessage(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text)});
  }
  std::vector<Message> shown;
};

const Message kInvalidSpeed{std::string(kInvalidSpeedTitle), std::string(kInvalidSpeedText)};
const Message kWriteFailed{std::string(kWriteFailedTitle), std::string(kWriteFailedText)};

// The dialog's controls over a fresh program folder.
class OptionsTest : public settings::GameFolderTest {
 protected:
  bool Save() { return SaveClicked(controls_, path_, messages_); }

  OptionsControls controls_;
  RecordedMessages messages_;
};

struct SpeedCase {
  std::string typed;
  std::string shownAfter;                // Text1 after the click
  std::optional<std::string> written;    // the file's bytes; nothing: refused with "Yikes!"
};

void PrintTo(const SpeedCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

const std::vector<SpeedCase> kSpeedCases = {
    {" 7", "7", "7\r\n1\r\n1\r\n"},
    {"12 ", "12", "12\r\n1\r\n1\r\n"},
    {"2.5", "2", "2\r\n1\r\n1\r\n"},
    {"3.5", "4", "4\r\n1\r\n1\r\n"},
    {"1", "1", "1\r\n1\r\n1\r\n"},
    {"999", "999", "999\r\n1\r\n1\r\n"},
    {"+8", "8", "8\r\n1\r\n1\r\n"},
    {"0", "0", std::nullopt},
    {"0.5", "0", std::nullopt},
    {"-5", "-5", std::nullopt},
    {"1000", "1000", std::nullopt},
    {"999.5", "1000", std::nullopt},
    {"", "", std::nullopt},
    {"   ", "   ", std::nullopt},
    {"abc", "abc", std::nullopt},
    {"-", "-", std::nullopt},
    {"99999", "99999", std::nullopt},
};

class SpeedTest : public OptionsTest, public testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedTest, ShowsTheSpeedAsUnderstoodAndSavesOnlyOneFrom1To999) {
  const SpeedCase& c = GetParam();
  controls_.speedText = c.typed;
  EXPECT_EQ(Save(), c.written.has_value());
  EXPECT_EQ(controls_.speedText, c.shownAfter);
  EXPECT_EQ(File(), c.written);
  if (c.written) {
    EXPECT_TRUE(messages_.shown.empty());
  } else {
    EXPECT_EQ(messages_.shown, std::vector<Message>{kInvalidSpeed});
  }
}

INSTANTIATE_TEST_SUITE_P(Typed, SpeedTest, testing::ValuesIn(kSpeedCases));

struct LoadCase {
  std::string name;
  std::optional<std::string> content;  // nothing: no file
  OptionsControls shown;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

const OptionsControls kDesigned{};

const std::vector<LoadCase> kLoadCases = {
    {"NoFile", std::nullopt, kDesigned},
    {"Defaults", "10\r\n1\r\n1\r\n", {"10", true, true}},
    {"SoundOffMusicOn", "5\r\n0\r\n1\r\n", {"5", true, false}},
    {"BothOff", "250\r\n0\r\n0\r\n", {"250", false, false}},
    {"OneLine", "20,0,1", {"20", true, false}},
    {"TwoLinesOnly", "20\r\n0\r\n", kDesigned},
    {"EmptyFile", "", kDesigned},
    {"SpeedNotANumber", "fast\r\n0\r\n0\r\n", kDesigned},
    {"SpeedTooLarge", "70000\r\n0\r\n0\r\n", kDesigned},
    {"MusicNotANumber", "20\r\n0\r\nloud\r\n", kDesigned},
    {"SoundNotANumberLeavesOnlySound", "20\r\nquiet\r\n0\r\n", {"20", false, true}},
    {"EmptySoundLineIsOff", "20\r\n\r\n1\r\n", {"20", true, false}},
    {"HandEditedSpeedShown", "1000\r\n1\r\n1\r\n", {"1000", true, true}},
    {"NegativeSpeedShown", "-5\r\n1\r\n1\r\n", {"-5", true, true}},
    {"FractionalSpeedShownRounded", "2.5\r\n1\r\n1\r\n", {"2", true, true}},
    {"FlagsOtherThanOneClearTheBoxes", "20\r\n2\r\n-1\r\n", {"20", false, false}},
};

class LoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, SetsTheControlsOnlyFromAWholeFile) {
  OptionsControls controls;
  LoadOptions(controls, GetParam().content);
  EXPECT_EQ(controls.speedText, GetParam().shown.speedText);
  EXPECT_EQ(controls.musicTicked, GetParam().shown.musicTicked);
  EXPECT_EQ(controls.soundTicked, GetParam().shown.soundTicked);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTest, testing::ValuesIn(kLoadCases),
                         [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

// Every layout ships the file the dialog writes when saved as it opens with no file.
TEST_F(OptionsTest, TheShippedSettingsFileIsWhatTheDialogSavesUntouched) {
  ASSERT_TRUE(Save());
  EXPECT_EQ(File(), ReadWholeFile(SKYSCRUB_SHIPPED_SETTINGS));
}

TEST_F(OptionsTest, SavesBothBoxesClearedAsZeros) {
  controls_.musicTicked = false;
  controls_.soundTicked = false;
  ASSERT_TRUE(Save());
  EXPECT_EQ(File(), "10\r\n0\r\n0\r\n");
}

TEST_F(OptionsTest, WritesSoundOnLineTwoAndMusicOnLineThree) {
  controls_.musicTicked = false;
  ASSERT_TRUE(Save());
  EXPECT_EQ(File(), "10\r\n1\r\n0\r\n");
}

TEST_F(OptionsTest, MalformedFileThenSaveWritesACompleteFile) {
  Put("10\r\n0");
  LoadOptions(controls_, File());
  ASSERT_TRUE(Save());
  EXPECT_EQ(File(), "10\r\n1\r\n1\r\n");
}

TEST_F(OptionsTest, HandEditedSpeedIsRefusedUntilChanged) {
  Put("1000\r\n0\r\n0\r\n");
  LoadOptions(controls_, File());
  EXPECT_FALSE(Save());
  EXPECT_EQ(File(), "1000\r\n0\r\n0\r\n");
  controls_.speedText = "999";
  EXPECT_TRUE(Save());
  EXPECT_EQ(File(), "999\r\n0\r\n0\r\n");
  EXPECT_EQ(messages_.shown, std::vector<Message>{kInvalidSpeed});
}

TEST_F(OptionsTest, MissingComponentsFolderShowsTheWriteMessage) {
  fs::remove(components_);
  LoadOptions(controls_, File());
  EXPECT_FALSE(Save());
  EXPECT_EQ(messages_.shown, std::vector<Message>{kWriteFailed});
  EXPECT_FALSE(fs::exists(components_));
}

TEST_F(OptionsTest, ReadOnlyFileShowsTheWriteMessageAndStaysAsItWas) {
  Put("30\r\n1\r\n1\r\n");
  fs::permissions(path_, fs::perms::owner_read);
  controls_.speedText = "40";
  EXPECT_FALSE(Save());
  EXPECT_EQ(messages_.shown, std::vector<Message>{kWriteFailed});
  EXPECT_EQ(File(), "30\r\n1\r\n1\r\n");
}

}  // namespace
}  // namespace skyscrub::settings
