#include "platform/Charsets.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>

namespace moyo::platform {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

struct CloseIconv {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Converter = std::unique_ptr<void, CloseIconv>;

// One descriptor per character set and thread: opening one costs far more than a record.
iconv_t ConverterTo(const std::string& to, const std::string& from) {
  thread_local std::map<std::string, Converter> open;
  const std::string key = from + ">" + to;
  auto found = open.find(key);
  if (found == open.end()) {
    const iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == kNoConverter) return kNoConverter;
    found = open.emplace(key, Converter(cd)).first;
  }
  iconv(static_cast<iconv_t>(found->second.get()), nullptr, nullptr, nullptr, nullptr);
  return static_cast<iconv_t>(found->second.get());
}

// Bytes of the UTF-8 character that starts with `lead`; 1 for a byte that starts none.
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

// Runs iconv over `input`; at a character it cannot take, writes "?", counts it and
// steps over it (`step` tells how many bytes the character has).
template <typename Step>
void Convert(iconv_t cd, std::string_view input, std::string& out, int& lost, Step step) {
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    out += '?';
    ++lost;
    // Some rejected sequences are consumed whole before iconv reports them.
    if (inLeft == 0) break;
    const std::size_t skip = std::min(step(static_cast<unsigned char>(*in)), inLeft);
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
}

// UTF-8 to CP949; ASCII runs are copied directly, which is most of a record.
void Utf8ToCp949(std::string_view text, std::string& out, int& lost) {
  const iconv_t cd = ConverterTo("CP949", "UTF-8");
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t ascii = i;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    out.append(text.substr(i, ascii - i));
    std::size_t other = ascii;
    while (other < text.size() && static_cast<unsigned char>(text[other]) >= 0x80) ++other;
    if (other > ascii) Convert(cd, text.substr(ascii, other - ascii), out, lost, Utf8Length);
    i = other;
  }
}

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool IsCp949Name(const std::string& upper) {
  return upper == "CP949" || upper == "UHC" || upper == "EUC-KR" || upper == "EUCKR" ||
         upper == "KS_C_5601-1987" || upper == "KS_C_5601" || upper == "KSC5601";
}

bool IsUtf8Name(const std::string& upper) {
  return upper == "UTF-8" || upper == "UTF8";
}

}  // namespace

bool KnowsCharset(std::string_view charset) {
  const std::string upper = Upper(charset);
  if (IsCp949Name(upper) || IsUtf8Name(upper)) return true;
  return ConverterTo("UTF-8", upper) != kNoConverter;
}

std::optional<std::string> ConvertToCp949(std::string_view charset, std::string_view text,
                                          int& lost) {
  const std::string upper = Upper(charset);
  std::string out;
  out.reserve(text.size());
  // EUC-KR is a part of CP949: its texts are already the program's bytes.
  if (IsCp949Name(upper)) return std::string(text);
  if (IsUtf8Name(upper)) {
    Utf8ToCp949(text, out, lost);
    return out;
  }
  // Other sets go through UTF-8, so each lost character is one "?" however many bytes it had.
  const iconv_t toUtf8 = ConverterTo("UTF-8", upper);
  if (toUtf8 == kNoConverter) return std::nullopt;
  std::string utf8;
  utf8.reserve(text.size() * 3 / 2);
  Convert(toUtf8, text, utf8, lost, [](unsigned char) { return std::size_t{1}; });
  Utf8ToCp949(utf8, out, lost);
  return out;
}

}  // namespace moyo::platform
