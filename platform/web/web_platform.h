#pragma once
// The system as the browser game sees it: the SDL family's keyboard, gamepads, effects and
// window frame as on the desktop, and the page's touch controls, music, display, dialogs, files
// and clock.
#include <SDL.h>

#include "platform/input/touch_controls.h"
#include "platform/platform.h"
#include "platform/sdl_common/audio_device.h"
#include "platform/sdl_common/gamepads.h"
#include "platform/sdl_common/mixer_sound.h"
#include "platform/sdl_common/music_files.h"
#include "platform/sdl_common/player_keys.h"
#include "platform/sdl_common/sdl_keyboard.h"
#include "platform/sdl_common/sdl_window_frame.h"
#include "platform/sdl_common/system_clock.h"
#include "platform/web/page_display.h"
#include "platform/web/page_music.h"
#include "platform/web/page_services.h"

namespace skyscrub::web {

struct WebPlatform {
  explicit WebPlatform(SDL_Window* window) : frame(window) {}
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  sdl::SdlKeyboard keyboard;
  sdl::Gamepads pads;
  input::TouchControls touch;
  sdl::PlayerKeys keys{keyboard, pads, &touch};
  sdl::AudioDevice audio;  // before the effects and the music, which stop before it closes
  sdl::MixerSound sound{audio, sdl::ShippedEncoding};
  PageMusic music{audio};
  PageDisplay display;
  PageMessageBoxes messages;
  sdl::SystemClock clock;
  sdl::SdlWindowFrame frame;
  PageFiles files;
  Platform platform{keys, sound, music, display, messages, clock, frame, files};
};

}  // namespace skyscrub::web
