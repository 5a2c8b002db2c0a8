#pragma once
// The display as the browser game sees it: an 800 x 600 desktop that lists only its own size.
// The page scales the canvas and goes full screen by itself, never changing a mode, so the
// game's switch to 800 x 600 is taken at once, without a message, and nothing is ever restarted.
#include <optional>

#include "platform/platform.h"

namespace skyscrub::web {

class PageDisplay final : public Display {
 public:
  static constexpr DisplaySize kSize{800, 600};

  DisplaySize CurrentSize() override { return kSize; }
  ModeTest TestMode(std::int32_t width, std::int32_t height) override {
    if (answer) return *answer;
    return width == kSize.width && height == kSize.height ? ModeTest::Successful : ModeTest::NotPossible;
  }
  void ApplyMode(std::int32_t, std::int32_t) override {}
  void RequestRestart() override {}

  // What testing a mode answers from now on instead, as the trace tool's `modetest`: the
  // browser tests reach the game's message boxes with it, which the page's display never shows.
  std::optional<ModeTest> answer;
};

}  // namespace skyscrub::web
