#include "record/GibReader.h"

#include <algorithm>
#include <vector>

#include "platform/Text.h"
#include "record/Decimal.h"
#include "record/GameTime.h"

namespace moyo {
namespace {

// The next line of `text` without its CR LF or LF, taken off the front.
std::string_view TakeLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

// The blank-separated words of a line.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// The value after "key:" (GAMEINFOMAIN) or after "key" (GAMETAG) up to the next comma.
std::string_view Field(std::string_view list, std::string_view key) {
  std::size_t at = 0;
  while (at < list.size()) {
    const std::size_t end = std::min(list.find(',', at), list.size());
    const std::string_view item = list.substr(at, end - at);
    if (item.starts_with(key)) return item.substr(key.size());
    at = end + 1;
  }
  return {};
}

// "Name(9D)" as the name and the rank in the brackets.
void ReadPlayer(std::string_view value, std::string& name, std::string& rank) {
  const std::size_t open = value.rfind('(');
  if (open != std::string_view::npos && value.ends_with(")") && open > 0) {
    rank = value.substr(open + 1, value.size() - open - 2);
    value = value.substr(0, open);
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  }
  name = value;
}

// Tenths as a decimal text: 65 gives "6.5", 70 gives "7".
std::string Tenths(std::int32_t tenths) {
  const std::string sign = tenths < 0 ? "-" : "";
  const std::int64_t magnitude = tenths < 0 ? -std::int64_t{tenths} : tenths;
  std::string text = sign + std::to_string(magnitude / 10);
  if (magnitude % 10 != 0) text += "." + std::to_string(magnitude % 10);
  return text;
}

// The result from its code (0 Black by points, 1 White by points, 3 and 4 by resignation,
// 7 and 8 on time) and the margin in tenths; empty for codes with no known meaning.
std::string ResultText(std::string_view code, std::string_view margin) {
  const auto kind = ParseDecimal(code);
  if (!kind) return {};
  const std::string winner = *kind == 0 || *kind == 3 || *kind == 7 ? "흑 " : "백 ";
  switch (*kind) {
    case 0:
    case 1: {
      const auto tenths = ParseDecimal(margin);
      if (!tenths) return {};
      return platform::Utf8ToCp949(winner + Tenths(*tenths) + "집 승");
    }
    case 3:
    case 4:
      return platform::Utf8ToCp949(winner + "불계승");
    case 7:
    case 8:
      return platform::Utf8ToCp949(winner + "시간승");
    default:
      return {};
  }
}

// "2017- 1- 6-12- 6-22" or "C2017:01:06..." as "2017-01-06"; empty when it is neither.
std::string DateText(std::string_view value, char separator) {
  std::vector<std::int32_t> parts;
  std::size_t at = 0;
  while (parts.size() < 3 && at <= value.size()) {
    const std::size_t end = std::min(value.find(separator, at), value.size());
    const auto number = ParseDecimal(value.substr(at, end - at));
    if (!number) return {};
    parts.push_back(*number);
    at = end + 1;
  }
  if (parts.size() < 3 || parts[0] < 1000 || parts[0] > 9999) return {};
  auto two = [](std::int32_t n) { return (n < 10 && n >= 0 ? "0" : "") + std::to_string(n); };
  return std::to_string(parts[0]) + "-" + two(parts[1]) + "-" + two(parts[2]);
}

class TGibLineReader {
 public:
  explicit TGibLineReader(TGameRecord& record) : record_(record) {}

  void Header(std::string_view key, std::string_view value);
  void Initial(const std::vector<std::string_view>& words);
  void Stone(const std::vector<std::string_view>& words);
  void Skip();
  bool cut = false;

 private:
  void AddMove(TRecordMove move);
  std::uint8_t NextColour() const;

