#pragma once
// Where the star points (hoshi) of an N x N board stand, as Go boards mark them: on 19 x 19
// the 4-4 points, the sides and the centre; on 13 x 13 and other boards of 12 lines or more
// the 4-4 points, plus the sides and centre when the size is odd; on boards of 7 to 11 lines
// the 3-3 points and the centre of an odd board; on 3 and 5 lines only the centre.
// Header only, so the painter needs no more of the board model than its types.

namespace moyo {

namespace star_points {

enum class TStarLine { None, Corner, Centre };

// What a line of the board is to the star points: a corner line (the 3rd or 4th from
// either edge), the centre line of an odd board, or neither.
constexpr TStarLine StarLine(int Size, int Line) {
  const int corner = Size >= 12 ? 4 : (Size >= 7 ? 3 : 0);
  if (corner > 0 && (Line == corner || Line == Size + 1 - corner)) return TStarLine::Corner;
  if (Size >= 3 && Size % 2 == 1 && Line == (Size + 1) / 2) return TStarLine::Centre;
  return TStarLine::None;
}

}  // namespace star_points

// Whether point (X, Y), counted from 1, is a star point of a Size x Size board.
constexpr bool IsStarPoint(int Size, int X, int Y) {
  using star_points::TStarLine;
  if (X < 1 || X > Size || Y < 1 || Y > Size) return false;
  const TStarLine column = star_points::StarLine(Size, X);
  const TStarLine row = star_points::StarLine(Size, Y);
  if (column == TStarLine::None || row == TStarLine::None) return false;
  if (column == row) return true;
  // A corner line meeting the centre line: the side star points of the larger odd boards.
  return Size >= 13;
}

}  // namespace moyo
