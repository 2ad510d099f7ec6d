#include "web/JsTextPainter.h"

#include <emscripten.h>

#include "platform/FontSubstitutes.h"
#include "platform/Text.h"

// The page's side (moyoscope.js) keeps a glyph cache and a scratch canvas;
// these only hand it the font and the UTF-8 text.
// clang-format off
EM_JS(int, moyo_text_extent, (const char* family, int pixels, int style, const char* text), {
  return Module.moyoText.extent(UTF8ToString(family), pixels, style, UTF8ToString(text));
});
EM_JS(void, moyo_text_draw, (unsigned char* pixels, int width, int height, int x, int y,
                             const char* family, int pixels_high, int style, const char* text,
                             int rgb), {
  Module.moyoText.draw(pixels, width, height, x, y, UTF8ToString(family), pixels_high, style,
                       UTF8ToString(text), rgb);
});
// clang-format on

namespace moyo::web {
namespace {

struct JsFont {
  std::string family;
  int pixels;
  unsigned style;
};

JsFont ToJsFont(const platform::FontSpec& font) {
  const std::string face = platform::Cp949ToUtf8(font.face);
  int pixels = font.pixelHeight;
  // Points at the screen's 96 dots per inch, rounded as the desktop rounds them.
  if (pixels <= 0) pixels = (font.pointSize * 96 + 36) / 72;
  unsigned style = font.style;
  if (platform::AlwaysBold(face)) style |= platform::kBold;
  return {platform::SubstituteFamilyName(face, font.charset), pixels < 1 ? 1 : pixels, style};
}

}  // namespace

platform::Size JsTextPainter::Extent(const platform::FontSpec& font, const std::string& text) {
  const JsFont js = ToJsFont(font);
  const int packed = moyo_text_extent(js.family.c_str(), js.pixels, static_cast<int>(js.style),
                                      platform::Cp949ToUtf8(text).c_str());
  return {packed >> 16, packed & 0xFFFF};
}

void JsTextPainter::Draw(RgbaImage& image, int x, int y, const platform::FontSpec& font,
                         const std::string& text, platform::Rgb colour) {
  const JsFont js = ToJsFont(font);
  moyo_text_draw(image.pixels.data(), image.width, image.height, x, y, js.family.c_str(), js.pixels,
                 static_cast<int>(js.style), platform::Cp949ToUtf8(text).c_str(),
                 colour.r << 16 | colour.g << 8 | colour.b);
}

}  // namespace moyo::web
