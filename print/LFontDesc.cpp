#include "print/LFontDesc.h"

#include <cstdlib>
#include <limits>
#include <utility>

namespace moyo {

LFontDesc::LFontDesc(std::string name, unsigned style, int size)
    : Name(std::move(name)),
      Size(size == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max()
                                                   : std::abs(size)),
      Style(style) {}

platform::FontSpec LFontDesc::MakeFont(const platform::Canvas& canvas) const {
  platform::FontSpec font;
  font.face = Name;
  // 64-bit product: a large point size at 600 dpi must not overflow.
  font.pixelHeight = static_cast<int>(static_cast<long long>(Size) * canvas.DotsPerInchY() / 72);
  font.style = Style;
  // The face's own character set: Latin faces keep their letters, and Korean
  // text in them falls back to a Hangul face.
  font.charset = platform::Charset::Default;
  return font;
}

}  // namespace moyo
