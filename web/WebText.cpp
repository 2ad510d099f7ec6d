// The program's text boundary in the web module: the generated table stands
// in for glibc's iconv, which the module's C library lacks.

#include "platform/Text.h"
#include "web/Cp949Table.h"

namespace moyo::platform {

std::string Cp949ToUtf8(std::string_view cp949) {
  return web::TableCp949ToUtf8(cp949);
}

std::string Utf8ToCp949(std::string_view utf8) {
  return web::TableUtf8ToCp949(utf8);
}

}  // namespace moyo::platform
