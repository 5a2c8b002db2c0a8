// The game's music player on SDL's dummy audio driver with the game's own music files: pieces
// load in the background, the latest piece asked for is the one that ends up playing, a piece
// that cannot be loaded leaves silence, and the player can go away while a load is under way.
#include "platform/sdl/mixer_music.h"
#include "platform/sdl_common/music_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace skyscrub::sdl {
namespace {

const std::string kSoundDir = SKYSCRUB_SOUND_DIR;

std::string SoundFile(const std::string& name) { return kSoundDir + "/" + name; }

class MusicOnDummyAudio : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(device.open()) << SDL_GetError(); }

  AudioDevice device;
  std::optional<MixerMusic> music{std::in_place, device};
};

// What is playing once the player has settled: the kind of file, or MUS_NONE for silence.
Mix_MusicType Playing() { return Mix_PlayingMusic() != 0 ? Mix_GetMusicType(nullptr) : MUS_NONE; }

// What a MIDI theme plays as: MIDI where SDL2_mixer synthesises it, else its Ogg Vorbis rendering.
Mix_MusicType ThemeType() { return MusicFile(SoundFile("music1.mid")).ends_with(".ogg") ? MUS_OGG : MUS_MID; }

struct RequestsCase {
  const char* name;
  std::vector<const char*> files;  // asked for in this order, without waiting in between
  Mix_MusicType expected;
};

void PrintTo(const RequestsCase& c, std::ostream* out) { *out << c.name; }

class Requests : public MusicOnDummyAudio, public ::testing::WithParamInterface<RequestsCase> {};

TEST_P(Requests, TheLatestPieceAskedForEndsUpPlayingOrSilenceIfItCannotLoad) {
  for (const char* file : GetParam().files) music->Play(SoundFile(file), 1, 100);
  music->WaitUntilSettled();
  EXPECT_EQ(Playing(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    MixerMusic, Requests,
    ::testing::Values(RequestsCase{"Midi", {"music1.mid"}, ThemeType()}, RequestsCase{"Wave", {"music3.wav"}, MUS_WAV},
                      RequestsCase{"Missing", {"missing.mid"}, MUS_NONE},
                      RequestsCase{"PlayableThenMissing", {"music1.mid", "missing.mid"}, MUS_NONE},
                      RequestsCase{"MissingThenPlayable", {"missing.mid", "music1.mid"}, ThemeType()},
                      RequestsCase{"MidiThenWave", {"music1.mid", "music2.mid", "music4.wav"}, MUS_WAV},
                      RequestsCase{"WaveThenMidi", {"music3.wav", "music2.mid"}, ThemeType()}),
    [](const ::testing::TestParamInfo<RequestsCase>& info) { return std::string(info.param.name); });

// A wave, and a theme SDL2_mixer synthesises, play at the asked volume; a theme's rendering carries
// the game's music volume in its samples and plays at full volume.
TEST_F(MusicOnDummyAudio, StartsAtTheAskedVolume) {
  const struct {
    const char* file;
    Mix_MusicType type;
    int volume;
  } cases[] = {{"music1.mid", ThemeType(), ThemeType() == MUS_OGG ? MIX_MAX_VOLUME : MIX_MAX_VOLUME / 2},
               {"music3.wav", MUS_WAV, MIX_MAX_VOLUME / 2}};
  for (const auto& c : cases) {
    music->Play(SoundFile(c.file), 1, 50);
    music->WaitUntilSettled();
    ASSERT_EQ(Playing(), c.type) << c.file;
    EXPECT_EQ(Mix_VolumeMusic(-1), c.volume) << c.file;
  }
}

TEST_F(MusicOnDummyAudio, ANewPieceStopsTheOldOneBeforePlayReturns) {
  music->Play(SoundFile("music3.wav"), 1, 100);
  music->WaitUntilSettled();
  ASSERT_EQ(Playing(), MUS_WAV);
  music->Play(SoundFile("music1.mid"), 1, 100);
  // The wave is gone; a rendered theme (Ogg Vorbis) loads so fast that it may play already.
  EXPECT_NE(Playing(), MUS_WAV);
  music->WaitUntilSettled();
  EXPECT_EQ(Playing(), ThemeType());
}

// The leak check of the sanitizer build catches a piece left behind.
TEST_F(MusicOnDummyAudio, GoesAwayWhilePiecesAreLoadingAndLeavesSilence) {
  music->Play(SoundFile("music1.mid"), 1, 100);
  music->Play(SoundFile("music2.mid"), 1, 100);
  music.reset();
  EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MusicOnDummyAudio, GoesAwayWhileAPieceIsPlayingAndStopsIt) {
  music->Play(SoundFile("music3.wav"), 1, 100);
  music->WaitUntilSettled();
  ASSERT_EQ(Playing(), MUS_WAV);
  music.reset();
  EXPECT_EQ(Mix_PlayingMusic(), 0);
}

}  // namespace
}  // namespace skyscrub::sdl
