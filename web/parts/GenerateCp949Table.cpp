// Writes the CP949 to Unicode table of the web build as C++ source, asking
// glibc's iconv for every two-byte code, so the web module converts exactly as
// the desktop program does; and, as UTF-8 text, the KS X 1001 Hangul syllables
// and the KS X 1001 symbols (Hanja aside), which the page's fonts are sliced by.
// Usage: GenerateCp949Table OUT.cpp HANGUL.txt SYMBOLS.txt

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "web/Cp949Layout.h"

using namespace moyo::web;

namespace {

// The Unicode scalar of one CP949 code through iconv, or 0 when it has none.
std::uint32_t Decode(iconv_t cd, const char* bytes, std::size_t length) {
  char in[2] = {bytes[0], length > 1 ? bytes[1] : '\0'};
  char* inPtr = in;
  std::size_t inLeft = length;
  unsigned char out[8];
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  if (sizeof out - outLeft != 4 || inLeft != 0) return 0;
  return static_cast<std::uint32_t>(out[0]) << 24 | static_cast<std::uint32_t>(out[1]) << 16 |
         static_cast<std::uint32_t>(out[2]) << 8 | out[3];
}

// KS X 1001, the Wansung set inside CP949, has both bytes from 0xA1: symbols
// and jamo under lead 0xB0, the 2,350 common Hangul syllables from 0xB0 to
// 0xC8, Hanja from 0xCA to 0xFD.
bool IsKs(int lead, int trail) {
  return lead >= 0xA1 && trail >= 0xA1;
}
bool IsKsHangul(int lead, int trail) {
  return IsKs(lead, trail) && lead >= 0xB0 && lead <= 0xC8;
}
bool IsKsSymbol(int lead, int trail) {
  return IsKs(lead, trail) && (lead < 0xB0 || lead == 0xC9 || lead > 0xFD);
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
  } else {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
  }
  out += static_cast<char>(0x80 | (code & 0x3F));
}

bool Write(const char* path, const std::string& text) {
  std::FILE* out = std::fopen(path, "wb");
  if (out == nullptr || std::fwrite(text.data(), 1, text.size(), out) != text.size() ||
      std::fclose(out) != 0) {
    std::fprintf(stderr, "GenerateCp949Table: cannot write %s\n", path);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: GenerateCp949Table OUT.cpp HANGUL.txt SYMBOLS.txt\n", stderr);
    return 2;
  }
  iconv_t cd = iconv_open("UTF-32BE", "CP949");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::fputs("GenerateCp949Table: iconv has no CP949\n", stderr);
    return 1;
  }
  std::string text =
      "// Generated from glibc iconv by GenerateCp949Table; do not edit.\n"
      "#include \"web/Cp949Layout.h\"\n\n"
      "namespace moyo::web {\n\n"
      "const std::uint16_t kCp949DoubleByte[kCp949LeadCount * kCp949TrailCount] = {\n";
  std::string hangul;
  std::string symbols;
  int mapped = 0;
  for (int lead = kCp949FirstLead; lead <= kCp949LastLead; ++lead) {
    for (int trail = kCp949FirstTrail; trail <= kCp949LastTrail; ++trail) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      std::uint32_t code = Decode(cd, bytes, 2);
      // Every CP949 character lies in the Basic Multilingual Plane.
      if (code > 0xFFFF) code = 0;
      if (code != 0) ++mapped;
      if (code != 0 && IsKsHangul(lead, trail)) AppendUtf8(hangul, code);
      if (code != 0 && IsKsSymbol(lead, trail)) AppendUtf8(symbols, code);
      text += std::to_string(code);
      text += trail == kCp949LastTrail ? ",\n" : ",";
    }
  }
  text += "};\n\n}  // namespace moyo::web\n";
  iconv_close(cd);
  // CP949 has 17048 Hangul syllables, Hanja and symbols; far fewer means a broken iconv.
  if (mapped < 17000) {
    std::fprintf(stderr, "GenerateCp949Table: only %d codes mapped\n", mapped);
    return 1;
  }
  // Each of the 2,350 syllables takes three bytes of UTF-8.
  if (hangul.size() != 2350 * 3) {
    std::fprintf(stderr, "GenerateCp949Table: %zu KS X 1001 syllables\n", hangul.size() / 3);
    return 1;
  }
  return Write(argv[1], text) && Write(argv[2], hangul) && Write(argv[3], symbols) ? 0 : 1;
}
