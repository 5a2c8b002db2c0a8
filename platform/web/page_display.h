#pragma once
// The display as the browser game sees it: an 800 x 600 desktop that lists only its own size.
// The page scales the canvas and goes full screen by itself, never changing a mode, so the
// game's switch to 800 x 600 is taken at once, without a message, and nothing is ever restarted.
#include "platform/platform.h"

namespace skyscrub::web {

class PageDisplay final : public Display {
 public:
  static constexpr DisplaySize kSize{800, 600};

  DisplaySize CurrentSize() override { return kSize; }
  ModeTest TestMode(std::int32_t width, std::int32_t height) override {
    return width == kSize.width && height == kSize.height ? ModeTest::Successful : ModeTest::NotPossible;
  }
  void ApplyMode(std::int32_t, std::int32_t) override {}
  void RequestRestart() override {}
};

}  // namespace skyscrub::web
