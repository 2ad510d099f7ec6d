#include "record/TaggedReader.h"

#include <string>

#include "record/Decimal.h"
#include "record/ReferenceDiagram.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kNoticeMessage = 8;  // "Only full members may read the commentary."

bool IsLower(unsigned char c) {
  return c >= 'a' && c <= 'z';
}
bool IsUpper(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}

// The header field that a tag's value is stored in.
enum class Target {
  None,
  Title,
  Date,
  Place,
  BlackName,
  WhiteName,
  Result,
  MainTime,
  ByoyomiTime,
  ByoyomiCount,
  Komi,
  BlackRank,
  WhiteRank,
  RecordKind,
  Summary,
  Handicap,
};

Target TargetOf(std::string_view tag) {
  if (tag.size() != 2) return Target::None;
  static constexpr struct {
    std::string_view tag;
    Target target;
  } kTags[] = {
      {"TE", Target::Title},       {"EV", Target::Title},        {"GN", Target::Title},
      {"GD", Target::Title},       {"GH", Target::Title},        {"RD", Target::Date},
      {"DT", Target::Date},        {"PC", Target::Place},        {"PB", Target::BlackName},
      {"PW", Target::WhiteName},   {"RE", Target::Result},       {"TM", Target::MainTime},
      {"LT", Target::ByoyomiTime}, {"LC", Target::ByoyomiCount}, {"KO", Target::Komi},
      {"BR", Target::BlackRank},   {"WR", Target::WhiteRank},    {"GK", Target::RecordKind},
      {"TC", Target::Summary},     {"HD", Target::Handicap},
  };
  for (const auto& entry : kTags) {
    if (entry.tag == tag) return entry.target;
  }
  return Target::None;
}

// Stores a completed header value; false when a number is not decimal.
bool Store(TGiboInfo& info, Target target, const std::string& value) {
  switch (target) {
    case Target::None:
      break;
    case Target::Title:
      info.title += value;
      break;
    case Target::Date:
      info.date = value;
      break;
    case Target::Place:
      info.place = value;
      break;
    case Target::BlackName:
      info.blackName = value;
      break;
    case Target::WhiteName:
      info.whiteName = value;
      break;
    case Target::Result:
      info.result = value;
      break;
    case Target::MainTime:
      info.mainTime = value;
      break;
    case Target::ByoyomiTime:
      info.byoyomiTime = value;
      break;
    case Target::ByoyomiCount:
      info.byoyomiCount = value;
      break;
    case Target::Komi:
      info.komi = value;
      break;
    case Target::BlackRank:
      info.blackRank = value;
      break;
    case Target::WhiteRank:
      info.whiteRank = value;
      break;
    case Target::RecordKind:
      info.recordKind = value;
      break;
    case Target::Summary:
      info.summary = value;
      break;
    case Target::Handicap: {
      const auto number = ParseDecimal(value);
      if (!number) return false;
      info.handicap = static_cast<std::uint16_t>(*number);  // the field keeps the low 16 bits
      break;
    }
  }
  return true;
}

// Index of the first byte at or after `from` that is `a` or `b`, or the text's size.
std::size_t FindEither(std::string_view text, std::size_t from, char a, char b) {
  while (from < text.size() && text[from] != a && text[from] != b) ++from;
  return from;
}

// The walk over a tagged text: the reader's state and one function per state. Each takes
// the byte at `at` (the text states may take a whole run) and leaves `at` on the last byte
// it used.
class TTaggedWalk {
 public:
  TTaggedWalk(TGameRecord& record, std::string_view text) : record_(record), text_(text) {}

  // Walks the whole text; false when a header number failed the load.
  bool Run();
  bool Stopped() const { return stopped_; }
  bool EndSeen() const { return endSeen_; }
  // Whether moves were left out because the line was full.
  bool MovesCut() const { return movesCut_; }
  std::size_t At() const { return at_; }

 private:
  enum class State { Between, TagName, Node, Comment, Diagram, Value };

  void Between(unsigned char c);
  void TagName(unsigned char c);
  void Node(unsigned char c);
  void Comment();
  void Diagram();
  bool Value();
  // Appends the bytes from `at_` up to the first `a` or `b` to `value_` and stops on it.
  void TakeUntil(char a, char b);

  TGameRecord& record_;
  std::string_view text_;
  std::size_t at_ = 0;
  State state_ = State::Between;
  std::string tag_;
  std::string value_;
  Target target_ = Target::None;
  int depth_ = 0;
  bool stopped_ = false;
  bool endSeen_ = false;
  bool moveValueOpened_ = false;  // a move tag's "[" was seen in this node
  bool movesCut_ = false;
};

bool TTaggedWalk::Run() {
  for (at_ = 0; at_ < text_.size() && !stopped_; ++at_) {
    const unsigned char c = static_cast<unsigned char>(text_[at_]);
    switch (state_) {
      case State::Between:
        Between(c);
        break;
      case State::TagName:
        TagName(c);
        break;
      case State::Node:
        Node(c);
        break;
      case State::Comment:
        Comment();
        break;
      case State::Diagram:
        Diagram();
        break;
      case State::Value:
        if (!Value()) return false;
        break;
    }
  }
  return true;
}

