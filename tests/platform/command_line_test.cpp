// The game's command line: what each line plays, shows or refuses, that the help lists every
// option the reader takes, and the window each asks for.
#include "platform/sdl/command_line.h"
#include "platform/sdl/window_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyscrub::sdl {
namespace {

CommandLine Read(const std::vector<const char*>& args) {
  std::vector<const char*> argv{"Skyscrub"};
  argv.insert(argv.end(), args.begin(), args.end());
  return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

using Action = CommandLine::Action;

struct LineCase {
  const char* name;
  std::vector<const char*> args;
  Action action;
  Presentation presentation = Presentation::Specified;
  std::int32_t scale = 0;
  const char* errorMentions = "";  // for a refused line, a part of its message
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class Lines : public ::testing::TestWithParam<LineCase> {};

TEST_P(Lines, ReadAsThePlayerMeantThem) {
  const LineCase& c = GetParam();
  const CommandLine line = Read(c.args);
  EXPECT_EQ(line.action, c.action);
  if (c.action == Action::Refuse) {
    EXPECT_NE(line.error.find(c.errorMentions), std::string::npos) << line.error;
    EXPECT_EQ(line.error.find('\n'), std::string::npos) << "one line: " << line.error;
    return;
  }
  if (c.action != Action::Play) return;
  EXPECT_EQ(line.options.presentation, c.presentation);
  EXPECT_EQ(line.options.windowScale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Lines,
    ::testing::Values(
        LineCase{"Nothing", {}, Action::Play},
        LineCase{"WindowOfTheLargestScale", {"--window"}, Action::Play, Presentation::Window, 0},
        LineCase{"WindowOfScaleTwo", {"--window=2"}, Action::Play, Presentation::Window, 2},
        LineCase{"WindowAsLargeAsFits", {"--window=max"}, Action::Play, Presentation::Window, kLargestWindow},
        LineCase{"LeadingZeros", {"--window=003"}, Action::Play, Presentation::Window, 3},
        LineCase{"HugeScaleKeptHuge", {"--window=99999999999999999999"}, Action::Play, Presentation::Window, 2147483647},
        LineCase{"FullScreen", {"--fullscreen"}, Action::Play, Presentation::FullScreen},
        LineCase{"WindowWithRecording", {"--record", "game.trace", "--window=1"}, Action::Play, Presentation::Window, 1},
        LineCase{"HelpWins", {"--window", "--help", "--version"}, Action::Help},
        LineCase{"Version", {"--fullscreen", "--version"}, Action::Version},
        LineCase{"ScaleZero", {"--window=0"}, Action::Refuse, {}, 0, "'0'"},
        LineCase{"ScaleNegative", {"--window=-2"}, Action::Refuse, {}, 0, "'-2'"},
        LineCase{"ScaleNotANumber", {"--window=big"}, Action::Refuse, {}, 0, "'big'"},
        LineCase{"ScaleWithSign", {"--window=+2"}, Action::Refuse, {}, 0, "'+2'"},
        LineCase{"ScaleFraction", {"--window=1.5"}, Action::Refuse, {}, 0, "'1.5'"},
        LineCase{"ScaleEmpty", {"--window="}, Action::Refuse, {}, 0, "whole number"},
        LineCase{"ScaleAsNextArgument", {"--window", "2"}, Action::Refuse, {}, 0, "'2'"},
        LineCase{"FullScreenWithValue", {"--fullscreen=1"}, Action::Refuse, {}, 0, "no value"},
        LineCase{"BothModes", {"--window", "--fullscreen"}, Action::Refuse, {}, 0, "at most"},
        LineCase{"WindowTwice", {"--window=2", "--window=3"}, Action::Refuse, {}, 0, "at most"},
        LineCase{"UnknownOption", {"--windowed"}, Action::Refuse, {}, 0, "'--windowed'"},
        LineCase{"RecordWithoutFile", {"--record"}, Action::Refuse, {}, 0, "file name"},
        LineCase{"PlayInAWindowOfTheLargestScale", {"--play", "game.trace"}, Action::Play, Presentation::Window, 0},
        LineCase{"PlayFullScreen", {"--play=game.trace", "--fullscreen"}, Action::Play, Presentation::FullScreen},
        LineCase{"PlayInAWindowOfScaleOne", {"--window=1", "--play", "g"}, Action::Play, Presentation::Window, 1},
        LineCase{"PlayWithoutFile", {"--play"}, Action::Refuse, {}, 0, "file name"},
        LineCase{"PlayAndRecord", {"--play", "a", "--record", "b"}, Action::Refuse, {}, 0, "cannot go together"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Usage, TellsHowToWatchARecording) {
  const std::string usage = Usage("skyscrub", "skyscrub-setup");
  for (const char* words : {"--play FILE", "Space pauses", "Escape stops", "13 cut off"}) {
    EXPECT_NE(usage.find(words), std::string::npos) << words;
  }
}

TEST(Usage, ListsEveryOptionAndNamesBothProgramsAsGiven) {
  const std::string usage = Usage("skyscrub", "skyscrub-setup");
  for (const char* option : {"--window[=N]", "--window=max", "--fullscreen", "--record FILE", "--help", "--version"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
  EXPECT_TRUE(usage.starts_with("Usage: skyscrub [OPTION]")) << usage;
  EXPECT_NE(usage.find("made with skyscrub-setup."), std::string::npos) << usage;
  EXPECT_EQ(usage.find("Skyscrub"), usage.find("Skyscrub: shoot")) << "no other capitalised program name";
  EXPECT_EQ(usage.find("skyscrub-trace"), std::string::npos) << "a tool an installed game does not have";
}

// A window as large as fits, at any scale: the largest of the canvas's shape in the primary
// display's usable area; a whole scale takes the first display it fits.
TEST(WindowPlan, SizesTheWindowAsAsked) {
  struct Case {
    std::int32_t scale;
    std::vector<SDL_Rect> usable;
    int width, height;
  };
  const Case cases[] = {
      {kLargestWindow, {{0, 0, 1920, 1050}}, 1400, 1050},
      {kLargestWindow, {{0, 0, 1366, 740}}, 986, 740},
      {kLargestWindow, {{0, 0, 1000, 2000}}, 1000, 750},
      {0, {{0, 0, 1920, 1050}}, 800, 600},
      {2, {{0, 0, 1366, 740}, {1366, 0, 2560, 1400}}, 1600, 1200},
  };
  for (const Case& c : cases) {
    Options options;
    options.presentation = Presentation::Window;
    options.windowScale = c.scale;
    const WindowPlan plan = PlanWindow(options, c.usable);
    EXPECT_TRUE(plan.refusal.empty()) << plan.refusal;
    EXPECT_EQ(plan.rect.w, c.width) << "scale " << c.scale << " on " << c.usable.front().w;
    EXPECT_EQ(plan.rect.h, c.height) << "scale " << c.scale << " on " << c.usable.front().w;
  }
}

}  // namespace
}  // namespace skyscrub::sdl
