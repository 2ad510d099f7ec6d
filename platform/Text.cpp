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

  // Converts input, writing `replacement` for each character the target lacks
  // and for each byte that starts no valid character; `skip` says how many
  // bytes such a character or stray byte takes.
  std::string Run(std::string_view input, std::string_view replacement,
                  std::size_t (*skip)(std::string_view rest)) {
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
      // glibc's CP949 decoder rejects a few pairs (A2 E8) after consuming them.
      if (inLeft == 0) break;
      const std::size_t skipped = skip(std::string_view(in, inLeft));
      in += skipped;
      inLeft -= skipped;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// A CP949 byte that starts no valid character stands for itself.
std::size_t OneByte(std::string_view) {
  return 1;
}

// The bytes of the UTF-8 character at the start of rest: its lead byte and the
// continuation bytes that follow it, up to the length the lead byte announces.
std::size_t OneUtf8Character(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t taken = 1;
  while (taken < length && taken < rest.size() &&
         (static_cast<unsigned char>(rest[taken]) & 0xC0) == 0x80) {
    ++taken;
  }
  return taken;
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
