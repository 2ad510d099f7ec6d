#include "board/TextCodes.h"

#include <algorithm>

namespace moyo {
namespace {

int Ord(char C) {
  return static_cast<unsigned char>(C);
}

}  // namespace

std::string EncodeNumber2(std::int32_t N) {
  const int n = std::clamp(N, 0, (255 - 65) * 26 + 25);
  return {static_cast<char>(65 + n / 26), static_cast<char>(65 + n % 26)};
}

std::int32_t DecodeNumber2(std::string_view S) {
  if (S.size() < 2) return 0;
  if (S[0] == '\\' && S[1] == '!') return 0;
  return (Ord(S[0]) - 65) * 26 + (Ord(S[1]) - 65);
}

char CoordLetter(std::int32_t N) {
  return static_cast<char>(65 + std::clamp(N, 0, 190));
}

std::int32_t LetterCoord(std::string_view S) {
  return S.empty() ? -1 : Ord(S[0]) - 65;
}

}  // namespace moyo
