// The browser game's pieces that need no browser: the play clock that stops while the page is
// hidden, the running time the main tick is measured against, the page's display, and the
// options form on the options dialog's logic.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "../settings/game_folder_fixture.h"
#include "platform/web/options_form.h"
#include "platform/web/page_display.h"
#include "platform/web/play_clock.h"
#include "platform/web/running_time.h"

namespace skyscrub::web {
namespace {

// A case's name as GoogleTest takes it: its letters and digits, anything else an underscore.
constexpr auto kCaseName = [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
};

// A page's life: at `at` ms it is hidden or shown; then the clock is read at `readAt` ms.
struct ClockCase {
  const char* name;
  std::vector<std::pair<double, bool>> hiddenAt;  // (page ms, hidden)
  double readAt;
  PlayClock::Micros played;
};

const ClockCase kClockCases[] = {
    {"never hidden: the page's clock", {}, 1234.5, 1'234'500},
    {"hidden: stands still", {{1000, true}}, 5000, 1'000'000},
    {"shown again: goes on where it stopped", {{1000, true}, {4000, false}}, 4500, 1'500'000},
    {"hidden twice", {{1000, true}, {4000, false}, {5000, true}, {9000, false}}, 9250, 2'250'000},
    {"a repeated hide keeps the first", {{1000, true}, {2000, true}, {3000, false}}, 3000, 1'000'000},
    {"a show while shown changes nothing", {{1000, false}}, 2000, 2'000'000},
};

class PlayClockTest : public testing::TestWithParam<ClockCase> {};

TEST_P(PlayClockTest, CountsOnlyTheTimeThePageWasShown) {
  PlayClock clock;
  for (const auto& [at, hidden] : GetParam().hiddenAt) {
    if (hidden) {
      clock.Hide(at);
    } else {
      clock.Show(at);
    }
  }
  EXPECT_EQ(clock.Now(GetParam().readAt), GetParam().played);
}

INSTANTIATE_TEST_SUITE_P(Pages, PlayClockTest, testing::ValuesIn(kClockCases), kCaseName);

// A timer switched on and off: (µs, running) notes, then the total read at `readAt`.
struct RunningCase {
  const char* name;
  std::vector<std::pair<RunningTime::Micros, bool>> notes;
  RunningTime::Micros readAt;
  RunningTime::Micros total;
};

const RunningCase kRunningCases[] = {
    {"never on", {}, 5000, 0},
    {"on since", {{1000, true}}, 4500, 3500},
    {"on then off: stops counting", {{1000, true}, {3000, false}}, 9000, 2000},
    {"on twice: both spells", {{1000, true}, {3000, false}, {5000, true}, {6000, false}, {8000, true}}, 8500, 3500},
    {"a repeated note keeps the first", {{1000, true}, {2000, true}, {3000, false}, {4000, false}}, 5000, 2000},
    {"read before it was switched on", {{1000, true}}, 900, 0},
};

class RunningTimeTest : public testing::TestWithParam<RunningCase> {};

TEST_P(RunningTimeTest, SumsTheSpellsTheTimerWasOn) {
  RunningTime time;
  for (const auto& [at, running] : GetParam().notes) time.Note(running, at);
  EXPECT_EQ(time.Total(GetParam().readAt), GetParam().total);
}

INSTANTIATE_TEST_SUITE_P(Timers, RunningTimeTest, testing::ValuesIn(kRunningCases), kCaseName);

TEST(PageDisplay, IsAnEightHundredBySixHundredDesktopThatSetsOnlyItsOwnSize) {
  PageDisplay display;
  EXPECT_EQ(display.CurrentSize().width, 800);
  EXPECT_EQ(display.CurrentSize().height, 600);
  EXPECT_EQ(display.TestMode(800, 600), ModeTest::Successful);
  EXPECT_EQ(display.TestMode(1024, 768), ModeTest::NotPossible);
  EXPECT_EQ(display.TestMode(640, 480), ModeTest::NotPossible);
  display.answer = ModeTest::Restart;  // as the browser tests set it
  EXPECT_EQ(display.TestMode(800, 600), ModeTest::Restart);
}

class OptionsFormTest : public settings::GameFolderTest {};

TEST_F(OptionsFormTest, OpensWithTheDialogsDefaultsWithoutASettingsFile) {
  EXPECT_EQ(PageText(OpenForm(File())), "10\n1\n1");
}

TEST_F(OptionsFormTest, OpensWithTheSettingsFilesValues) {
  Put("25\r\n0\r\n1\r\n");
  EXPECT_EQ(PageText(OpenForm(File())), "25\n0\n1");
}

TEST_F(OptionsFormTest, RefusesASpeedOutOfRangeWithTheDialogsMessageAndWritesNothing) {
  const FormOutcome outcome = SaveForm({"0", true, true}, path_);
  EXPECT_EQ(PageText(outcome), std::string("0\n0\n") + std::string(settings::kInvalidSpeedTitle) + "\n" +
                                   std::string(settings::kInvalidSpeedText));
  EXPECT_FALSE(File().has_value());
}

TEST_F(OptionsFormTest, SavesTheSettingsFileAndShowsTheSpeedBackAsConverted) {
  const FormOutcome outcome = SaveForm({" 25", false, true}, path_);  // music off, sound on
  EXPECT_EQ(PageText(outcome), "1\n25\n\n");
  EXPECT_EQ(File(), "25\r\n1\r\n0\r\n");
  EXPECT_EQ(PageText(OpenForm(File())), "25\n1\n0");
}

TEST_F(OptionsFormTest, TellsThePageWhenTheFileCannotBeWritten) {
  std::filesystem::remove_all(components_);
  const FormOutcome outcome = SaveForm({"10", true, true}, path_);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.title, settings::kWriteFailedTitle);
}

}  // namespace
}  // namespace skyscrub::web
