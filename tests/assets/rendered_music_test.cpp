// The themes as the browser and Windows play them, from their renderings (the very files the
// browser build makes, cmake/EncodedSounds.cmake) at the volume their music files give a rendered
// theme, against SDL2_mixer playing the MIDI live through FluidSynth at the game's music volume, as
// the Linux desktop does: both as SDL2_mixer sends them to the sound card, whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/assets/game_playback.h"

namespace skyscrub::sound_check {
namespace {

constexpr double kWhole = 120;  // seconds, longer than either theme

TEST(RenderedMusic, EachThemePlaysAsLoudAsTheDesktopsSynthesiserPlaysIt) {
  for (const char* theme : {"music1", "music2"}) {
    const std::string midi = std::string(SKYSCRUB_SOUND_DIR) + "/" + theme + ".mid";
    const std::string asked = std::string("/components/sound/") + theme + ".mid";  // as the game names it
    const int renderedVolume = RenderedMusicMixVolume(asked);
    const Stereo whole = PlayedBySdlMixer(midi, MusicMixVolume(), kWhole);
    const Stereo fromFile = PlayedBySdlMixer(std::string(SKYSCRUB_WEB_MUSIC_DIR) + "/" + theme + ".ogg", renderedVolume, kWhole);
    // The live player lets the last notes ring out where the rendering stops with the music.
    const double seconds = std::min(whole.Seconds(), fromFile.Seconds());
    ASSERT_GT(seconds, 30) << theme;
    const Stereo desktop = whole.Slice(0, seconds), rendered = fromFile.Slice(0, seconds);
    const double desktopLufs = assetgen::IntegratedLoudness(desktop), renderedLufs = assetgen::IntegratedLoudness(rendered);
    std::printf("%s: desktop %.2f LUFS, rendered at mixer volume %d %.2f LUFS; peaks %.2f and %.2f dBFS\n", theme,
                desktopLufs, renderedVolume, renderedLufs, assetgen::SamplePeakDbfs(desktop),
                assetgen::SamplePeakDbfs(rendered));
    EXPECT_NEAR(renderedLufs, desktopLufs, 0.5) << theme;
    // Carried in 16-bit samples, the level leaves the rendering room below full scale.
    EXPECT_LT(assetgen::SamplePeakDbfs(rendered), -1) << theme;
  }
}

}  // namespace
}  // namespace skyscrub::sound_check
