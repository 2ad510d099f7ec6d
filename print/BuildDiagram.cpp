#include "print/BuildDiagram.h"

#include <algorithm>
#include <array>

#include "board/TGoBoard.h"
#include "print/LetterLabels.h"

namespace moyo {
namespace {

// What stands on a point of the working grid, and what a retake entry shows.
enum class TLabelKind : std::uint8_t { None, Move, Letter, Dash, GroupEnd };

struct TLabel {
  TLabelKind kind = TLabelKind::None;
  int value = 0;  // the move number or letter label
  friend bool operator==(const TLabel&, const TLabel&) = default;
};

struct TWorkPoint {
  TLabel label;
  TCellState state = TCellState::Empty;
};

struct TRetakeEntry {
  TCellState colour = TCellState::Empty;
  TLabel label;
};

// Every move adds at most four entries: a new group of stone, dash, move and end.
constexpr int kMaxEntries = 4 * kMaxMoves;

class TRetakeEntries {
 public:
  // Adds move (colour, number) to the group of the stone labelled stone, or
  // opens that group with the stone's own colour.
  void Add(TCellState stoneColour, TLabel stone, TCellState colour, int number) {
    const TRetakeEntry move{colour, {TLabelKind::Move, number}};
    for (int i = 0; i < count_; ++i) {
      if (entries_[i].label != stone) continue;
      int end = i;
      while (entries_[end].label.kind != TLabelKind::GroupEnd) ++end;
      if (count_ == kMaxEntries) return;
      std::copy_backward(entries_.begin() + end, entries_.begin() + count_,
                         entries_.begin() + count_ + 1);
      entries_[end] = move;
      ++count_;
      return;
    }
    if (count_ + 4 > kMaxEntries) return;
    entries_[count_++] = {stoneColour, stone};
    entries_[count_++] = {TCellState::Empty, {TLabelKind::Dash, 0}};
    entries_[count_++] = move;
    entries_[count_++] = {TCellState::Empty, {TLabelKind::GroupEnd, 0}};
  }

  // Packs the entries into lines of whole groups of at most limit cells; a
  // group longer than a line goes on over the next lines.
  void Pack(int limit, TRetakeList& list) const {
    int line = 0;
    for (int start = 0; start < count_; ++line) {
      const int window = std::min(limit, count_ - start);
      int length = 0;
      for (int i = 0; i < window; ++i) {
        if (entries_[start + i].label.kind == TLabelKind::GroupEnd) length = i + 1;
      }
      if (length == 0) {
        // No whole group fits; a following line must not begin with the group's
        // end, since an empty first cell ends the printed list.
        length = window;
        if (start + length < count_ && entries_[start + length].label.kind == TLabelKind::GroupEnd)
          --length;
      }
      for (int i = 0; i < length; ++i) WriteCell(list, line, i, entries_[start + i]);
      start += length;
    }
  }

 private:
  static void WriteCell(TRetakeList& list, int line, int column, const TRetakeEntry& entry) {
    switch (entry.label.kind) {
      case TLabelKind::Dash:
        list.SetCell(line, column, TCellState::Empty, -1, '-');
        break;
      case TLabelKind::Letter: {
        const TLetterLabel label = LetterLabel(entry.label.value);
        list.SetCell(line, column, entry.colour, label.number, label.letter);
        break;
      }
      case TLabelKind::Move:
        list.SetCell(line, column, entry.colour, entry.label.value, 0);
        break;
      case TLabelKind::GroupEnd:
      case TLabelKind::None:
        list.SetCell(line, column, TCellState::Empty, -1, 0);
        break;
    }
  }

  std::array<TRetakeEntry, kMaxEntries> entries_{};
  int count_ = 0;
};

TCellState FromExport(std::int32_t colour) {
  if (colour == kExportBlack) return TCellState::Black;
  if (colour == kExportWhite) return TCellState::White;
  return TCellState::Empty;
}

TCellState Other(TCellState colour) {
  return colour == TCellState::Black ? TCellState::White : TCellState::Black;
}

}  // namespace

void BuildDiagram(int lineLimit, int startMove, int endMove, const TPrintLine& line,
                  TDiagram& diagram) {
  const TMoveList& moves = line.moves;
  const int moveCount = std::clamp(moves.Count, 0, kMaxMoves);
  startMove = std::max(startMove, 1);
  endMove = std::min(endMove, moveCount);

  // The position before the diagram's first move, on a board of its own.
  std::array<std::array<TWorkPoint, kMaxBoardSize>, kMaxBoardSize> work{};
  TCellState colour;
  int lines = kMaxBoardSize;
  {
    TGoBoard board;
    board.NewGame(moves.Size);
    lines = board.Size();
    board.SetHandicap(line.handicap, 0);
    for (int y = 1; y <= lines; ++y) {
      for (int x = 1; x <= lines; ++x) {
        const std::uint8_t stone = line.setup[y - 1][x - 1];
        if (stone == kBlack || stone == kWhite) board.SetupStone(x, y, stone);
      }
    }
    for (int i = 1; i < startMove && i <= moveCount; ++i) {
      const TMovePoint& move = moves.Moves[i - 1];
      board.SetToMove(line.colours[i - 1]);
      if (move.X == 0) {
        board.Pass();
      } else {
        board.PlayMove(move.X, move.Y, true);
      }
    }
    TExportGrid points;
    board.ExportPoints(points);
    for (int y = 0; y < lines; ++y) {
      for (int x = 0; x < lines; ++x) work[y][x].state = FromExport(points[y][x].Colour);
    }
    colour = board.ToMove() == kBlack ? TCellState::Black : TCellState::White;
  }

  TRetakeEntries entries;
  int letters = 0;
  for (int i = startMove; i <= endMove; ++i, colour = Other(colour)) {
    const TMovePoint& move = moves.Moves[i - 1];
    if (line.colours[i - 1] == kBlack || line.colours[i - 1] == kWhite) {
      colour = line.colours[i - 1] == kBlack ? TCellState::Black : TCellState::White;
    }
    if (move.X < 1 || move.X > lines || move.Y < 1 || move.Y > lines) continue;
    TWorkPoint& point = work[move.Y - 1][move.X - 1];
    if (point.state == TCellState::Empty) {
      // Captures are not applied: a captured stone keeps its place and number.
      point = {{TLabelKind::Move, i}, colour};
      continue;
    }
    if (point.label.kind == TLabelKind::None) point.label = {TLabelKind::Letter, ++letters};
    entries.Add(point.state, point.label, colour, i);
  }

  diagram.board.SetBoardSize(lines);
  for (int y = 0; y < lines; ++y) {
    for (int x = 0; x < lines; ++x) {
      const TWorkPoint& point = work[y][x];
      if (point.label.kind == TLabelKind::Letter) {
        const TLetterLabel label = LetterLabel(point.label.value);
        diagram.board.SetCell(y, x, point.state, label.number, label.letter);
      } else {
        const int number = point.label.kind == TLabelKind::Move ? point.label.value : -1;
        diagram.board.SetCell(y, x, point.state, number, 0);
      }
    }
  }
  entries.Pack(std::clamp(lineLimit, 2, TRetakeList::kMaxLineCells), diagram.retakes);
}

}  // namespace moyo
