#include "platform/qt/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtGlobal>
#include <cstdint>

namespace moyo::platform {
namespace {

std::uint32_t ReadLe(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

// Qt Multimedia warns on standard error whenever the machine has no sound
// server. A viewer without sound is a normal case (it plays silently), so
// that warning is kept back while the default output is looked up; every other
// message goes on as before.
QtMessageHandler passOn = nullptr;

void WithoutSoundServerWarning(QtMsgType type, const QMessageLogContext& context,
                               const QString& text) {
  if (text.startsWith(QLatin1String("PulseAudioService:"))) return;
  passOn(type, context, text);
}

QAudioDevice DefaultOutput() {
  passOn = qInstallMessageHandler(WithoutSoundServerWarning);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  qInstallMessageHandler(passOn);
  return device;
}

}  // namespace

bool ParseWave(const std::string& wave, QAudioFormat& format, QByteArray& samples) {
  if (wave.size() < 12 || wave.compare(0, 4, "RIFF") != 0 || wave.compare(8, 4, "WAVE") != 0) {
    return false;
  }
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= wave.size()) {
    const std::string id = wave.substr(at, 4);
    const std::size_t size = ReadLe(wave, at + 4, 4);
    const std::size_t body = at + 8;
    if (size > wave.size() - body) return false;
    if (id == "fmt " && size >= 16) {
      const std::uint32_t tag = ReadLe(wave, body, 2);
      const int channels = static_cast<int>(ReadLe(wave, body + 2, 2));
      const int rate = static_cast<int>(ReadLe(wave, body + 4, 4));
      const std::uint32_t bits = ReadLe(wave, body + 14, 2);
      if (tag != 1 || channels < 1 || channels > 2 || rate <= 0 || (bits != 8 && bits != 16)) {
        return false;
      }
      format.setSampleRate(rate);
      format.setChannelCount(channels);
      format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
      haveFormat = true;
    } else if (id == "data" && haveFormat) {
      samples = QByteArray(wave.data() + body, static_cast<qsizetype>(size));
      return true;
    }
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return false;
}

QtSoundPlayer::QtSoundPlayer(const std::string& wave) {
  QAudioFormat format;
  if (!ParseWave(wave, format, samples_)) return;
  const QAudioDevice device = DefaultOutput();
  if (device.isNull() || !device.isFormatSupported(format)) return;
  buffer_.setBuffer(&samples_);
  sink_ = std::make_unique<QAudioSink>(device, format);
}

QtSoundPlayer::~QtSoundPlayer() {
  if (sink_) sink_->stop();
}

void QtSoundPlayer::Play() {
  if (!sink_) return;
  // Cut off a sound still playing and start again from the first sample.
  sink_->stop();
  buffer_.close();
  buffer_.open(QIODevice::ReadOnly);
  sink_->start(&buffer_);
}

}  // namespace moyo::platform
