#include "platform/Text.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace moyo::platform {
namespace {

// One iconv descriptor per direction and thread; opening one costs far more
// than converting a commentary.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts input, writing `replacement` for each byte that starts no valid character.
  std::string Run(std::string_view input, std::string_view replacement) {
    std::string out;
    out.reserve(input.size() * 3 / 2 + 8);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<size_t>(outPtr - buffer));
      if (result != static_cast<size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an invalid or truncated sequence. Skip one byte.
      out.append(replacement);
      ++in;
      --inLeft;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string Cp949ToUtf8(std::string_view cp949) {
  thread_local Converter converter("UTF-8", "CP949");
  return converter.Run(cp949, "\xEF\xBF\xBD");
}

std::string Utf8ToCp949(std::string_view utf8) {
  thread_local Converter converter("CP949", "UTF-8");
  return converter.Run(utf8, "?");
}

}  // namespace moyo::platform
