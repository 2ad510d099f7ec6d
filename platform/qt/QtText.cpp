#include "platform/qt/QtText.h"

#include <algorithm>

#include "platform/Text.h"

namespace moyo::platform {

QString ToQt(std::string_view cp949) {
  // Most texts drawn on a board are digits and letters: no converter needed.
  const bool ascii = std::all_of(cp949.begin(), cp949.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return QString::fromLatin1(cp949.data(), static_cast<qsizetype>(cp949.size()));
  return QString::fromStdString(Cp949ToUtf8(cp949));
}

std::string FromQt(const QString& text) {
  return Utf8ToCp949(text.toStdString());
}

}  // namespace moyo::platform
