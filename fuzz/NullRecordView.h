#pragma once
// A record view that shows nothing, so fuzz targets can apply whatever a reader read.

#include "record/ApplyRecord.h"

namespace moyo::fuzz {

class NullRecordView : public TRecordView {
 public:
  void SetHandicapByte(std::uint8_t) override {}
  void BoardCleared() override {}
  void SetEventName(const std::string&) override {}
  void SetInfoLine(int, const std::string&) override {}
  void SetBlackPlayer(const std::string&, const std::string&) override {}
  void SetWhitePlayer(const std::string&, const std::string&) override {}
  void ClearMemo() override {}
  void SetLoading(bool) override {}
  void RefreshComment() override {}
  void AppendMemoLine(const std::string&) override {}
};

// Applies the record to a board and walks its line to the end; every walk must end.
inline void ApplyAndReplay(TGameRecord& record, TGoBoard& board) {
  NullRecordView view;
  ApplyRecord(record, "1", board, view);
  if (board.LastMove() > record.moveCount) __builtin_trap();
  while (board.Forward()) {
  }
}

}  // namespace moyo::fuzz
