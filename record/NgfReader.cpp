#include "record/NgfReader.h"

#include <algorithm>
#include <string>

#include "record/Decimal.h"
#include "record/GameTime.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kNoneMessage = 9;        // "없음"
constexpr int kUnlimitedMessage = 10;  // "무제한"
constexpr std::size_t kMoveLineBytes = 7;

// The part of a line before its first blank; empty when it has none.
std::string_view BeforeBlank(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank == std::string_view::npos ? std::string_view{} : line.substr(0, blank);
}

// The line from its first blank on, or the whole line when it has none.
std::string_view FromBlank(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank == std::string_view::npos ? line : line.substr(blank);
}

// A player line: the name before the first blank, the rank after it without blanks or stars.
void ReadPlayer(std::string_view line, std::string& name, std::string& rank) {
  name = BeforeBlank(line);
  rank.clear();
  for (char c : FromBlank(line)) {
    if (c != ' ' && c != '*') rank += c;
  }
}

void ReadByoyomi(std::string_view line, TGiboInfo& info) {
  if (line.empty() || line == "0") {
    info.byoyomiTime = "30";
    info.byoyomiCount = "3";
    return;
  }
  const std::size_t blank = line.find(' ');
  info.byoyomiTime = BeforeBlank(line);
  info.byoyomiCount = blank == std::string_view::npos ? line : line.substr(blank + 1);
}

TReadResult NotDecimal(const char* what) {
  return ReadFailure(std::string("the NGF ") + what + " is not a decimal number");
}

// A text that lacks lines or ends early: what was read stays and is shown, with a notice.
TReadResult EndsEarly() {
  TReadResult result;
  result.notices.push_back({TNoticeKind::EndsEarly});
  return result;
}

}  // namespace

std::string_view ReadNgfLine(std::string_view& text) {
  // Lines are a dozen bytes: a plain scan beats find_first_of, which calls
  // memchr on "\r\n" for every byte.
  std::size_t end = 0;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  if (end == text.size()) {
    const std::string_view line = text;
    text = {};
    return line;
  }
  const std::string_view line = text.substr(0, end);
  // A CR takes the byte after it (the LF of CR LF) along; an LF alone ends the line.
  text.remove_prefix(std::min(end + (text[end] == '\r' ? 2 : 1), text.size()));
  return line;
}

TReadResult ReadNgfRecord(TGameRecord& record, std::string_view text) {
  if (text.empty()) return ReadFailure("the record text is empty");
  TGiboInfo& info = record.info;
  constexpr int kHeaderLines = 12;
  for (int lineNo = 1; lineNo <= kHeaderLines; ++lineNo) {
    if (text.empty()) {
      // The header ends early: no move was read.
      record.moveCount = 0;
      return EndsEarly();
    }
    const std::string_view line = ReadNgfLine(text);
    switch (lineNo) {
      case 1:
        info.title = line;
        break;
      case 2:
        if (const auto size = ParseDecimal(line);
            size && *size >= kMinRecordBoardSize && *size <= kMaxRecordBoardSize) {
          record.boardSize = static_cast<std::uint8_t>(*size);
        }
        break;
      case 3:
        ReadPlayer(line, info.whiteName, info.whiteRank);
        break;
      case 4:
        ReadPlayer(line, info.blackName, info.blackRank);
        break;
      case 5:
        info.place = line;
        break;
      case 6: {
        const auto handicap = ParseDecimal(line);
        if (!handicap) return NotDecimal("handicap (line 6)");
        info.handicap = static_cast<std::uint16_t>(*handicap);  // the field keeps the low 16 bits
        break;
      }
      case 7:
        ReadByoyomi(line, info);
        break;
      case 8:
        info.komi = line == "0" ? Message(kNoneMessage) : std::string(line) + ".5";
        break;
      case 9:
        info.date = line.find('-') == 6 ? line.substr(2) : line;
        break;
      case 10: {
        if (line == "599") {
          info.mainTime = Message(kUnlimitedMessage);
          break;
        }
        const auto minutes = ParseDecimal(line);
        if (!minutes) return NotDecimal("main time (line 10)");
        info.mainTime = MinutesText(*minutes);
        break;
      }
      case 11:
        info.result = line.substr(0, line.find('>'));
        break;
      case 12: {
        const auto count = ParseDecimal(line);
        if (!count) return NotDecimal("move count (line 12)");
        record.moveCount = 0;
        bool shortLine = false;
        std::int32_t n = 0;
        for (; n < *count && !text.empty() && n < kMaxRecordMoves; ++n) {
          const std::string_view move = ReadNgfLine(text);
          // A line too short to hold a colour and a point carries no readable move.
          if (move.size() < kMoveLineBytes) {
            shortLine = true;
            continue;
          }
          record.AddMove({static_cast<std::uint8_t>(move[5] - 'A'),
                          static_cast<std::uint8_t>(move[6] - 'A'),
                          move[4] == 'B' ? kRecordBlack : kRecordWhite});
        }
        if (n < *count && n >= kMaxRecordMoves && !text.empty()) {
          TReadResult result;
          result.notices.push_back({TNoticeKind::MovesCut, kMaxRecordMoves});
          return result;
        }
        if (shortLine || n < *count) return EndsEarly();
        break;
      }
    }
  }
  return {};
}

}  // namespace moyo
