#pragma once
// Asynchronous playback of one short sound held in memory.

namespace moyo::platform {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Starts the sound and returns at once; a sound still playing is cut off.
  // Where the machine has no audio output nothing sounds.
  virtual void Play() = 0;
};

}  // namespace moyo::platform
