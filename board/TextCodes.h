#pragma once
// The board unit's text codes: two-letter numbers and coordinate letters, as the
// reference-diagram text writes them.

#include <cstdint>
#include <string>
#include <string_view>

namespace moyo {

// Two characters chr(65 + N div 26), chr(65 + N mod 26): 0 "AA", 27 "BB", 675 "ZZ", 676 "[A".
// N is clamped to 0..4965 so both characters stay single bytes.
std::string EncodeNumber2(std::int32_t N);

// The inverse of EncodeNumber2 over the first two bytes of S; the separator "\!" reads as 0.
// A string shorter than two bytes gives 0.
std::int32_t DecodeNumber2(std::string_view S);

// The coordinate letter chr(65 + N): 1 'B', 19 'T'. N is clamped to 0..190.
char CoordLetter(std::int32_t N);

// The coordinate of the first byte of S: ord(S[0]) - 65. An empty string gives -1 (no point).
std::int32_t LetterCoord(std::string_view S);

}  // namespace moyo
