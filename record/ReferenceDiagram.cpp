#include "record/ReferenceDiagram.h"

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
char PointLetter(char lower) {
  return static_cast<char>('A' + (lower - 'a' + 1));
}

}  // namespace

std::string EncodeDiagram(std::string_view value) {
  enum class State { Skip, Name, Start, Between, Point, Note };
  State state = State::Skip;
  std::string tag;
  std::string number;
  int start = 0;
  int seen = 0;
  int keptMoves = 0;
  int labelCount = 0;
  std::string moves;
  std::string labels;
  std::string note;

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
            number.clear();
            state = State::Start;
          }
        } else {
          stop = true;
        }
        break;
      case State::Start:
        if (c >= '0' && c <= '9') {
          number += c;
        } else if (c == ']') {
          // An empty or oversized start number cannot place the diagram.
          const auto parsed = ParseDecimal(number);
          if (!parsed) {
            stop = true;
            break;
          }
          start = *parsed;
          number.clear();
          state = State::Between;
        } else {
          stop = true;
        }
        break;
      case State::Between:
        if (c == ')') {
          state = State::Skip;
        } else if (c == ';') {
          state = State::Point;
        } else if (c == 'C') {
          state = State::Note;
        } else {
          stop = true;
        }
        break;
      case State::Point:
        if (c == 'B' || c == 'L' || c == 'W') {
          tag.assign(1, c);
        } else if (c == '[') {
          number.clear();
        } else if (IsLower(c)) {
          number += c;
        } else if (c == ']') {
          if (number.size() < 2 || !IsLower(number[0]) || !IsLower(number[1])) {
            stop = true;
            break;
          }
          if (tag == "L") {
            // A label needs its letter as the third byte; without one there is nothing to draw.
            if (number.size() >= 3 && labelCount < kMaxDiagramLabels) {
              ++labelCount;
              labels += PointLetter(number[0]);
              labels += PointLetter(number[1]);
              labels += EncodeNumber2(kLabelMarkBase + (number[2] - 'a'));
            }
          } else {
            ++seen;
            if (seen >= start && keptMoves < kMaxDiagramMoves) {
              ++keptMoves;
              moves += PointLetter(number[0]);
              moves += PointLetter(number[1]);
            }
          }
          tag.clear();
          number.clear();
          state = State::Between;
        }
        break;
      case State::Note:
        if (c == ']') {
          note = number;
          tag.clear();
          number.clear();
          state = State::Between;
        } else if (c != '[') {
          number += c;
        }
        break;
    }
  }

  if (keptMoves == 0) return {};
  std::string out = EncodeNumber2(start);
  out += EncodeNumber2(keptMoves);
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

}  // namespace moyo
