#pragma once
// The letter labels of printed diagrams: stones from before a diagram's first
// move that are played on again are marked "가", "나", ... on the board and in
// the retake list, so the two can be matched.

#include <cstdint>
#include <string>

namespace moyo {

// A label as a diagram cell holds it: its letter byte and, for labels past the
// single letters, the label's number in place of a move number.
struct TLetterLabel {
  std::uint8_t letter = 0;
  int number = -1;
};

// The letter byte of labels that carry their number.
inline constexpr std::uint8_t kNumberedLetter = 0x7F;

// Label n (from 1): the bytes "a" to "~" for 1 to 30, then kNumberedLetter with n.
TLetterLabel LetterLabel(int n);

// The printed text (CP949) of a cell's letter byte and number: "가" to "하" for
// "a" to "n", "-" for the dash, other single bytes as themselves; numbered
// labels continue with the syllables "거" to "히" (31 to 100), then the
// two-letter labels "aa" to "zz", and "?" past those.
std::string LetterText(std::uint8_t letter, int number);

}  // namespace moyo
