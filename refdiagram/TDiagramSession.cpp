#include "refdiagram/TDiagramSession.h"

#include <algorithm>
#include <cstdint>

#include "board/MarkCodes.h"
#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "record/DiagramText.h"
#include "refdiagram/TDiagramView.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kTrialTag = 4;
// Cells of more pixels than this are drawn one pixel smaller; the stone pictures
// stop at 59.
constexpr int kLargestCell = 60;
constexpr int kMinStoneCell = 10;
constexpr int kMaxStoneCell = 59;

// Line breaks of the record (CR LF, or CR alone) as the memo reads them.
std::string WithLineFeeds(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines.push_back(text[i]);
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lines.push_back('\n');
    }
  }
  return lines;
}

}  // namespace

TDiagramSession::TDiagramSession(TDiagramView& view, platform::PaintBox& paintBox,
                                 platform::BitmapStore& bitmaps, const platform::Bitmap& missing)
    : view_(view),
      bitmaps_(bitmaps),
      missing_(missing),
      saved_(std::make_unique<TBoardSnapshot>()) {
  painter_ = std::make_unique<TZelGoPB>(paintBox, Picture("baseb"), Picture("bedge"));
  painter_->OnPointClick = [this](TZelGoPB&, platform::MouseButton button, unsigned, int x, int y) {
    HelpPBPointClick(button, x, y);
  };
  // No coordinate labels around the board.
  painter_->SetMargin(0);
  painter_->SetBoardPixels(100);

  auto start = std::make_unique<TBoardSnapshot>();
  InitPosition(kMaxBoardSize, *start);
  ClearNumbering(numbering_);
  board_ = std::make_unique<TGoBoard>(numbering_, *start);
  lines_ = board_->Size();
  ConnectBoard();
}

TDiagramSession::~TDiagramSession() {
  // The board reports to the painter; it must not report while the painter goes.
  board_->OnStonePlaced = nullptr;
  board_->OnPointChanged = nullptr;
}

void TDiagramSession::ConnectBoard() {
  const auto forward = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    if (draw_) painter_->DrawPoint(colour, x, y, number);
  };
  board_->OnStonePlaced = forward;
  board_->OnPointChanged = forward;
}

const platform::Bitmap& TDiagramSession::Picture(const std::string& name) const {
  const platform::Bitmap* picture = bitmaps_.Find(name);
  return picture != nullptr ? *picture : missing_;
}

// ---- Opening a diagram ----

void TDiagramSession::ShowPosition(const TBoardSnapshot& position, bool flipped, bool draw) {
  ShowMode(false);
  draw_ = draw;
  flipped_ = flipped;
  *saved_ = position;
  SetMemo({});
  board_->LoadPosition(position, true, true);
  // The board brings the snapshot's size into 1..19, so the layout never divides by 0.
  lines_ = board_->Size();
  painter_->SetLines(lines_);
  if (painter_->Flipped() != flipped_) painter_->ToggleFlip();
  if (draw_) painter_->LoadBoard(position.Points);
  board_->SetNumbering(numbering_);
  LayOutBoard();
}

void TDiagramSession::LoadDiagram(const std::string& text) {
  diagramText_ = text;
  const TDiagramText diagram = ReadDiagramText(text);
  // A damaged text shows the position as given, as a diagram without moves.
  first_ = diagram.MovesValid ? diagram.First : board_->MoveCount() + 1;
  // Move i shows i - First: the diagram's first move stands in for the game's move
  // First and shows no number, and the moves after it count 1, 2, 3. The count is
  // anchored one move earlier with start number -1, because the board restarts any
  // count whose first numbered move lies beyond the move it plays from, and the
  // diagram is played from move First - 1. It is set before the walk back so that
  // every load of the same text leaves the board in the same state.
  numbering_ = {-1, first_ - 1, true};
  board_->SetNumbering(numbering_);
  // Back refuses at the start of the line, which ends the walk for a diagram that
  // starts at or before the first move.
  while (board_->MoveCount() >= first_ && board_->Back()) {
  }
  SetCaption(std::max(first_ - 1, 0));
  painter_->LoadBoard(board_->Points());
  draw_ = true;
  for (const TDiagramMove& move : diagram.Moves) {
    if (move.X == 0 && move.Y == 0) {
      board_->Pass();
    } else if (move.X > 0 && move.Y > 0) {
      board_->PlayMove(move.X, move.Y, true);
    }
  }
  if (!diagram.HasRest) return;
  SetMemo(WithLineFeeds(diagram.Comment));
  if (!diagram.LabelsValid) return;
  for (const TDiagramLabel& label : diagram.Labels) {
    painter_->DrawMark(label.X, label.Y, label.Code, true);
  }
}

void TDiagramSession::ToggleTrial() {
  if (!trialOn_) {
    ShowMode(true);
    // The user's first move shows 1.
    numbering_ = {0, board_->MoveCount(), true};
    board_->SetNumbering(numbering_);
    return;
  }
  ShowMode(false);
  board_->LoadPosition(*saved_, true, true);
  const std::string text = diagramText_;
  LoadDiagram(text);
}

