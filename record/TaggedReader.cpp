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

}  // namespace

TReadResult ReadTaggedRecord(TGameRecord& record, std::string_view text, std::string_view level) {
  record.moveCount = 0;
  record.info.title.clear();
  if (text.empty()) return ReadFailure("the record text is empty");

  enum class State { Between, TagName, Node, Comment, Diagram, Value };
  State state = State::Between;
  std::string tag;
  std::string value;
  Target target = Target::None;
  int depth = 0;
  bool stopped = false;
  bool endSeen = false;
  bool moveValueOpened = false;  // a move tag's "[" was seen in this node

  std::size_t i = 0;
  while (i < text.size() && !stopped) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    switch (state) {
      case State::Between:
        if (c == '\n' || c == '\r' || c == '(') {
        } else if (c == ')') {
          endSeen = true;
        } else if (c == ';') {
          state = State::Node;
          moveValueOpened = false;
        } else if (IsUpper(c)) {
          tag += static_cast<char>(c);
          state = State::TagName;
        } else {
          tag.clear();
        }
        break;

      case State::TagName:
        if (IsUpper(c)) {
          tag += static_cast<char>(c);
        } else if (c == '[') {
          value.clear();
          state = State::Value;
          if (tag == "C") {
            state = State::Comment;
          } else if (tag == "RN") {
            state = State::Diagram;
            depth = 0;
          } else {
            target = TargetOf(tag);
          }
          tag.clear();
        } else {
          stopped = true;
        }
        break;

      case State::Node:
        if (c == 'B' || c == 'W') {
          tag.assign(1, static_cast<char>(c));
        } else if (c == 'E') {
          tag = "E";
          state = State::TagName;
        } else if (c == '[') {
          if (tag == "B" || tag == "W") {
            value.clear();
            moveValueOpened = true;
          } else if (tag.size() < 2) {
            tag += '[';
          } else {
            value.clear();
            state = State::Value;
            tag.clear();
          }
        } else if (c == ']') {
          const bool isMoveTag = tag == "B" || tag == "W";
          const std::uint8_t colour = tag == "B" ? kRecordBlack : kRecordWhite;
          if (value.size() == 2 && IsLower(value[0]) && IsLower(value[1])) {
            record.AddMove({static_cast<std::uint8_t>(value[0] - 96),
                            static_cast<std::uint8_t>(value[1] - 96), colour});
          } else if (!(isMoveTag && moveValueOpened && value.empty())) {
            break;
          } else {
            // An empty move value is a pass: it keeps the turn order and the move numbers.
            record.AddMove({0, 0, colour});
          }
          tag.clear();
          value.clear();
          state = State::Between;
        } else if (IsLower(c)) {
          value += static_cast<char>(c);
        }
        break;

      case State::Comment: {
        const std::size_t end = FindEither(text, i, '[', ']');
        value.append(text.substr(i, end - i));
        i = end;
        if (i < text.size() && text[i] == ']') {
          std::string item = "[" + std::to_string(record.moveCount) + "] ";
          item += value;
          record.AddComment(record.moveCount, kCommentText, std::move(item));
          tag.clear();
          value.clear();
          state = State::Between;
        }
        break;
      }

      case State::Diagram: {
        const std::size_t end = FindEither(text, i, '(', ')');
        value.append(text.substr(i, end - i));
        i = end;
        if (i >= text.size()) break;
        if (text[i] == '(') {
          ++depth;
          value += '(';
        } else if (depth == 0) {
          record.AddComment(record.moveCount, kReferenceDiagram, EncodeDiagram(value));
          tag.clear();
          value.clear();
          state = State::Between;
        } else {
          --depth;
          value += ')';
        }
        break;
      }

      case State::Value: {
        const std::size_t end = FindEither(text, i, '[', ']');
        value.append(text.substr(i, end - i));
        i = end;
        if (i < text.size() && text[i] == ']') {
          state = State::Between;
          const Target stored = target;
          target = Target::None;
          if (!Store(record.info, stored, value)) {
            return ReadFailure("the handicap (HD) is not a decimal number");
          }
        }
        break;
      }
    }
    ++i;
  }

  const std::string_view kind = record.info.recordKind;
  if (kind != "1" && (level == "0" || level == "2")) {
    record.info.summary = "\r" + Message(kNoticeMessage);
  }
  TReadResult result;
  result.show = !stopped || endSeen;
  return result;
}

}  // namespace moyo
