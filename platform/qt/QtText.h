#pragma once
// The one crossing between the program's CP949 texts and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

namespace moyo::platform {

// CP949 bytes as a QString; bytes that form no CP949 character become U+FFFD.
QString ToQt(std::string_view cp949);

// A QString as CP949 bytes; characters that CP949 lacks become '?'.
std::string FromQt(const QString& text);

}  // namespace moyo::platform
