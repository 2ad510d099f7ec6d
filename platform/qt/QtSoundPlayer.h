#pragma once
// Plays a PCM wave file held in memory through Qt Multimedia's audio sink.

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <memory>
#include <string>

#include "platform/SoundPlayer.h"

class QAudioSink;

namespace moyo::platform {

class QtSoundPlayer : public SoundPlayer {
 public:
  // `wave` is a whole RIFF wave file of 8- or 16-bit PCM. A file that is not
  // one, or a machine without an audio output, makes the player silent.
  explicit QtSoundPlayer(const std::string& wave);
  ~QtSoundPlayer() override;

  void Play() override;
  // True when the wave was understood and an audio output exists.
  bool CanSound() const { return sink_ != nullptr; }

 private:
  QByteArray samples_;
  QBuffer buffer_;
  std::unique_ptr<QAudioSink> sink_;
};

// The format and sample bytes of a PCM RIFF wave file; false when the bytes
// are not a complete one.
bool ParseWave(const std::string& wave, QAudioFormat& format, QByteArray& samples);

}  // namespace moyo::platform
