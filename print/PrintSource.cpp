#include "print/PrintSource.h"

#include <memory>

#include "record/ApplyRecord.h"
#include "record/NullRecordView.h"

namespace moyo {
namespace {

// A record view that keeps the handicap byte and shows nothing.
class THandicapView final : public TNullRecordView {
 public:
  void SetHandicapByte(std::uint8_t handicap) override { handicap_ = handicap; }
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
  THandicapView view;
  ApplyRecord(record, "", *board, view);
  return ViewerPrintSource(*board, record.info, view.Handicap());
}

}  // namespace moyo
