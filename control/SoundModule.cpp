// libmoyoscope-sound.so: the stone sound's player. Qt Multimedia brings the
// sound server's client and a dozen codec libraries with it, tens of
// milliseconds of loading, so it lives in a module of its own that the viewer
// loads when the first stone sounds.

#include "control/SoundModule.h"

#include <string>

#include "platform/qt/QtSoundPlayer.h"

moyo::platform::SoundPlayer* MoyoscopeCreateSoundPlayer(const char* wave, std::size_t size) {
  return new moyo::platform::QtSoundPlayer(std::string(wave, size));
}
