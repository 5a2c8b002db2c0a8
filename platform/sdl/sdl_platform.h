#pragma once
// The system as the real game sees it: every platform interface realised with SDL2.
#include <SDL.h>

#include "platform/platform.h"
#include "platform/sdl/command_line.h"
#include "platform/sdl/mixer_music.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/system_services.h"
#include "platform/sdl_common/audio_device.h"
#include "platform/sdl_common/gamepads.h"
#include "platform/sdl_common/mixer_sound.h"
#include "platform/sdl_common/player_keys.h"
#include "platform/sdl_common/sdl_keyboard.h"
#include "platform/sdl_common/sdl_window_frame.h"
#include "platform/sdl_common/system_clock.h"

namespace skyscrub::sdl {

struct SdlPlatform {
  // In a presentation of the player's own the display mode is kept and the window left where
  // the player puts it.
  SdlPlatform(SDL_Window* window, Presentation presentation)
      : display(window, Scaled(presentation)), messages(window), frame(window, Scaled(presentation)) {}
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  SdlKeyboard keyboard;
  Gamepads pads;
  PlayerKeys keys{keyboard, pads};
  AudioDevice audio;  // before the effects and the music, which stop before it closes
  MixerSound sound{audio};
  MixerMusic music{audio};
  SdlDisplay display;
  SdlMessageBoxes messages;
  SystemClock clock;
  SdlWindowFrame frame;
  SystemFiles files;
  Platform platform{keys, sound, music, display, messages, clock, frame, files};
};

}  // namespace skyscrub::sdl
