// The numbers, letters and symbols drawn on points, and their fonts.

#include <string>

#include "paint/TZelGoPB.h"

namespace moyo {
namespace {

using platform::Brush;
using platform::Charset;
using platform::FontSpec;
using platform::Pen;
using platform::Rgb;

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kGrey{128, 128, 128};

// Face names and texts in CP949.
constexpr const char* kGulimChe = "\xB1\xBC\xB8\xB2\xC3\xBC";  // 굴림체
constexpr const char* kGulim = "\xB1\xBC\xB8\xB2";             // 굴림
constexpr const char* kDotum = "\xB5\xB8\xC0\xBD";             // 돋음
constexpr const char* kSyllables[] = {
    "\xB0\xA1", "\xB3\xAA", "\xB4\xD9", "\xB6\xF3", "\xB8\xB6",
    "\xB9\xD9", "\xBB\xE7", "\xBE\xC6", "\xC0\xDA",  // 가 나 다 라 마 바 사 아 자
};
constexpr const char* kTriangle = "\xA1\xE2";  // △
constexpr const char* kCross = "\xA5\xB9";     // Ⅹ
constexpr const char* kCircle = "\xA1\xDB";    // ○
constexpr const char* kSquare = "\xA1\xE0";    // □

// What a mark code shows: its text in its font; an empty text still clears
// the wood under it on an empty point.
struct MarkText {
  std::string text;
  FontSpec font;
};

}  // namespace

const TZelGoPB::MarkFontSizes& TZelGoPB::MarkFonts() {
  if (markFonts_) return *markFonts_;
  platform::Canvas& canvas = Canvas();
  const int limit = cellSize_ - cellSize_ / 3;
  // The largest size from 17 down at which the sample fits, or 0.
  auto fit = [&](const char* face, const std::string& sample, bool byHeight) {
    int size = 18;
    while (true) {
      --size;
      if (size == 0) break;
      canvas.SetFont({face, size});
      const platform::Size extent = canvas.TextExtent(sample);
      if ((byHeight ? extent.height : extent.width) <= limit) break;
    }
    return size;
  };
  // Assigned whole rather than emplaced: clang settles whether the nested struct
  // is default-constructible while the painter's class is still incomplete (no).
  markFonts_ = MarkFontSizes{fit("Impact", "000", false), fit("Times New Roman", "00", false),
                             fit("Times New Roman", kSyllables[0], false),
                             fit("Times New Roman", "H", true)};
  return *markFonts_;
}

void TZelGoPB::PaintMark(int x, int y, int number) {
  if (number <= 0) return;
  const std::uint8_t colour = pointGrid_[y - 1][x - 1];
  const int drawnX = DrawnX(x);
  const int drawnY = DrawnY(y);
  if (number == kLastMoveMark) {
    PaintLastMoveTriangle(colour, drawnX, drawnY);
    return;
  }
  if (number == mark::kBlackSquare || number == mark::kWhiteSquare) {
    PaintSquare(number == mark::kBlackSquare, drawnX, drawnY);
    return;
  }
  const MarkFontSizes& sizes = MarkFonts();
  // Codes without a text of their own still hide the grid of an empty cell.
  MarkText mark{"", {"MS Sans Serif", 8}};
  if (number <= 99) {
    mark = {std::to_string(number), {"MS Sans Serif", cellSize_ >= 23 ? sizes.number2 - 3 : 8}};
  } else if (number <= mark::kLastNumber) {
    mark = {std::to_string(number), {"MS Sans Serif", cellSize_ >= 22 ? sizes.number3 + 1 : 8}};
  } else if (number >= mark::kFirstUpper && number <= mark::kLastUpper) {
    mark = {std::string(1, static_cast<char>('A' + number - mark::kFirstUpper)),
            {"MS Sans Serif", sizes.letter}};
  } else if (number >= mark::kFirstHangulCode && number <= mark::kLastHangulCode) {
    mark = {"", {kGulimChe, sizes.hangul, 0, 0, platform::kRegular, Charset::Hangul}};
  } else if (number >= mark::kFirstLower && number <= mark::kLastLower) {
    mark = {std::string(1, static_cast<char>('a' + number - mark::kFirstLower)),
            {"MS Sans Serif", sizes.letter}};
  } else if (number >= mark::kFirstSyllable && number <= mark::kLastSyllable) {
    mark = {kSyllables[number - mark::kFirstSyllable],
            {kGulimChe, sizes.letter, 0, 0, platform::kRegular, Charset::Hangul}};
  } else if (number >= mark::kTriangle && number <= mark::kSquareSign) {
    const char* symbols[] = {kTriangle, kCross, kCircle, kSquare};
    mark = {symbols[number - mark::kTriangle],
            {number == mark::kCross ? kDotum : kGulim, sizes.letter, 0, 0, platform::kRegular,
             Charset::Hangul}};
  }
  if (mark.font.pointSize <= 0) return;

  platform::Canvas& canvas = Canvas();
  const Cell cell = DrawnCell(drawnX, drawnY);
  Rgb ink = platform::kBlack;
  if (colour == kBlack) {
    ink = platform::kWhite;
  } else if (colour == kEmpty) {
    // A label on the wood hides the cell's grid lines, as diagram labels do.
    PaintCellWood(cell.left, cell.top);
    ink = number == mark::kCross ? kRed : kNavy;
  }
  if (mark.text.empty()) return;
  canvas.SetFont(mark.font);
  const platform::Size extent = canvas.TextExtent(mark.text);
  canvas.TextOut((cellSize_ - extent.width) / 2 + cell.left,
                 (cellSize_ - extent.height) / 2 + cell.top, mark.text, ink);
}

void TZelGoPB::PaintLastMoveTriangle(std::uint8_t colour, int drawnX, int drawnY) {
  const int f = (cellSize_ - 1) / 3;
  if (f < 2) return;
  platform::Canvas& canvas = Canvas();
  const Cell cell = DrawnCell(drawnX, drawnY);
  const int shift = cellSize_ % 2 == 0 ? 1 : 0;
  const int cx = cell.left + half_ - shift;
  const int cy = cell.top + half_ - shift;
  canvas.SetPen(Pen{colour == kWhite ? kNavy : kYellow});
  // A filled triangle pointing up, one run of pixels a row.
  for (int k = 0; k <= f - 2; ++k) {
    const int row = cy - f / 2 + k;
    canvas.Line(cx - k, row, cx + k + 1, row);
  }
}

void TZelGoPB::PaintSquare(bool black, int drawnX, int drawnY) {
  platform::Canvas& canvas = Canvas();
  const Cell cell = DrawnCell(drawnX, drawnY);
  const int a = half_ / 3 - 1;
  const int cx = cell.left + half_;
  const int cy = cell.top + half_;
  const Rgb fill = black ? platform::kBlack : platform::kWhite;
  canvas.SetBrush(Brush{fill});
  canvas.FillRect({cx - a, cy - a, cx + a, cy + a});
  // A silver frame under a grey one: what shows is a square with a grey border.
  canvas.SetPen(Pen{kSilver});
  canvas.Rectangle({cx - a - 1, cy - a - 1, cx + a + 1, cy + a + 1});
  canvas.SetPen(Pen{kGrey});
  canvas.Rectangle({cx - a - 2, cy - a - 2, cx + a + 2, cy + a + 2});
}

void TZelGoPB::DrawMark(int x, int y, int number, bool clear) {
  if (!OnBoard(x, y)) return;
  int& mark = markGrid_[y - 1][x - 1];
  const std::uint8_t colour = pointGrid_[y - 1][x - 1];
  if (clear && mark > 0) {
    DrawPoint(colour, x, y, 0);
    return;
  }
  if (number <= 0) return;
  // A point that already shows a mark is drawn clean before the new one goes on.
  if (mark > 0) {
    PaintEmptyCell(DrawnX(x), DrawnY(y));
    if (colour != kEmpty) PaintStone(colour, DrawnX(x), DrawnY(y));
  }
  mark = number;
  PaintMark(x, y, number);
  paintBox_.Changed();
}

void TZelGoPB::LoadMarks(const TNumberGrid& marks) {
  for (int y = 1; y <= lines_; ++y) {
    for (int x = 1; x <= lines_; ++x) {
      const int before = markGrid_[y - 1][x - 1];
      const int now = marks[y - 1][x - 1];
      markGrid_[y - 1][x - 1] = now;
      const std::uint8_t colour = pointGrid_[y - 1][x - 1];
      // Points that showed a mark are drawn clean first, so no old mark stays
      // on the screen under or instead of the new one.
      if (before > 0) {
        PaintEmptyCell(DrawnX(x), DrawnY(y));
        if (colour != kEmpty) PaintStone(colour, DrawnX(x), DrawnY(y));
      }
      PaintMark(x, y, now);
    }
  }
  paintBox_.Changed();
}

void TZelGoPB::ClearMarks() {
  for (int y = 1; y <= lines_; ++y) {
    for (int x = 1; x <= lines_; ++x) {
      const int before = markGrid_[y - 1][x - 1];
      markGrid_[y - 1][x - 1] = 0;
      const std::uint8_t colour = pointGrid_[y - 1][x - 1];
      // Marks on the wood go as well as numbers on stones.
      if (colour == kEmpty && before <= 0) continue;
      PaintEmptyCell(DrawnX(x), DrawnY(y));
      if (colour != kEmpty) PaintStone(colour, DrawnX(x), DrawnY(y));
    }
  }
  paintBox_.Changed();
}

}  // namespace moyo
