#include "record/RecordDispatch.h"

#include <algorithm>
#include <array>

#include "record/Decimal.h"
#include "record/GibReader.h"
#include "record/NgfReader.h"
#include "record/SgfReader.h"
#include "record/SgfTree.h"
#include "record/TaggedReader.h"
#include "record/TextEncoding.h"

namespace moyo {
namespace {

std::string_view AfterMarkAndBlanks(std::string_view body) {
  for (std::string_view mark : {std::string_view("\xEF\xBB\xBF")}) {
    if (body.starts_with(mark)) body.remove_prefix(mark.size());
  }
  while (!body.empty() && (body.front() == ' ' || body.front() == '\t' || body.front() == '\r' ||
                           body.front() == '\n')) {
    body.remove_prefix(1);
  }
  return body;
}

bool IsGib(std::string_view text) {
  return text.starts_with("\\HS") || text.starts_with("\\[");
}

bool IsSgf(std::string_view text) {
  if (!text.starts_with("(")) return false;
  static constexpr std::array<std::string_view, 10> kSgfRootNames = {"GM", "FF", "CA", "SZ", "AP",
                                                                     "HA", "KM", "AB", "AW", "PL"};
  constexpr std::size_t kRootProperties = 64;
  for (const TSgfRootProperty& property : SgfRootProperties(text, kRootProperties)) {
    const std::string_view name = property.id;
    if (name == "B" || name == "W") break;  // the first move: the root is over
    const bool lowerCase =
        std::any_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (lowerCase || name.size() > 2) return true;
    if (std::find(kSgfRootNames.begin(), kSgfRootNames.end(), name) != kSgfRootNames.end()) {
      return true;
    }
  }
  return false;
}

bool IsNgf(std::string_view text) {
  if (text.starts_with("(")) return false;
  std::string_view rest = text;
  std::array<std::string_view, 6> lines{};
  std::size_t count = 0;
  while (count < lines.size() && !rest.empty()) lines[count++] = ReadNgfLine(rest);
  if (count < 2) return false;
  const auto size = ParseDecimal(lines[1]);
  if (!size || *size < kMinRecordBoardSize || *size > kMaxRecordBoardSize) return false;
  return count < 6 || ParseDecimal(lines[5]).has_value();
}

TReadResult ReadAs(TRecordFormat format, TGameRecord& record, std::string_view text,
                   std::string_view level) {
  switch (format) {
    case TRecordFormat::Ngf:
      return ReadNgfRecord(record, text);
    case TRecordFormat::Sgf:
      return ReadSgfRecord(record, text);
    case TRecordFormat::Gib:
      return ReadGibRecord(record, text);
    case TRecordFormat::Tagged:
      break;
  }
  TReadResult result = ReadTaggedRecord(record, text, level);
  if (!result.failed && !result.show) result.notices.push_back({TNoticeKind::StoppedEarly});
  return result;
}

}  // namespace

std::string_view RecordFormatName(TRecordFormat format) {
  switch (format) {
    case TRecordFormat::Ngf:
      return "ngf";
    case TRecordFormat::Sgf:
      return "sgf";
    case TRecordFormat::Gib:
      return "gib";
    case TRecordFormat::Tagged:
      break;
  }
  return "tagged";
}

TRecordFormat DetectRecordFormat(std::string_view body, TRecordFormat expected) {
  const std::string_view text = AfterMarkAndBlanks(body);
  if (IsGib(text)) return TRecordFormat::Gib;
  if (IsSgf(text)) return TRecordFormat::Sgf;
  if (IsNgf(text)) return TRecordFormat::Ngf;
  return expected;
}

bool NothingRead(const TGameRecord& record) {
  const TGiboInfo& info = record.info;
  const bool noHeader = info.title.empty() && info.blackName.empty() && info.whiteName.empty() &&
                        info.date.empty() && info.place.empty() && info.result.empty() &&
                        info.handicap == 0;
  return noHeader && record.moveCount == 0 && record.commentCount == 0 && record.setupCount == 0;
}

TRecordRead ReadRecordBody(TGameRecord& record, std::string_view body,
                           const TRecordReadOptions& options) {
  TRecordRead read;
  TDecodedText decoded = DecodeRecordText(body, options.encoding);
  read.encoding = decoded.encoding;
  read.format = DetectRecordFormat(decoded.text, options.expected);
  read.result = ReadAs(read.format, record, decoded.text, options.level);
  std::vector<TReadNotice>& notices = read.result.notices;
  if (decoded.lostCharacters > 0) {
    notices.push_back({TNoticeKind::LostCharacters, decoded.lostCharacters});
  }
  const bool unreadable = std::any_of(notices.begin(), notices.end(), [](const TReadNotice& n) {
    return n.kind == TNoticeKind::Unreadable || n.kind == TNoticeKind::StoppedEarly ||
           n.kind == TNoticeKind::BoardTooLarge;
  });
  if (!body.empty() && !unreadable && NothingRead(record)) {
    notices.insert(notices.begin(), {TNoticeKind::Unreadable});
  }
  return read;
}

}  // namespace moyo
