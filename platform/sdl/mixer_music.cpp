#include "platform/sdl/mixer_music.h"

#include "platform/sdl_common/music_start.h"
#include "platform/sdl_common/music_files.h"

namespace skyscrub::sdl {

MixerMusic::MixerMusic(const AudioDevice& device) : device_(device) {
  if (!device_.open()) return;
  worker_ = std::thread([this] {
    LoadRequests();
    SDL_TLSCleanup();  // SDL frees what it keeps per thread (its error text) only on its own threads
  });
}

MixerMusic::~MixerMusic() {
  if (!worker_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
  Mix_HaltMusic();
  music_.reset();
}

void MixerMusic::Play(const std::string& path, int playCount, int volumePercent) {
  if (!worker_.joinable()) return;
  {
    // Halting under the lock means a piece asked for earlier can no longer start after this.
    const std::lock_guard lock(mutex_);
    Mix_HaltMusic();
    latest_ = Request{path, playCount, volumePercent};
  }
  changed_.notify_all();
}

void MixerMusic::WaitUntilSettled() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return stopping_ || (!latest_ && !loading_); });
}

void MixerMusic::LoadRequests() {
  for (;;) {
    Request request;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || latest_; });
      if (stopping_) return;
      request = std::move(*latest_);
      latest_.reset();
      loading_ = true;
    }
    // The Play that asked for this piece has halted the one before, so it can go.
    music_.reset();
    MusicHandle loaded(Mix_LoadMUS(MusicFile(request.path).c_str()));
    {
      const std::lock_guard lock(mutex_);
      loading_ = false;
      const bool superseded = latest_.has_value() || stopping_;
      if (!superseded) music_ = StartMusic(std::move(loaded), request.path, request.playCount, request.volumePercent);
    }
    changed_.notify_all();
    // A superseded piece is freed here, never having played.
  }
}

}  // namespace skyscrub::sdl