// The colours, the board's edge, the trial switch and the trial tools of a mode.
void TDiagramSession::ShowMode(bool trial) {
  trialOn_ = trial;
  view_.SetAreaColour(trial ? kTrialAreaColour : kBoardAreaColour);
  painter_->SetEdgeBitmap(Picture(trial ? "gedge" : "bedge"));
  view_.SetTrialCaption(Message(trial ? 63 : 64));
  view_.ShowTrialTools(trial);
}

// ---- Handlers ----

void TDiagramSession::FormShow() {
  view_.ShowTrialTools(false);
  cbMarkCChange(0);
  view_.ShowLetter(0);
  view_.SetCaption(Message(msg::kMoveSuffix) + " " + Message(msg::kReference));
  cbMarkClick(false);
  view_.ShowMarking(false);
}

void TDiagramSession::navButtonClick(int tag) {
  switch (tag) {
    case 0:
      StepBack(5);
      break;
    case 1:
      StepBack(1);
      break;
    case 2:
      StepForward(1);
      break;
    case 3:
      StepForward(5);
      break;
    case kTrialTag:
      ToggleTrial();
      break;
    default:
      break;
  }
}

void TDiagramSession::StepBack(int times) {
  for (int i = 0; i < times; ++i) {
    if (board_->MoveCount() >= first_) board_->Back();
  }
}

void TDiagramSession::StepForward(int times) {
  for (int i = 0; i < times; ++i) board_->Forward();
}

void TDiagramSession::PassBtnClick() {
  board_->Pass();
}

void TDiagramSession::HelpPBPointClick(platform::MouseButton button, int x, int y) {
  const bool left = button == platform::MouseButton::Left;
  if (!trialOn_) {
    // Outside trial mode the board steps through the line; going back is not held
    // at the diagram's start, so the game before it can be looked at too.
    if (left) {
      board_->Forward();
    } else {
      board_->Back();
    }
    return;
  }
  if (marking_) {
    painter_->DrawMark(x, y, mark::kFirstUpper + letter_, true);
    letter_ = (letter_ + 1) % kLetterCount;
    view_.ShowLetter(letter_);
    return;
  }
  if (left) {
    board_->PlayMove(x, y, true);
  } else {
    board_->Back();
  }
}

void TDiagramSession::cbMarkClick(bool checked) {
  marking_ = checked;
}

void TDiagramSession::cbMarkCChange(int index) {
  // An empty list reports -1; anything outside the list counts as 'A'.
  letter_ = index >= 0 && index < kLetterCount ? index : 0;
}

// ---- Layout ----

void TDiagramSession::pBBaseResize(int width, int height) {
  areaWidth_ = width;
  areaHeight_ = height;
  LayOutBoard();
}

void TDiagramSession::LayOutBoard() {
  const int margin = painter_->Margin();
  int cell = std::min((areaWidth_ - margin) / lines_, (areaHeight_ - margin) / lines_);
  if (cell > kLargestCell) cell = kMaxStoneCell;
  const int size = cell * lines_;
  view_.PlaceBoard((areaWidth_ - margin - size) / 2, (areaHeight_ - size - margin) / 2);
  if (cell == painter_->CellSize()) return;
  LoadStonePictures(cell);
  painter_->SetBoardSize(size);
}

void TDiagramSession::LoadStonePictures(int cell) {
  if (cell < kMinStoneCell || cell > kMaxStoneCell) return;
  const std::string n = std::to_string(cell);
  painter_->SetStoneBitmaps(bitmaps_.Find("bs" + n), bitmaps_.Find("ws" + n),
                            bitmaps_.Find("bm" + n), bitmaps_.Find("wm" + n));
}

void TDiagramSession::ReloadPictures() {
  LoadStonePictures(painter_->CellSize());
  painter_->RefitText();
}

void TDiagramSession::pCBaseResize(int width) {
  const int buttonWidth = std::max(width / kStepButtonCount - 1, 0);
  const int gap = (width - kStepButtonCount * buttonWidth) / (kStepButtonCount - 1);
  const int left = (width - (kStepButtonCount * buttonWidth + (kStepButtonCount - 1) * gap)) / 2;
  for (int tag = 0; tag < kStepButtonCount; ++tag) {
    view_.PlaceStepButton(tag, left + tag * (buttonWidth + gap), buttonWidth);
  }
}

// ---- Pieces ----

void TDiagramSession::SetCaption(int moveNumber) {
  view_.SetCaption(std::to_string(moveNumber) + Message(msg::kMoveSuffix) + " " +
                   Message(msg::kReference));
}

void TDiagramSession::SetMemo(const std::string& text) {
  memo_ = text;
  view_.SetMemo(memo_);
}

}  // namespace moyo
