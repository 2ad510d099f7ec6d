#include "web/BoardViewer.h"

#include <algorithm>

#include "record/NgfReader.h"
#include "record/QnaExport.h"
#include "record/TaggedReader.h"
#include "resources/artwork/ArtworkNames.h"

namespace moyo::web {

BoardViewer::BoardViewer(platform::BitmapStore& artwork, TextPainter& text)
    : artwork_(artwork), box_(text), record_(std::make_unique<TGameRecord>()) {
  const auto draw = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    if (painter_ != nullptr) painter_->DrawPoint(colour, x, y, number);
  };
  board_.OnStonePlaced = draw;
  board_.OnPointChanged = draw;
  board_.OnMove = [this](const TGoBoard&, const TMoveInfo& info, bool) {
    const TCaptureLabels labels = CaptureLabels(info);
    texts_.blackCaptures = labels.whiteDead;
    texts_.whiteCaptures = labels.blackDead;
  };
}

BoardViewer::~BoardViewer() = default;

bool BoardViewer::SetCell(int cell, int margin) {
  const platform::Bitmap* wood = artwork_.Find(artwork::kBoardWood.name);
  const platform::Bitmap* edge = artwork_.Find(artwork::kBoardEdge.name);
  if (wood == nullptr || edge == nullptr || cell < 1) return false;
  if (painter_ == nullptr) {
    painter_ = std::make_unique<TZelGoPB>(box_, *wood, *edge);
    painter_->OnPointClick = [this](TZelGoPB&, platform::MouseButton button, unsigned, int, int) {
      Step(button == platform::MouseButton::Left ? 1 : -1);
    };
  }
  if (cell >= artwork::kMinStoneCell && cell <= artwork::kMaxStoneCell) {
    painter_->SetStoneBitmaps(artwork_.Find(artwork::StoneName('b', false, cell)),
                              artwork_.Find(artwork::StoneName('w', false, cell)),
                              artwork_.Find(artwork::StoneName('b', true, cell)),
                              artwork_.Find(artwork::StoneName('w', true, cell)));
  } else {
    painter_->SetStoneBitmaps(nullptr, nullptr, nullptr, nullptr);
  }
  painter_->SetMargin(margin);
  painter_->SetBoardSize(19 * cell);
  return true;
}

TReadResult BoardViewer::Load(std::string_view body, RecordReader reader, std::string_view level) {
  auto record = std::make_unique<TGameRecord>();
  const TReadResult result = reader == RecordReader::Ngf ? ReadNgfRecord(*record, body)
                                                         : ReadTaggedRecord(*record, body, level);
  if (result.failed || !result.show) return result;
  record_ = std::move(record);
  level_ = level;
  ApplyRecord(*record_, level_, board_, *this);
  return result;
}

void BoardViewer::Step(int delta) {
  for (; delta > 0 && board_.Forward(); --delta) {
  }
  for (; delta < 0 && board_.Back(); ++delta) {
  }
}

void BoardViewer::GoTo(int n) {
  Step(std::clamp(n, 0, board_.LastMove()) - board_.MoveCount());
}

void BoardViewer::MouseDown(platform::MouseButton button, int x, int y) {
  if (box_.OnMouseDown) box_.OnMouseDown(button, platform::kShiftNone, x, y);
}

std::string BoardViewer::Comment() const {
  if (SummaryOnly(record_->info, level_)) return record_->info.summary;
  std::string text;
  const int count = std::clamp(record_->commentCount, 0, kMaxCommentEntries);
  for (int i = 0; i < count; ++i) {
    const TCommentEntry& entry = record_->comments[i];
    if (entry.kind != kCommentText || entry.moveNo != board_.MoveCount()) continue;
    if (!text.empty()) text += "\r\n";
    text += entry.text;
  }
  return text;
}

std::string BoardViewer::QnaText() const {
  return moyo::QnaText(*record_, board_.MoveCount());
}

void BoardViewer::BoardCleared() {
  // A new game raises no point events: the old position leaves the picture
  // here, and the capture counts start again.
  if (painter_ != nullptr) painter_->LoadBoard(board_.Points());
  board_.OnMove(board_, board_.GetMoveInfo(), false);
}

void BoardViewer::SetInfoLine(int line, const std::string& text) {
  if (line >= 1 && line <= 6) texts_.infoLines[line - 1] = text;
}

void BoardViewer::SetBlackPlayer(const std::string& name, const std::string& rank) {
  texts_.blackPlayer = name;
  texts_.blackRank = rank;
}

void BoardViewer::SetWhitePlayer(const std::string& name, const std::string& rank) {
  texts_.whitePlayer = name;
  texts_.whiteRank = rank;
}

}  // namespace moyo::web
