#include "platform/sdl_common/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <system_error>

namespace skyscrub::sdl {

namespace {

// MIDI music goes through FluidSynth with the first General MIDI sound font found.
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3"};

void ChooseSoundFont() {
  for (const char* font : kSoundFonts) {
    std::error_code error;
    if (std::filesystem::is_regular_file(font, error)) {
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

// 32 kHz keeps every sound up to 16 kHz; the MIDI synthesiser, which costs the idle title
// screen more than everything else together, works a quarter less than at 44.1 kHz. A
// 1024-sample buffer is 32 ms: a shot is heard within a couple of frames.
constexpr int kSampleRate = 32000;
constexpr int kBufferSamples = 1024;

}  // namespace

AudioDevice::AudioDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  ChooseSoundFont();
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, 2, kBufferSamples) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);  // one effect channel: a new effect cuts off the last
  open_ = true;
}

AudioDevice::~AudioDevice() {
  if (!open_) return;
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace skyscrub::sdl
