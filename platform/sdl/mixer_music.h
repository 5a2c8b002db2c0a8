#pragma once
// The background music on SDL2_mixer: MIDI through FluidSynth, waves directly. Loading a MIDI
// piece reads the whole sound font, so it runs on a worker thread: Play returns at once and the
// piece starts when it is ready, unless a newer piece was asked for meanwhile.
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/platform.h"
#include "platform/sdl_common/audio_device.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class MixerMusic final : public MusicPlayer {
 public:
  explicit MixerMusic(const AudioDevice& device);
  // Waits for a load in progress, then stops the music and frees it, before the device closes.
  ~MixerMusic() override;
  MixerMusic(const MixerMusic&) = delete;
  MixerMusic& operator=(const MixerMusic&) = delete;

  // Stops what plays at once and has `path` loaded and started, played `playCount` times in a
  // row; a file that cannot be loaded leaves the music silent.
  void Play(const std::string& path, int playCount, int volumePercent) override;

  // Returns once the latest piece asked for has started or proved unplayable.
  void WaitUntilSettled();

 private:
  struct Request {
    std::string path;
    int playCount = 0;
    int volumePercent = 0;
  };

  void LoadRequests();

  const AudioDevice& device_;
  std::mutex mutex_;  // guards the three below and orders halting against starting
  std::condition_variable changed_;
  std::optional<Request> latest_;  // asked for and not yet taken up by the worker
  bool loading_ = false;
  bool stopping_ = false;
  MusicHandle music_;   // the piece started last; only the worker touches it while it runs
  std::thread worker_;  // last, so it starts once everything above exists
};

}  // namespace skyscrub::sdl
