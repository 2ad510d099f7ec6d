#include "platform/Text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "platform/Utf8.h"

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

  // Converts input, writing `replacement` for each character the target lacks
  // and for each byte that starts no valid character; `skip` says how many
  // bytes such a character or stray byte takes from `at`.
  std::string Run(std::string_view input, std::string_view replacement,
                  std::size_t (*skip)(std::string_view input, std::size_t at)) {
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
      // EILSEQ or EINVAL: a character without a counterpart, or an invalid or
      // truncated sequence.
      out.append(replacement);
      if (inLeft == 0) break;
      const std::size_t skipped =
          std::min(skip(input, static_cast<std::size_t>(in - input.data())), inLeft);
      in += skipped;
      inLeft -= skipped;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// A CP949 byte that starts no valid character stands for itself. glibc's decoder rejects the pair
// A2 E8 only after consuming it; that pair is then already behind `at` and nothing more is skipped.
std::size_t OneByte(std::string_view input, std::size_t at) {
  return at >= 2 && input.substr(at - 2, 2) == "\xA2\xE8" ? 0 : 1;
}

std::size_t OneUtf8Character(std::string_view input, std::size_t at) {
  return Utf8CharacterBytes(input.substr(at));
}

}  // namespace

std::string Cp949ToUtf8(std::string_view cp949) {
  thread_local Converter converter("UTF-8", "CP949");
  return converter.Run(cp949, "\xEF\xBF\xBD", OneByte);
}

std::string Utf8ToCp949(std::string_view utf8) {
  thread_local Converter converter("CP949", "UTF-8");
  return converter.Run(utf8, "?", OneUtf8Character);
}

}  // namespace moyo::platform
