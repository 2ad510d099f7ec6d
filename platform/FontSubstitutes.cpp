#include "platform/FontSubstitutes.h"

#include <string_view>

namespace moyo::platform {
namespace {

struct Substitute {
  std::string_view face;  // UTF-8
  const char* family;
  bool hasHangul;
};

// The Windows faces of the original system and the free faces closest to them.
constexpr Substitute kSubstitutes[] = {
    {"굴림체", "NanumGothicCoding", true},
    {"굴림", "NanumGothic", true},
    {"돋음", "NanumGothic", true},
    {"돋움", "NanumGothic", true},
    {"돋움체", "NanumGothicCoding", true},
    {"바탕", "NanumMyeongjo", true},
    {"Times New Roman", "Liberation Serif", false},
    {"MS Serif", "Liberation Serif", false},
    {"MS Sans Serif", "Liberation Sans", false},
    {"Arial", "Liberation Sans", false},
    {"Courier New", "Liberation Mono", false},
    {"Impact", "DejaVu Sans Condensed", false},
};

}  // namespace

std::string SubstituteFamilyName(const std::string& utf8Face, Charset charset) {
  for (const Substitute& s : kSubstitutes) {
    if (s.face != utf8Face) continue;
    if (charset == Charset::Hangul && !s.hasHangul) return kHangulFallbackFamily;
    return s.family;
  }
  return charset == Charset::Hangul ? kHangulFallbackFamily : utf8Face;
}

bool AlwaysBold(const std::string& utf8Face) {
  return utf8Face == "Impact";
}

}  // namespace moyo::platform
