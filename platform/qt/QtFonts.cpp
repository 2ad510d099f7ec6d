#include "platform/qt/QtFonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <string_view>

#include "platform/Text.h"

namespace moyo::platform {
namespace {

struct Substitute {
  std::string_view face;  // UTF-8
  const char* family;
  bool hasHangul;
};

// The Windows faces of the original system and the free faces closest to them.
constexpr Substitute kSubstitutes[] = {
    {"굴림체", "NanumGothicCoding", true},
    {"굴림", "NanumGothic", true},
    {"돋음", "NanumGothic", true},
    {"돋움", "NanumGothic", true},
    {"돋움체", "NanumGothicCoding", true},
    {"바탕", "NanumMyeongjo", true},
    {"Times New Roman", "Liberation Serif", false},
    {"MS Serif", "Liberation Serif", false},
    {"MS Sans Serif", "Liberation Sans", false},
    {"Arial", "Liberation Sans", false},
    {"Courier New", "Liberation Mono", false},
    {"Impact", "DejaVu Sans Condensed", false},
};

constexpr const char* kHangulFallback = "NanumGothic";

const Substitute* FindSubstitute(std::string_view utf8Face) {
  for (const Substitute& s : kSubstitutes) {
    if (s.face == utf8Face) return &s;
  }
  return nullptr;
}

}  // namespace

QString SubstituteFamily(const std::string& cp949Face, Charset charset) {
  const std::string utf8 = Cp949ToUtf8(cp949Face);
  const Substitute* s = FindSubstitute(utf8);
  if (s == nullptr)
    return charset == Charset::Hangul ? QString::fromLatin1(kHangulFallback)
                                      : QString::fromStdString(utf8);
  if (charset == Charset::Hangul && !s->hasHangul) return kHangulFallback;
  return s->family;
}

QFont MakeQtFont(const FontSpec& wanted, int dotsPerInchY) {
  QFont font;
  const QString family = SubstituteFamily(wanted.face, wanted.charset);
  // Hangul text in a Latin face falls back to a Korean face, as Windows' font
  // linking does.
  QStringList families;
  families << family << QString::fromLatin1(kHangulFallback);
  font.setFamilies(families);
  const bool impact = Cp949ToUtf8(wanted.face) == "Impact";
  font.setBold((wanted.style & kBold) != 0 || impact);
  font.setItalic((wanted.style & kItalic) != 0);
  font.setUnderline((wanted.style & kUnderline) != 0);
  font.setStrikeOut((wanted.style & kStrikeOut) != 0);
  int pixels = wanted.pixelHeight;
  if (pixels <= 0) pixels = (wanted.pointSize * dotsPerInchY + 36) / 72;
  font.setPixelSize(std::max(1, pixels));
  if (wanted.averageWidth > 0) {
    const int natural = QFontMetrics(font).averageCharWidth();
    if (natural > 0) {
      font.setStretch(std::clamp((wanted.averageWidth * 100 + natural / 2) / natural, 1, 4000));
    }
  }
  return font;
}

}  // namespace moyo::platform
