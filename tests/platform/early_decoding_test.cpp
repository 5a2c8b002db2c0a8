// Pictures decoded ahead are handed over once, as decoded; others are not held.
#include "platform/sdl_common/early_decoding.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

namespace skyscrub::sdl {
namespace {

TEST(EarlyDecoding, HandsOverEachPictureAskedForOnce) {
  IMG_Init(IMG_INIT_PNG);
  {
    EarlyDecoding early({Art::TitleScreen, Art::ShipRight});
    const SurfaceHandle title = early.Take(Art::TitleScreen);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->w, InfoOf(Art::TitleScreen).width);
    EXPECT_EQ(title->h, InfoOf(Art::TitleScreen).height);
    EXPECT_EQ(early.Take(Art::TitleScreen), nullptr) << "handed over twice";
    EXPECT_EQ(early.Take(Art::Sky), nullptr) << "never asked for";
  }  // the ship, never taken, is waited for and freed
  IMG_Quit();
}

}  // namespace
}  // namespace skyscrub::sdl
