#include "app/RecordJson.h"

#include "platform/Text.h"

namespace moyo::app {

using Json = nlohmann::ordered_json;

Json RecordToJson(const TGameRecord& record, RecordFormat format, bool show) {
  const TGiboInfo& info = record.info;
  auto text = [](const std::string& cp949) { return platform::Cp949ToUtf8(cp949); };
  Json header = {
      {"title", text(info.title)},
      {"handicap", info.handicap},
      {"date", text(info.date)},
      {"place", text(info.place)},
      {"blackName", text(info.blackName)},
      {"whiteName", text(info.whiteName)},
      {"result", text(info.result)},
      {"mainTime", text(info.mainTime)},
      {"byoyomiTime", text(info.byoyomiTime)},
      {"byoyomiCount", text(info.byoyomiCount)},
      {"komi", text(info.komi)},
      {"blackRank", text(info.blackRank)},
      {"whiteRank", text(info.whiteRank)},
      {"recordKind", text(info.recordKind)},
      {"summary", text(info.summary)},
  };
  Json moves = Json::array();
  for (int i = 0; i < record.moveCount && i < kMaxRecordMoves; ++i) {
    const TRecordMove& move = record.moves[i];
    moves.push_back({move.x, move.y, move.colour});
  }
  Json comments = Json::array();
  for (int i = 0; i < record.commentCount && i < kMaxCommentEntries; ++i) {
    const TCommentEntry& entry = record.comments[i];
    comments.push_back(
        {{"moveNo", entry.moveNo}, {"kind", entry.kind}, {"text", text(entry.text)}});
  }
  return Json{{"format", FormatName(format)},
              {"show", show},
              {"info", std::move(header)},
              {"moves", std::move(moves)},
              {"comments", std::move(comments)}};
}

}  // namespace moyo::app
