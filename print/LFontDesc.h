#pragma once
// A printed text's font by name, point size and style, made for a canvas.

#include <string>

#include "platform/Canvas.h"

namespace moyo {

// "굴림체" in CP949: the Korean monospaced face of every printed diagram and page text.
inline constexpr const char* kPrintFontName = "\xB1\xBC\xB8\xB2\xC3\xBC";

class LFontDesc {
 public:
  // name in CP949; size in points (its absolute value is kept); style of platform::FontStyle bits.
  LFontDesc(std::string name, unsigned style, int size);

  // The font for canvas: character height Size x (vertical dots per inch) / 72 device units.
  platform::FontSpec MakeFont(const platform::Canvas& canvas) const;

  std::string Name;
  int Size = 0;
  unsigned Style = platform::kRegular;
};

}  // namespace moyo
