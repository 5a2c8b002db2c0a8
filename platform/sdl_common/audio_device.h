#pragma once
// The audio output shared by the effects and the music. Without an audio device the game
// runs silent: the effects and the music then do nothing.
namespace skyscrub::sdl {

class AudioDevice {
 public:
  AudioDevice();
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  bool open() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace skyscrub::sdl
