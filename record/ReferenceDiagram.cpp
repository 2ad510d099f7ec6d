#include "record/ReferenceDiagram.h"

#include <array>
#include <cstdint>

#include "board/TextCodes.h"
#include "record/Decimal.h"

namespace moyo {
namespace {

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
  out += kDiagramSeparator;
  if (labelCount > 0) {
    out += EncodeNumber2(labelCount);
    out += labels;
  }
  out += kDiagramSeparator;
  out += note;
  return out;
}

namespace {

// The walk over a diagram tag's value: its state and one function per state, each taking
// the byte at `at_`; any of them may stop the walk, which keeps what was gathered.
class TDiagramWalk {
 public:
  explicit TDiagramWalk(std::string_view value) : value_(value) {}

  std::string Run();

 private:
  enum class State { Skip, Name, Start, Between, Point, Note };

  void Skip(char c);
  void Name(char c);
  void Start(char c);
  void Between(char c);
  void Point(char c);
  void Note();
  void EndPoint();

  std::string_view value_;
  std::size_t at_ = 0;
  State state_ = State::Skip;
  bool stop_ = false;
  std::string tag_;          // capitals of a tag name before the start number
  std::string startDigits_;  // the start number as read; an empty or oversized one is no number
  int start_ = 0;
  // A point value: only its first three letters matter, but all are counted.
  char pointTag_ = 0;
  std::array<char, 3> letters_{};
  int letterCount_ = 0;
  int seen_ = 0;
  int keptMoves_ = 0;
  int labelCount_ = 0;
  std::string moves_;
  std::string labels_;
  std::string noteText_;  // the note being read
  std::string note_;      // the last complete note
};

std::string TDiagramWalk::Run() {
  for (at_ = 0; at_ < value_.size() && !stop_; ++at_) {
    const char c = value_[at_];
    switch (state_) {
      case State::Skip:
        Skip(c);
        break;
      case State::Name:
        Name(c);
        break;
      case State::Start:
        Start(c);
        break;
      case State::Between:
        Between(c);
        break;
      case State::Point:
        Point(c);
        break;
      case State::Note:
        Note();
        break;
    }
  }
  return DiagramString(start_, keptMoves_, moves_, labelCount_, labels_, note_);
}

void TDiagramWalk::Skip(char c) {
  if (c == ']') state_ = State::Name;  // past the diagram tag's own value
}

void TDiagramWalk::Name(char c) {
  if (IsUpper(c)) {
    tag_ += c;
  } else if (c == '[') {
    if (tag_ == "PT") {
      tag_.clear();
      startDigits_.clear();
      state_ = State::Start;
    }
  } else {
    stop_ = true;
  }
}

void TDiagramWalk::Start(char c) {
  if (c >= '0' && c <= '9') {
    // Leading zeros add nothing; beyond twelve digits the number is too large anyway.
    if (startDigits_ == "0") startDigits_.clear();
    if (startDigits_.size() < 12) startDigits_ += c;
  } else if (const auto number = ParseDecimal(startDigits_, TDecimalForm::Digits);
             c == ']' && number) {
    start_ = *number;
    state_ = State::Between;
  } else {
    stop_ = true;  // not a start number: the diagram cannot be placed
  }
}

void TDiagramWalk::Between(char c) {
  if (c == ')') {
    state_ = State::Skip;
  } else if (c == ';') {
    pointTag_ = 0;
    letterCount_ = 0;
    state_ = State::Point;
  } else if (c == 'C') {
    noteText_.clear();
    state_ = State::Note;
  } else {
    stop_ = true;
  }
}

void TDiagramWalk::Point(char c) {
  if (c == 'B' || c == 'L' || c == 'W') {
    pointTag_ = c;
  } else if (c == '[') {
    letterCount_ = 0;
  } else if (IsLower(c)) {
    if (letterCount_ < 3) letters_[letterCount_] = c;
    ++letterCount_;
  } else if (c == ']') {
    EndPoint();
  }
}

void TDiagramWalk::EndPoint() {
  if (letterCount_ < 2) {
    stop_ = true;
    return;
  }
  if (pointTag_ == 'L') {
    // A label needs its letter as the third byte; without one there is nothing to draw.
    if (letterCount_ >= 3 && labelCount_ < kMaxDiagramLabels) {
      ++labelCount_;
      AppendDiagramLabel(labels_, Coordinate(letters_[0]), Coordinate(letters_[1]),
                         letters_[2] - 'a');
    }
  } else {
    ++seen_;
    if (seen_ >= start_ && keptMoves_ < kMaxDiagramMoves) {
      ++keptMoves_;
      AppendDiagramMove(moves_, Coordinate(letters_[0]), Coordinate(letters_[1]));
    }
  }
  state_ = State::Between;
}

void TDiagramWalk::Note() {
  // Everything up to the closing "]" is the note; an opening "[" is dropped.
  std::size_t end = at_;
  while (end < value_.size() && value_[end] != '[' && value_[end] != ']') ++end;
  noteText_.append(value_.substr(at_, end - at_));
  at_ = end;
  if (at_ < value_.size() && value_[at_] == ']') {
    note_ = noteText_;
    state_ = State::Between;
  }
}

}  // namespace

std::string EncodeDiagram(std::string_view value) {
  return TDiagramWalk(value).Run();
}

}  // namespace moyo