  TGameRecord& record_;
};

void TGibLineReader::Header(std::string_view key, std::string_view value) {
  TGiboInfo& info = record_.info;
  if (key == "GAMEBLACKNAME") {
    ReadPlayer(value, info.blackName, info.blackRank);
  } else if (key == "GAMEWHITENAME") {
    ReadPlayer(value, info.whiteName, info.whiteRank);
  } else if (key == "GAMEBLACKLEVEL" && info.blackRank.empty()) {
    info.blackRank = value;
  } else if (key == "GAMEWHITELEVEL" && info.whiteRank.empty()) {
    info.whiteRank = value;
  } else if (key == "GAMENAME") {
    info.title = value;
  } else if (key == "GAMEPLACE") {
    info.place = value;
  } else if (key == "GAMEDATE") {
    const std::string date = DateText(value, '-');
    info.date = date.empty() ? std::string(value) : date;
  } else if (key == "GAMECOMMENT" && !value.empty()) {
    record_.AddComment(0, kCommentText, "[0] " + std::string(value));
  } else if (key == "GAMERESULT" && info.result.empty()) {
    info.result = value;
  } else if (key == "GAMEINFOMAIN") {
    const std::string result = ResultText(Field(value, "GRLT:"), Field(value, "ZIPSU:"));
    if (!result.empty()) info.result = result;
    if (const auto komi = ParseDecimal(Field(value, "GONGJE:"))) info.komi = Tenths(*komi);
    // GTIME: main time, byo-yomi seconds and periods, as "1200-30-3".
    const std::string_view time = Field(value, "GTIME:");
    const std::size_t dash = time.find('-');
    if (const auto main = ParseDecimal(time.substr(0, dash)); main && *main >= 0) {
      info.mainTime = SecondsText(*main);
    }
    if (dash != std::string_view::npos) {
      const std::string_view byoyomi = time.substr(dash + 1);
      const std::size_t second = byoyomi.find('-');
      if (second != std::string_view::npos) {
        info.byoyomiTime = byoyomi.substr(0, second);
        info.byoyomiCount = byoyomi.substr(second + 1);
      }
    }
  } else if (key == "GAMETAG") {
    if (info.date.empty()) info.date = DateText(Field(value, "C").substr(0, 10), ':');
    if (info.komi.empty()) {
      if (const auto komi = ParseDecimal(Field(value, "G"))) info.komi = Tenths(*komi);
    }
  }
}

void TGibLineReader::Initial(const std::vector<std::string_view>& words) {
  // "INI 0 1 h &4": the fourth word is the handicap.
  if (words.size() < 4) return;
  const auto handicap = ParseDecimal(words[3]);
  if (handicap && *handicap >= 0 && *handicap <= 0xFFFF) {
    record_.info.handicap = static_cast<std::uint16_t>(*handicap);
  }
}

std::uint8_t TGibLineReader::NextColour() const {
  if (record_.moveCount > 0) {
    return record_.moves[record_.moveCount - 1].colour == kRecordBlack ? kRecordWhite
                                                                       : kRecordBlack;
  }
  return record_.info.handicap >= 2 ? kRecordWhite : kRecordBlack;
}

void TGibLineReader::AddMove(TRecordMove move) {
  if (!cut && !record_.AddMove(move)) cut = true;
}

void TGibLineReader::Stone(const std::vector<std::string_view>& words) {
  // "STO 0 n c x y": colour 1 Black, 2 White; x and y count from 0 at the top left.
  if (words.size() < 6) return;
  const auto colour = ParseDecimal(words[3]);
  const auto x = ParseDecimal(words[4]);
  const auto y = ParseDecimal(words[5]);
  if (!colour || !x || !y || (*colour != 1 && *colour != 2)) return;
  if (*x < 0 || *x >= kMaxRecordBoardSize || *y < 0 || *y >= kMaxRecordBoardSize) return;
  AddMove({static_cast<std::uint8_t>(*x + 1), static_cast<std::uint8_t>(*y + 1),
           *colour == 1 ? kRecordBlack : kRecordWhite});
}

void TGibLineReader::Skip() {
  AddMove({0, 0, NextColour()});
}

}  // namespace

// A GIB record names no board size: the format is the 19-line board's, and
// Clear() leaves the record at 19.
TReadResult ReadGibRecord(TGameRecord& record, std::string_view text) {
  record.Clear();
  if (text.empty()) return ReadFailure("the record text is empty");
  TGibLineReader reader(record);
  bool gameEnded = false;
  bool sawGibLine = false;
  while (!text.empty() && !gameEnded) {
    const std::string_view line = TakeLine(text);
    if (line.starts_with("\\[") && line.ends_with("\\]") && line.size() >= 4) {
      const std::string_view entry = line.substr(2, line.size() - 4);
      const std::size_t equals = entry.find('=');
      if (equals != std::string_view::npos) {
        reader.Header(entry.substr(0, equals), entry.substr(equals + 1));
      }
      sawGibLine = true;
    } else if (line.starts_with("INI ")) {
      reader.Initial(Words(line));
    } else if (line.starts_with("STO ")) {
      reader.Stone(Words(line));
    } else if (line.starts_with("SKI ")) {
      reader.Skip();
    } else if (line.starts_with("\\GE")) {
      gameEnded = true;
    } else if (line.starts_with("\\HS") || line.starts_with("\\GS")) {
      sawGibLine = true;
    }
  }
  if (!sawGibLine && record.moveCount == 0) {
    TReadResult result = ReadFailure("the text holds no GIB record");
    result.notices.push_back({TNoticeKind::Unreadable});
    return result;
  }
  TReadResult result;
  if (reader.cut) result.notices.push_back({TNoticeKind::MovesCut, kMaxRecordMoves});
  if (!gameEnded) result.notices.push_back({TNoticeKind::EndsEarly});
  return result;
}

}  // namespace moyo
