#include "tests/support/BoardDiagram.h"

#include <stdexcept>
#include <vector>

namespace moyo::test {
namespace {

std::vector<std::string> Rows(std::string_view Diagram) {
  std::vector<std::string> rows;
  std::string row;
  auto flush = [&] {
    if (!row.empty()) rows.push_back(row);
    row.clear();
  };
  for (const char c : Diagram) {
    if (c == '\n') {
      flush();
    } else if (c != ' ' && c != '\t' && c != '\r') {
      row += c;
    }
  }
  flush();
  return rows;
}

char MarkSymbol(std::int32_t Code) {
  constexpr std::int32_t kFirstLetter = 600;
  if (Code <= 0) return '.';
  if (Code >= 1 && Code <= 9) return static_cast<char>('0' + Code);
  if (Code >= 10 && Code < LastMoveMark) return '+';
  if (Code == LastMoveMark) return '^';
  if (Code >= kFirstLetter && Code < kFirstLetter + 26) {
    return static_cast<char>('A' + (Code - kFirstLetter));
  }
  return '*';
}

}  // namespace

TBoardSnapshot SnapshotFromDiagram(std::string_view Diagram, std::uint8_t ToMove) {
  const std::vector<std::string> rows = Rows(Diagram);
  const std::size_t size = rows.size();
  if (size < 1 || size > static_cast<std::size_t>(kMaxBoardSize)) {
    throw std::invalid_argument("diagram needs 1 to 19 rows");
  }
  TBoardSnapshot s;
  InitPosition(static_cast<std::uint8_t>(size), s);
  s.ToMove = ToMove;
  for (std::size_t y = 0; y < size; ++y) {
    if (rows[y].size() != size) throw std::invalid_argument("diagram row of wrong length");
    for (std::size_t x = 0; x < size; ++x) {
      switch (rows[y][x]) {
        case 'X':
          s.Points[y][x] = kBlack;
          break;
        case 'O':
          s.Points[y][x] = kWhite;
          break;
        case '.':
          s.Points[y][x] = kEmpty;
          break;
        default:
          throw std::invalid_argument("diagram holds an unknown point");
      }
    }
  }
  return s;
}

TGoBoard BoardFromDiagram(std::string_view Diagram, std::uint8_t ToMove) {
  return TGoBoard(TNumbering{}, SnapshotFromDiagram(Diagram, ToMove));
}

std::string DiagramOf(const TPointGrid& Points, int Size) {
  std::string text;
  for (int y = 0; y < Size; ++y) {
    if (y > 0) text += '\n';
    for (int x = 0; x < Size; ++x) {
      const std::uint8_t c = Points[y][x];
      text += c == kBlack ? 'X' : (c == kWhite ? 'O' : '.');
    }
  }
  return text;
}

std::string DiagramOf(const TGoBoard& Board) {
  return DiagramOf(Board.Points(), Board.Size());
}

std::string MarksOf(const TNumberGrid& Marks, int Size) {
  std::string text;
  for (int y = 0; y < Size; ++y) {
    if (y > 0) text += '\n';
    for (int x = 0; x < Size; ++x) text += MarkSymbol(Marks[y][x]);
  }
  return text;
}

std::string Normalised(std::string_view Diagram) {
  std::string text;
  for (const std::string& row : Rows(Diagram)) {
    if (!text.empty()) text += '\n';
    text += row;
  }
  return text;
}

}  // namespace moyo::test
