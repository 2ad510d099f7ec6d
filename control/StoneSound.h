#pragma once
// The stone sound "toc": a short wooden click, synthesized as a wave file.

#include <memory>
#include <string>

#include "platform/SoundPlayer.h"

namespace moyo {

// The whole RIFF wave file: 16-bit mono PCM at 22050 Hz, 3646 bytes.
const std::string& TocWave();

// The form's player of the toc. It loads the sound module (and opens the audio
// output) when the first stone sounds, not when the form is made; it stays
// silent when the module is missing.
std::unique_ptr<platform::SoundPlayer> MakeStoneSoundPlayer();

}  // namespace moyo
