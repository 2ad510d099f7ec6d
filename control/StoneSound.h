#pragma once
// The form's stone sound: the toc played through the sound module.

#include <memory>

#include "platform/SoundPlayer.h"

namespace moyo {

// The form's player of the toc. It loads the sound module (and opens the audio
// output) when the first stone sounds, not when the form is made; it stays
// silent when the module is missing.
std::unique_ptr<platform::SoundPlayer> MakeStoneSoundPlayer();

}  // namespace moyo
