#pragma once
// The stone sound's module, libmoyoscope-sound.so, as the viewer finds and calls it.

#include <cstddef>

namespace moyo {

namespace platform {
class SoundPlayer;
}

// The module's file name; it sits beside libmoyoscope.so.
inline constexpr const char* kSoundModuleFile = "libmoyoscope-sound.so";
// Its one entry point: a player of the wave file in `wave` (copied), owned by the caller.
inline constexpr const char* kSoundPlayerEntry = "MoyoscopeCreateSoundPlayer";
using CreateSoundPlayerFn = platform::SoundPlayer* (*)(const char* wave, std::size_t size);

}  // namespace moyo

extern "C" __attribute__((visibility("default"))) moyo::platform::SoundPlayer*
MoyoscopeCreateSoundPlayer(const char* wave, std::size_t size);
