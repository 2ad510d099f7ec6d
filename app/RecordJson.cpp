#include "app/RecordJson.h"

#include "platform/Text.h"

namespace moyo::app {

using Json = nlohmann::ordered_json;

Json RecordToJson(const TGameRecord& record, RecordFormat format, bool show,
                  std::string_view encoding) {
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
  Json setup = Json::array();
  for (int i = 0; i < record.setupCount && i < kMaxSetupStones; ++i) {
    const TRecordMove& stone = record.setup[i];
    setup.push_back({stone.x, stone.y, stone.colour});
  }
  Json comments = Json::array();
  for (int i = 0; i < record.commentCount && i < kMaxCommentEntries; ++i) {
    const TCommentEntry& entry = record.comments[i];
    comments.push_back(
        {{"moveNo", entry.moveNo}, {"kind", entry.kind}, {"text", text(entry.text)}});
  }
  Json json = {{"format", FormatName(format)}};
  if (!encoding.empty()) json["encoding"] = encoding;
  json["show"] = show;
  json["boardSize"] = record.boardSize;
  json["info"] = std::move(header);
  json["moves"] = std::move(moves);
  json["setup"] = std::move(setup);
  json["comments"] = std::move(comments);
  return json;
}

}  // namespace moyo::app
