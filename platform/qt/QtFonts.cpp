#include "platform/qt/QtFonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "platform/FontSubstitutes.h"
#include "platform/Text.h"

namespace moyo::platform {

QString SubstituteFamily(const std::string& cp949Face, Charset charset) {
  return QString::fromStdString(SubstituteFamilyName(Cp949ToUtf8(cp949Face), charset));
}

QFont FormFont(std::string_view faceUtf8, int pixels, bool bold) {
  QFont font(SubstituteFamily(Utf8ToCp949(faceUtf8), Charset::Hangul));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont MakeQtFont(const FontSpec& wanted, int dotsPerInchY) {
  QFont font;
  const QString family = SubstituteFamily(wanted.face, wanted.charset);
  // Hangul text in a Latin face falls back to a Korean face, as Windows' font
  // linking does.
  QStringList families;
  families << family << QString::fromLatin1(kHangulFallbackFamily);
  font.setFamilies(families);
  font.setBold((wanted.style & kBold) != 0 || AlwaysBold(Cp949ToUtf8(wanted.face)));
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