void TTaggedWalk::Between(unsigned char c) {
  if (c == '\n' || c == '\r' || c == '(') {
  } else if (c == ')') {
    endSeen_ = true;
  } else if (c == ';') {
    state_ = State::Node;
    moveValueOpened_ = false;
  } else if (IsUpper(c)) {
    tag_ += static_cast<char>(c);
    state_ = State::TagName;
  } else {
    tag_.clear();
  }
}

void TTaggedWalk::TagName(unsigned char c) {
  if (IsUpper(c)) {
    tag_ += static_cast<char>(c);
  } else if (c == '[') {
    value_.clear();
    state_ = State::Value;
    if (tag_ == "C") {
      state_ = State::Comment;
    } else if (tag_ == "RN") {
      state_ = State::Diagram;
      depth_ = 0;
    } else {
      target_ = TargetOf(tag_);
    }
    tag_.clear();
  } else {
    stopped_ = true;
  }
}

void TTaggedWalk::Node(unsigned char c) {
  if (c == 'B' || c == 'W') {
    tag_.assign(1, static_cast<char>(c));
  } else if (c == 'E') {
    tag_ = "E";
    state_ = State::TagName;
  } else if (c == '[') {
    if (tag_ == "B" || tag_ == "W") {
      value_.clear();
      moveValueOpened_ = true;
    } else if (tag_.size() < 2) {
      tag_ += '[';
    } else {
      value_.clear();
      state_ = State::Value;
      tag_.clear();
    }
  } else if (c == ']') {
    const bool isMoveTag = tag_ == "B" || tag_ == "W";
    const std::uint8_t colour = tag_ == "B" ? kRecordBlack : kRecordWhite;
    if (value_.size() == 2 && IsLower(value_[0]) && IsLower(value_[1])) {
      movesCut_ |= !record_.AddMove({static_cast<std::uint8_t>(value_[0] - 96),
                                     static_cast<std::uint8_t>(value_[1] - 96), colour});
    } else if (!(isMoveTag && moveValueOpened_ && value_.empty())) {
      return;
    } else {
      // An empty move value is a pass: it keeps the turn order and the move numbers.
      movesCut_ |= !record_.AddMove({0, 0, colour});
    }
    tag_.clear();
    value_.clear();
    state_ = State::Between;
  } else if (IsLower(c)) {
    value_ += static_cast<char>(c);
  }
}

void TTaggedWalk::TakeUntil(char a, char b) {
  const std::size_t end = FindEither(text_, at_, a, b);
  value_.append(text_.substr(at_, end - at_));
  at_ = end;
}

void TTaggedWalk::Comment() {
  TakeUntil('[', ']');
  if (at_ < text_.size() && text_[at_] == ']') {
    std::string item = "[" + std::to_string(record_.moveCount) + "] ";
    item += value_;
    record_.AddComment(record_.moveCount, kCommentText, std::move(item));
    tag_.clear();
    value_.clear();
    state_ = State::Between;
  }
}

void TTaggedWalk::Diagram() {
  TakeUntil('(', ')');
  if (at_ >= text_.size()) return;
  if (text_[at_] == '(') {
    ++depth_;
    value_ += '(';
  } else if (depth_ == 0) {
    record_.AddComment(record_.moveCount, kReferenceDiagram, EncodeDiagram(value_));
    tag_.clear();
    value_.clear();
    state_ = State::Between;
  } else {
    --depth_;
    value_ += ')';
  }
}

bool TTaggedWalk::Value() {
  TakeUntil('[', ']');
  if (at_ < text_.size() && text_[at_] == ']') {
    state_ = State::Between;
    const Target stored = target_;
    target_ = Target::None;
    return Store(record_.info, stored, value_);
  }
  return true;
}

}  // namespace

TReadResult ReadTaggedRecord(TGameRecord& record, std::string_view text, std::string_view level) {
  record.moveCount = 0;
  record.info.title.clear();
  if (text.empty()) return ReadFailure("the record text is empty");

  TTaggedWalk walk(record, text);
  if (!walk.Run()) {
    return ReadFailure("the handicap (HD) is not a decimal number", walk.At());
  }

  const std::string_view kind = record.info.recordKind;
  if (kind != "1" && (level == "0" || level == "2")) {
    record.info.summary = "\r" + Message(kNoticeMessage);
  }
  TReadResult result;
  result.show = !walk.Stopped() || walk.EndSeen();
  // Where a malformed tag stopped the walk (the byte after it), else the end of the text.
  result.offset = walk.Stopped() ? walk.At() - 1 : text.size();
  if (walk.MovesCut()) result.notices.push_back({TNoticeKind::MovesCut, kMaxRecordMoves});
  return result;
}

}  // namespace moyo
