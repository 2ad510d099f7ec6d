#include "board/MoveTest.h"

namespace moyo {
namespace {

// Marks a point the flood fills have already visited, in their private copies only.
constexpr std::uint8_t kVisited = 3;

// Every member of a group pushes at most four neighbours, so this never fills up.
using TSearchStack = TPointStack<4 * kMaxBoardSize * kMaxBoardSize + 1>;

std::uint8_t& At(TPointGrid& Grid, int X, int Y) {
  return Grid[Y - 1][X - 1];
}

void PushNeighbours(TSearchStack& Search, int X, int Y, int Size) {
  if (Y - 1 >= 1) Search.Push(X, Y - 1);
  if (X - 1 >= 1) Search.Push(X - 1, Y);
  if (Y + 1 <= Size) Search.Push(X, Y + 1);
  if (X + 1 <= Size) Search.Push(X + 1, Y);
}

// Flood-fills the group of Colour at (X, Y) in Work. A dead group goes onto Captures and stays
// marked, so another side of the played stone that reaches it skips it; the visited part of
// a living group is cleared, which later searches read as a liberty of that same group.
void CollectGroup(TPointGrid& Work, int Size, int X, int Y, std::uint8_t Colour, TStack& Captures) {
  TSearchStack search;
  TStack members;
  search.Push(X, Y);
  bool dead = true;
  int px = 0, py = 0;
  while (dead && search.Pop(px, py)) {
    std::uint8_t& point = At(Work, px, py);
    if (point == kEmpty) {
      dead = false;
    } else if (point == Colour) {
      members.Push(px, py);
      point = kVisited;
      PushNeighbours(search, px, py, Size);
    }
  }
  while (members.Pop(px, py)) {
    if (dead) {
      Captures.Push(px, py);
    } else {
      At(Work, px, py) = kEmpty;
    }
  }
}

// True when the group of Colour at (X, Y) reaches an empty point; stops at the first one.
bool HasLiberty(TPointGrid& Work, int Size, int X, int Y, std::uint8_t Colour) {
  TSearchStack search;
  search.Push(X, Y);
  int px = 0, py = 0;
  while (search.Pop(px, py)) {
    std::uint8_t& point = At(Work, px, py);
    if (point == kEmpty) return true;
    if (point == Colour) {
      point = kVisited;
      PushNeighbours(search, px, py, Size);
    }
  }
  return false;
}

}  // namespace

void TestMove(const TPointGrid& Points, int Size, int X, int Y, std::uint8_t Colour,
              const TMoveRecord& Current, TMoveTestResult& Result) {
  if (X < 1 || X > Size || Y < 1 || Y > Size || Points[Y - 1][X - 1] != kEmpty) return;

  TPointGrid work = Points;
  At(work, X, Y) = Colour;
  const std::uint8_t opponent = OtherColour(Colour);
  // Left, right, up, down: the order decides the order stones come off the board.
  const int neighbours[4][2] = {{X - 1, Y}, {X + 1, Y}, {X, Y - 1}, {X, Y + 1}};
  for (const auto& n : neighbours) {
    const int nx = n[0], ny = n[1];
    if (nx >= 1 && nx <= Size && ny >= 1 && ny <= Size && At(work, nx, ny) == opponent) {
      CollectGroup(work, Size, nx, ny, opponent, Result.Captures);
    }
  }

  if (Result.Captures.Count() > 0) {
    if (Result.Captures.Count() == 1) {
      Result.KoX = Result.Captures.TopX();
      Result.KoY = Result.Captures.TopY();
      // Retaking at once the one stone that has just taken one stone here repeats the position.
      const bool koRecapture = Current.X == Result.KoX && Current.Y == Result.KoY &&
                               Current.KoX == X && Current.KoY == Y;
      if (koRecapture) return;
    }
    Result.Allowed = true;
    return;
  }

  TPointGrid own = Points;
  At(own, X, Y) = Colour;
  Result.Allowed = HasLiberty(own, Size, X, Y, Colour);
}

}  // namespace moyo
