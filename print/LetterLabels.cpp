#include "print/LetterLabels.h"

#include <array>
#include <string_view>

#include "platform/Text.h"

namespace moyo {
namespace {

constexpr int kSingleLetters = '~' - 'a' + 1;  // labels 1 to 30
constexpr int kLetters = 26;

// The consonants of "가" to "하" with the vowels after "ㅏ" in turn: what a Korean
// reader takes as the next labels.
constexpr std::string_view kMoreSyllables =
    "거너더러머버서어저처커터퍼허고노도로모보소오조초코토포호구누두루무부수우주추쿠투푸후"
    "그느드르므브스으즈츠크트프흐기니디리미비시이지치키티피히";

// The CP949 text of each syllable above.
const std::array<std::string, 70>& MoreSyllables() {
  static const std::array<std::string, 70> syllables = [] {
    std::array<std::string, 70> texts;
    const std::string all = platform::Utf8ToCp949(kMoreSyllables);
    for (std::size_t i = 0; i < texts.size() && 2 * i + 1 < all.size(); ++i) {
      texts[i] = all.substr(2 * i, 2);
    }
    return texts;
  }();
  return syllables;
}

std::string NumberedLabelText(int n) {
  int k = n - kSingleLetters - 1;
  if (k < 0) return "?";
  if (k < static_cast<int>(MoreSyllables().size())) return MoreSyllables()[k];
  k -= static_cast<int>(MoreSyllables().size());
  if (k >= kLetters * kLetters) return "?";
  return {static_cast<char>('a' + k / kLetters), static_cast<char>('a' + k % kLetters)};
}

}  // namespace

TLetterLabel LetterLabel(int n) {
  if (n < 1) return {'?', -1};
  if (n <= kSingleLetters) return {static_cast<std::uint8_t>('a' + n - 1), -1};
  return {kNumberedLetter, n};
}

std::string LetterText(std::uint8_t letter, int number) {
  // "가" to "하" in CP949, for the letters "a" to "n".
  static constexpr const char* kSyllables[] = {
      "\xB0\xA1", "\xB3\xAA", "\xB4\xD9", "\xB6\xF3", "\xB8\xB6", "\xB9\xD9", "\xBB\xE7",
      "\xBE\xC6", "\xC0\xDA", "\xC2\xF7", "\xC4\xAB", "\xC5\xB8", "\xC6\xC4", "\xC7\xCF"};
  if (letter >= 'a' && letter <= 'n') return kSyllables[letter - 'a'];
  if (letter == kNumberedLetter) return NumberedLabelText(number);
  return std::string(1, static_cast<char>(letter));
}

}  // namespace moyo
