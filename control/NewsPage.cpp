#include <cctype>

#include "control/TNewsView.h"
#include "platform/Text.h"

namespace moyo {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string NewsPageToUtf8(const std::string& cp949Body) {
  const std::string html = platform::Cp949ToUtf8(cp949Body);
  // The page still declares its old charset; point the declaration at UTF-8.
  const std::string lower = Lower(html);
  std::string result;
  result.reserve(html.size());
  std::size_t at = 0;
  while (true) {
    std::size_t found = std::string::npos;
    std::size_t length = 0;
    for (const std::string needle : {"charset=euc-kr", "charset=ks_c_5601-1987", "charset=cp949"}) {
      const std::size_t where = lower.find(needle, at);
      if (where < found) {
        found = where;
        length = needle.size();
      }
    }
    if (found == std::string::npos) break;
    result.append(html, at, found - at);
    result += "charset=utf-8";
    at = found + length;
  }
  result.append(html, at, std::string::npos);
  return result;
}

}  // namespace moyo
