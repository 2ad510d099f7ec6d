#pragma once
// The stone sound "toc": a short wooden click, synthesized as a wave file.

#include <string>

namespace moyo {

// The whole RIFF wave file: 16-bit mono PCM at 22050 Hz, 3646 bytes.
const std::string& TocWave();

}  // namespace moyo
