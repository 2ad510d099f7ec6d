#pragma once
// The codes a board carries on a point besides its stone, and the painter
// draws: move numbers, the last-move mark, letters, Korean syllables, symbols
// and squares. Ranges are inclusive.

namespace moyo::mark {

inline constexpr int kFirstNumber = 1;  // move numbers 1..500 are drawn as digits
inline constexpr int kLastNumber = 500;
inline constexpr int kLastMove = 501;    // the triangle on the newest stone
inline constexpr int kFirstUpper = 600;  // 'A'..'Z'
inline constexpr int kLastUpper = 625;
inline constexpr int kFirstHangulCode = 630;  // a range that draws no text
inline constexpr int kLastHangulCode = 643;
inline constexpr int kFirstLower = 650;  // 'a'..'z'
inline constexpr int kLastLower = 675;
inline constexpr int kFirstSyllable = 680;  // 가 나 다 라 마 바 사 아 자
inline constexpr int kLastSyllable = 688;
inline constexpr int kTriangle = 690;    // △
inline constexpr int kCross = 691;       // Ⅹ, the hint mark
inline constexpr int kCircle = 692;      // ○
inline constexpr int kSquareSign = 693;  // □
inline constexpr int kBlackSquare = 750;
inline constexpr int kWhiteSquare = 751;

}  // namespace moyo::mark
