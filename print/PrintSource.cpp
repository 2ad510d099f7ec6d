#include "print/PrintSource.h"

#include <memory>

#include "record/ApplyRecord.h"

namespace moyo {
namespace {

// A record view that keeps the handicap byte and shows nothing.
class THiddenRecordView final : public TRecordView {
 public:
  void SetHandicapByte(std::uint8_t handicap) override { handicap_ = handicap; }
  void BoardCleared() override {}
  void SetEventName(const std::string&) override {}
  void SetInfoLine(int, const std::string&) override {}
  void SetBlackPlayer(const std::string&, const std::string&) override {}
  void SetWhitePlayer(const std::string&, const std::string&) override {}
  void ClearMemo() override {}
  void SetLoading(bool) override {}
  void RefreshComment() override {}
  void AppendMemoLine(const std::string&) override {}

  std::uint8_t Handicap() const { return handicap_; }

 private:
  std::uint8_t handicap_ = 0;
};

}  // namespace

TPrintSource ViewerPrintSource(const TGoBoard& board, const TGiboInfo& shown,
                               std::uint8_t handicapByte) {
  TPrintSource source;
  board.GetMoveList(board.LastMove(), source.moves);
  source.header = MakePrintHeader(shown);
  source.handicap = handicapByte;
  return source;
}

TPrintSource RecordPrintSource(TGameRecord& record) {
  const auto board = std::make_unique<TGoBoard>();
  THiddenRecordView view;
  ApplyRecord(record, "", *board, view);
  return ViewerPrintSource(*board, record.info, view.Handicap());
}

}  // namespace moyo
