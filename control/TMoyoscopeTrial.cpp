// Trial moves on the position shown, and move numbers on the stones.
//
// Entering trial mode saves the whole position with the mode and the record
// end; the trial line then grows from the current move, numbered 1, 2, 3 from
// there. Leaving walks the board back and forward to the saved position so the
// screen follows stone by stone, then loads the saved position exactly.

#include <memory>

#include "board/TGoBoard.h"
#include "control/TMoyoscope.h"
#include "kit/TFrameButton.h"
#include "paint/TZelGoPB.h"

namespace moyo {
namespace {

// The board frame while trial mode lasts (red 64, green 128, blue 128).
const QColor kTrialFrame(64, 128, 128);

}  // namespace

void TMoyoscope::ConnectModeButtons() {
  testBtn->OnClick = [this](kit::TFrameButton&) { testBtnClick(); };
  testEndBtn->OnClick = [this](kit::TFrameButton&) { testEndBtnClick(); };
  numBtn->OnClick = [this](kit::TFrameButton&) { numBtnClick(); };
  numEndBtn->OnClick = [this](kit::TFrameButton&) { numEndBtnClick(); };
  for (kit::TFrameButton* button : {giboBtn, BBtn, WBtn, BWBtn}) {
    button->OnClick = [this](kit::TFrameButton& sender) { AnserBtnClick(sender.tag); };
  }
  HintBtn->OnClick = [this](kit::TFrameButton&) { HintBtnClick(); };
  HintXBtn->OnClick = [this](kit::TFrameButton&) { HintXBtnClick(); };
}

// ---- Trial mode ----

void TMoyoscope::testBtnClick() {
  if (state_.mode != ViewerMode::Viewing) {
    showNotice2(4, 5);
    return;
  }
  if (modeStack_.Full()) return;
  if (!autoEndBtn->isHidden()) autoEndBtnClick();
  testEndBtn->show();
  testBtn->hide();
  auto snapshot = std::make_unique<TBoardSnapshot>();
  board_->SavePosition(*snapshot);
  pushMode(ViewerMode::Trial, *snapshot);
}

bool TMoyoscope::pushMode(ViewerMode newMode, const TBoardSnapshot& snapshot) {
  if (modeStack_.Full()) return false;
  if (newMode == ViewerMode::Trial && !numEndBtn->isHidden()) numEndBtnClick();
  state_.soundOn = false;
  const ViewerMode left = state_.mode;
  if (left != ViewerMode::Trial) boardFrameColour_ = panP->Colour();
  modeStack_.Push(left, board_->LastMove(), snapshot);
  state_.mode = newMode;
  if (newMode == ViewerMode::Trial) {
    panP->SetColour(kTrialFrame);
    painter_->SetEdgeBitmap(BoardPicture("gedge"));
    painter_->Repaint();
    // The position stays; the rest of the record goes out of Forward's reach
    // and the current move gets its mark back if numbers had been on it.
    board_->LoadPosition(snapshot, true, true);
    board_->SetNumbering(
        TNumbering{.StartNumber = 0, .FirstMove = board_->MoveCount(), .ShowNumbers = true});
  }
  state_.soundOn = true;
  return true;
}

void TMoyoscope::testEndBtnClick() {
  if (state_.mode != ViewerMode::Trial) return;
  testBtn->show();
  testEndBtn->hide();
  painter_->SetEdgeBitmap(BoardPicture("bedge"));
  popMode();
  if (!numEndBtn->isHidden()) numEndBtnClick();
}

void TMoyoscope::popMode() {
  const TModeEntry* entry = modeStack_.Top();
  if (entry == nullptr) return;
  state_.soundOn = false;
  panP->SetColour(boardFrameColour_);
  const TBoardSnapshot& saved = entry->savedPosition;
  TGoBoard& board = *board_;
  // The trial line leaves the record at its first numbered move (lowered when
  // a stone was played before the trial's start); the moves before it are the
  // record's own and need not be walked over.
  const int branch = board.FirstMove();
  if (numEndBtn->isHidden()) {
    board.SetNumbering(TNumbering{.StartNumber = 0, .FirstMove = 0, .ShowNumbers = false});
  }
  // Take the trial stones off, then replay the record's own moves up to the
  // saved one, so every point the trial changed is drawn again.
  while (board.MoveCount() >= branch && board.MoveCount() > 0 && board.Back()) {
  }
  while (board.MoveCount() > saved.MoveCount && board.MoveCount() > 0 && board.Back()) {
  }
  for (int i = board.MoveCount() + 1; i <= saved.MoveCount && i <= kMaxMoves; ++i) {
    const TMoveRecord& move = saved.MoveHistory[static_cast<std::size_t>(i)];
    if (move.X == 0) {
      board.Pass();
    } else {
      board.PlayMove(move.X, move.Y, true);
    }
  }
  board.LoadPosition(saved, false, true);
  state_.mode = entry->savedMode;
  if (state_.mode == ViewerMode::Viewing) {
    board.RestoreLine(saved);
    board.SetLastMove(entry->savedLastMove);
  }
  modeStack_.Pop();
  painter_->Repaint();
  state_.soundOn = true;
}

void TMoyoscope::AbandonTrial() {
  // A new record replaces the board: the saved position belongs to the old
  // one and must never come back over it.
  if (state_.mode != ViewerMode::Trial) return;
  while (const TModeEntry* entry = modeStack_.Top()) {
    state_.mode = entry->savedMode;
    modeStack_.Pop();
  }
  testBtn->show();
  testEndBtn->hide();
  panP->SetColour(boardFrameColour_);
  painter_->SetEdgeBitmap(BoardPicture("bedge"));
  painter_->Repaint();
  if (numEndBtn->isHidden()) {
    board_->SetNumbering(TNumbering{.StartNumber = 0, .FirstMove = 0, .ShowNumbers = false});
  }
}

int TMoyoscope::TrialStartMove() const {
  const TModeEntry* entry = modeStack_.Top();
  return entry != nullptr ? entry->savedPosition.MoveCount : board_->MoveCount();
}

void TMoyoscope::trialBoardClick(platform::MouseButton button, int x, int y) {
  if (button == platform::MouseButton::Left) {
    state_.soundOn = true;
    // A refused move shows nothing; it still cuts the line here.
    board_->PlayMove(x, y, true);
  } else {
    state_.soundOn = false;
    board_->Back();
  }
}

// ---- Move numbers ----

void TMoyoscope::RepaintCurrentStone(int number) {
  int x = 0;
  int y = 0;
  std::uint8_t colour = 0;
  board_->GetCurrentMove(x, y, colour);
  if (x <= 0) return;
  // The stone's own colour: the latest painted stone may be another one (a
  // stone put back by a take-back, or the move stepped back over).
  const std::uint8_t standing = board_->Point(x, y);
  painter_->DrawPoint(standing != kEmpty ? standing : state_.lastPaintedColour, x, y, number);
}

void TMoyoscope::numBtnClick() {
  TGoBoard& board = *board_;
  if (state_.mode == ViewerMode::Trial) {
    board.SetShowNumbers(false);
    painter_->ClearMarks();
    RepaintCurrentStone(kLastMoveMark);
  }
  numEndBtn->show();
  numBtn->hide();
  if (board.MoveCount() == 0) {
    board.SetNumbering(TNumbering{.StartNumber = 0, .FirstMove = 0, .ShowNumbers = true});
    return;
  }
  board.SetShowNumbers(true);
  RepaintCurrentStone(0);
  TNumberGrid numbers;
  board.GetMoveNumbers(numbers);
  painter_->LoadMarks(numbers);
}

void TMoyoscope::numEndBtnClick() {
  numEndBtn->hide();
  numBtn->show();
  board_->SetShowNumbers(false);
  painter_->ClearMarks();
  RepaintCurrentStone(kLastMoveMark);
}

}  // namespace moyo
