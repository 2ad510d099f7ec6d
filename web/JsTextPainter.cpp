#include "web/JsTextPainter.h"

#include <emscripten.h>

#include <algorithm>

#include "platform/FontSubstitutes.h"
#include "platform/Text.h"

// The page's side (moyoscope.js) keeps a glyph cache and a scratch canvas;
// these only hand it the font, its width in percent of its natural width and the
// UTF-8 text.
// clang-format off
EM_JS(int, moyo_text_extent, (const char* family, int pixels, int style, int stretch,
                              const char* text), {
  return Module.moyoText.extent(UTF8ToString(family), pixels, style, stretch, UTF8ToString(text));
});
EM_JS(void, moyo_text_draw, (unsigned char* pixels, int width, int height, int x, int y,
                             const char* family, int pixels_high, int style, int stretch,
                             const char* text, int rgb), {
  Module.moyoText.draw(pixels, width, height, x, y, UTF8ToString(family), pixels_high, style,
                       stretch, UTF8ToString(text), rgb);
});
// clang-format on

namespace moyo::web {
namespace {

constexpr int kNaturalStretch = 100;

struct JsFont {
  std::string family;
  int pixels;
  unsigned style;
  int stretch;  // width in percent of the natural width
};

platform::Size Measure(const JsFont& js, const std::string& utf8) {
  const int packed = moyo_text_extent(js.family.c_str(), js.pixels, static_cast<int>(js.style),
                                      js.stretch, utf8.c_str());
  return {packed >> 16, packed & 0xFFFF};
}

JsFont ToJsFont(const platform::FontSpec& font) {
  const std::string face = platform::Cp949ToUtf8(font.face);
  int pixels = font.pixelHeight;
  // Points at the screen's 96 dots per inch, rounded as the desktop rounds them.
  if (pixels <= 0) pixels = (font.pointSize * 96 + 36) / 72;
  unsigned style = font.style;
  if (platform::AlwaysBold(face)) style |= platform::kBold;
  JsFont js{platform::SubstituteFamilyName(face, font.charset), pixels < 1 ? 1 : pixels, style,
            kNaturalStretch};
  if (font.averageWidth > 0) {
    // A narrowed (or widened) font is the natural one scaled across, by the
    // desktop's rule; "0" is the average character of the monospaced faces
    // that are narrowed.
    const int natural = Measure(js, "0").width;
    if (natural > 0) {
      js.stretch =
          std::clamp((font.averageWidth * kNaturalStretch + natural / 2) / natural, 1, 4000);
    }
  }
  return js;
}

}  // namespace

platform::Size JsTextPainter::Extent(const platform::FontSpec& font, const std::string& text) {
  return Measure(ToJsFont(font), platform::Cp949ToUtf8(text));
}

void JsTextPainter::Draw(RgbaImage& image, int x, int y, const platform::FontSpec& font,
                         const std::string& text, platform::Rgb colour) {
  const JsFont js = ToJsFont(font);
  moyo_text_draw(image.pixels.data(), image.width, image.height, x, y, js.family.c_str(), js.pixels,
                 static_cast<int>(js.style), js.stretch, platform::Cp949ToUtf8(text).c_str(),
                 colour.r << 16 | colour.g << 8 | colour.b);
}

}  // namespace moyo::web
