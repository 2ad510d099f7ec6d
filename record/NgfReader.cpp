#include "record/NgfReader.h"

#include <algorithm>
#include <string>

#include "record/Decimal.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kNoneMessage = 9;        // "없음"
constexpr int kUnlimitedMessage = 10;  // "무제한"
constexpr int kMinutesMessage = 11;    // "분"
constexpr int kHoursMessage = 12;      // "시간"
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

// Minutes as the viewer writes them: "45분", "1시간", "1시간30분".
std::string FormatMinutes(std::int32_t minutes) {
  const std::int32_t hours = minutes / 60;
  const std::int32_t rest = minutes % 60;
  if (hours == 0) return std::to_string(rest) + Message(kMinutesMessage);
  if (rest == 0) return std::to_string(hours) + Message(kHoursMessage);
  return std::to_string(hours) + Message(kHoursMessage) + std::to_string(rest) +
         Message(kMinutesMessage);
}

TReadResult NotDecimal(const char* what) {
  return ReadFailure(std::string("the NGF ") + what + " is not a decimal number");
}

}  // namespace

std::string_view ReadNgfLine(std::string_view& text) {
  const std::size_t cr = text.find('\r');
  if (cr == std::string_view::npos) {
    const std::string_view line = text;
    text = {};
    return line;
  }
  const std::string_view line = text.substr(0, cr);
  text.remove_prefix(std::min(cr + 2, text.size()));
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
      return {};
    }
    const std::string_view line = ReadNgfLine(text);
    switch (lineNo) {
      case 1:
        info.title = line;
        break;
      case 2:
        break;  // the board size; the viewer always shows 19 lines
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
        info.mainTime = FormatMinutes(*minutes);
        break;
      }
      case 11:
        info.result = line.substr(0, line.find('>'));
        break;
      case 12: {
        const auto count = ParseDecimal(line);
        if (!count) return NotDecimal("move count (line 12)");
        record.moveCount = 0;
        for (std::int32_t n = 0; n < *count && !text.empty() && n < kMaxRecordMoves; ++n) {
          const std::string_view move = ReadNgfLine(text);
          // A line too short to hold a colour and a point carries no readable move.
          if (move.size() < kMoveLineBytes) continue;
          record.AddMove({static_cast<std::uint8_t>(move[5] - 'A'),
                          static_cast<std::uint8_t>(move[6] - 'A'),
                          move[4] == 'B' ? kRecordBlack : kRecordWhite});
        }
        break;
      }
    }
  }
  return {};
}

}  // namespace moyo
