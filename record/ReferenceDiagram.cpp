#include "record/ReferenceDiagram.h"

#include <array>
#include <cstdint>

#include "board/TextCodes.h"
#include "record/Decimal.h"

namespace moyo {
namespace {

constexpr std::string_view kSeparator = "\\!";

bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

// A point letter of the diagram string: "A" + the coordinate, counted from 1.
char PointLetter(int coordinate) {
  return static_cast<char>('A' + coordinate);
}

// The coordinate of a lower-case point letter of a record: "a" is 1.
int Coordinate(char lower) {
  return lower - 'a' + 1;
}

}  // namespace

void AppendDiagramMove(std::string& moves, int x, int y) {
  moves += PointLetter(x);
  moves += PointLetter(y);
}

void AppendDiagramLabel(std::string& labels, int x, int y, int letter) {
  AppendDiagramMove(labels, x, y);
  labels += EncodeNumber2(kLabelMarkBase + letter);
}

std::string DiagramString(int start, int moveCount, std::string_view moves, int labelCount,
                          std::string_view labels, std::string_view note) {
  if (moveCount == 0) return {};
  std::string out = EncodeNumber2(start);
  out += EncodeNumber2(moveCount);
  out += moves;
  out += kSeparator;
  if (labelCount > 0) {
    out += EncodeNumber2(labelCount);
    out += labels;
  }
  out += kSeparator;
  out += note;
  return out;
}

std::string EncodeDiagram(std::string_view value) {
  enum class State { Skip, Name, Start, Between, Point, Note };
  State state = State::Skip;
  std::string tag;          // capitals of a tag name before the start number
  std::string startDigits;  // the start number as read; an empty or oversized one is no number
  int start = 0;
  // A point value: only its first three letters matter, but all are counted.
  char pointTag = 0;
  std::array<char, 3> letters{};
  int letterCount = 0;
  int seen = 0;
  int keptMoves = 0;
  int labelCount = 0;
  std::string moves;
  std::string labels;
  std::string noteText;  // the note being read
  std::string note;      // the last complete note

  bool stop = false;
  for (std::size_t i = 0; i < value.size() && !stop; ++i) {
    const char c = value[i];
    switch (state) {
      case State::Skip:
        if (c == ']') state = State::Name;
        break;
      case State::Name:
        if (IsUpper(c)) {
          tag += c;
        } else if (c == '[') {
          if (tag == "PT") {
            tag.clear();
            startDigits.clear();
            state = State::Start;
          }
        } else {
          stop = true;
        }
        break;
      case State::Start:
        if (c >= '0' && c <= '9') {
          // Leading zeros add nothing; beyond twelve digits the number is too large anyway.
          if (startDigits == "0") startDigits.clear();
          if (startDigits.size() < 12) startDigits += c;
        } else if (const auto number = ParseDecimal(startDigits, TDecimalForm::Digits);
                   c == ']' && number) {
          start = *number;
          state = State::Between;
        } else {
          stop = true;  // not a start number: the diagram cannot be placed
        }
        break;
      case State::Between:
        if (c == ')') {
          state = State::Skip;
        } else if (c == ';') {
          pointTag = 0;
          letterCount = 0;
          state = State::Point;
        } else if (c == 'C') {
          noteText.clear();
          state = State::Note;
        } else {
          stop = true;
        }
        break;
      case State::Point:
        if (c == 'B' || c == 'L' || c == 'W') {
          pointTag = c;
        } else if (c == '[') {
          letterCount = 0;
        } else if (IsLower(c)) {
          if (letterCount < 3) letters[letterCount] = c;
          ++letterCount;
        } else if (c == ']') {
          if (letterCount < 2) {
            stop = true;
            break;
          }
          if (pointTag == 'L') {
            // A label needs its letter as the third byte; without one there is nothing to draw.
            if (letterCount >= 3 && labelCount < kMaxDiagramLabels) {
              ++labelCount;
              AppendDiagramLabel(labels, Coordinate(letters[0]), Coordinate(letters[1]),
                                 letters[2] - 'a');
            }
          } else {
            ++seen;
            if (seen >= start && keptMoves < kMaxDiagramMoves) {
              ++keptMoves;
              AppendDiagramMove(moves, Coordinate(letters[0]), Coordinate(letters[1]));
            }
          }
          state = State::Between;
        }
        break;
      case State::Note: {
        // Everything up to the closing "]" is the note; an opening "[" is dropped.
        std::size_t end = i;
        while (end < value.size() && value[end] != '[' && value[end] != ']') ++end;
        noteText.append(value.substr(i, end - i));
        i = end;
        if (i < value.size() && value[i] == ']') {
          note = noteText;
          state = State::Between;
        }
        break;
      }
    }
  }

  return DiagramString(start, keptMoves, moves, labelCount, labels, note);
}

}  // namespace moyo
