#include "record/ApplyRecord.h"

#include <algorithm>

#include "record/RecordReplay.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kBlock = 13;  // "▒", the sign that begins every information line

std::string InfoLine(int caption, std::string_view colon, const std::string& value) {
  std::string line = Message(kBlock) + "  " + Message(caption);
  line += colon;
  return line + value;
}

}  // namespace

std::string HandicapTerms(const TGiboInfo& info) {
  if (info.handicap == 0) return info.komi;
  if (info.handicap == 1) return Message(msg::kBlackFirst);
  return std::to_string(info.handicap) + Message(msg::kHandicapStones);
}

std::array<std::string, 6> GameInfoLines(const TGiboInfo& info) {
  return {
      InfoLine(14, " : ", info.date),
      InfoLine(15, " : ", info.place),
      InfoLine(16, " : ", info.mainTime),
      InfoLine(17, "   : ",
               info.byoyomiTime + Message(msg::kSeconds) + " " + info.byoyomiCount +
                   Message(msg::kTimes)),
      info.handicap == 0 ? InfoLine(22, "          : ", info.komi)
                         : InfoLine(23, "       : ", info.komi),
      InfoLine(24, " : ", info.result),
  };
}

bool SummaryOnly(const TGiboInfo& info, std::string_view level) {
  return info.recordKind == "1" || level == "0" || level == "2";
}

TCaptureLabels CaptureLabels(const TMoveInfo& info) {
  return {std::to_string(info.BlackCaptures), std::to_string(info.WhiteCaptures)};
}

void ApplyRecord(TGameRecord& record, std::string_view level, TGoBoard& board, TRecordView& view) {
  TGiboInfo& info = record.info;
  view.SetHandicapByte(static_cast<std::uint8_t>(info.handicap & 0xFF));
  board.NewGame(record.boardSize);
  view.BoardCleared();
  PlaceStartStones(record, board);

  view.SetEventName(info.title);
  info.komi = HandicapTerms(info);
  const std::array<std::string, 6> lines = GameInfoLines(info);
  for (int i = 0; i < 6; ++i) view.SetInfoLine(i + 1, lines[i]);
  view.SetBlackPlayer(info.blackName, info.blackRank);
  view.SetWhitePlayer(info.whiteName, info.whiteRank);
  view.ClearMemo();

  view.SetLoading(true);
  EnterMainLine(record, board);
  board.Forward();
  view.SetLoading(false);

  view.RefreshComment();
  if (SummaryOnly(info, level)) view.AppendMemoLine(info.summary);
}

}  // namespace moyo
