// The recording's file: a write that fails (a full disk) is said once, with the tick the
// recording stopped at and why, and again when the game ends; the game plays on.
#include "platform/sdl/demo_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/recorded_game.h"

namespace skyscrub::sdl {
namespace {

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(DemoFile, AFullDiskIsSaidOnceWithItsTickAndAgainAtTheEnd) {
  std::string error;
  std::optional<DemoFile> file = DemoFile::Create("/dev/full", error);
  ASSERT_TRUE(file) << error;
  testing::internal::CaptureStderr();
  {
    RecordedGame played(*file);
    played.Load();  // its check is written out at once, and fails
    played.Move("Label7");
    played.Click("Label7");
    played.Click("Label9");
    for (int i = 0; i < 130; ++i) played.events.Deliver(kMainTick);  // two more checks
    EXPECT_FALSE(played.game.Ended()) << "the game plays on";
    played.recorder.Finish();
  }
  file->ReportAtExit();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Count(said, "Skyscrub: recording to /dev/full stopped at tick 0: No space left on device\n"), 1) << said;
  EXPECT_EQ(Count(said, "Skyscrub: recording to /dev/full is cut off: it stopped at tick 0: No space left on device\n"),
            1)
      << said;
  EXPECT_EQ(Count(said, "\n"), 2) << said;
}

TEST(DemoFile, SaysNothingWhenEveryWriteSucceeds) {
  std::string error;
  std::optional<DemoFile> file = DemoFile::Create("/dev/null", error);
  ASSERT_TRUE(file) << error;
  testing::internal::CaptureStderr();
  {
    RecordedGame played(*file);
    played.Load();
    played.recorder.Finish();
  }
  file->ReportAtExit();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace skyscrub::sdl
