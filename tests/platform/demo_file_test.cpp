// The recording's file: a write that fails (a full disk) is said once, with the tick the
// recording stopped at and why, and again when the game ends; the game plays on.
#include "platform/sdl/demo_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/recorded_game.h"

namespace skyscrub::sdl {
namespace {

// What the game says on stderr about its recording to `path`, from the title into a game of
// 130 main ticks (three checks: the first at tick 0) and to the end of the program.
std::string SaidRecordingTo(const char* path) {
  std::string error;
  std::optional<DemoFile> file = DemoFile::Create(path, error);
  if (!file) return "cannot create " + std::string(path) + ": " + error;
  testing::internal::CaptureStderr();
  {
    RecordedGame played(*file);
    played.Load();
    played.Move("Label7");
    played.Click("Label7");
    played.Click("Label9");
    for (int i = 0; i < 130; ++i) played.events.Deliver(kMainTick);
    EXPECT_TRUE(played.game.Timer1.Enabled) << "the game plays on";
    played.recorder.Finish();
  }
  file->ReportAtExit();
  return testing::internal::GetCapturedStderr();
}

TEST(DemoFile, AFullDiskIsSaidOnceWithItsTickAndAgainAtTheEnd) {
  EXPECT_EQ(SaidRecordingTo("/dev/full"),
            "Skyscrub: recording to /dev/full stopped at tick 0: No space left on device\n"
            "Skyscrub: recording to /dev/full is cut off: it stopped at tick 0: No space left on device\n");
  EXPECT_EQ(SaidRecordingTo("/dev/null"), "");
}

}  // namespace
}  // namespace skyscrub::sdl
