// Trial moves on the position shown, and move numbers on the stones.
//
// Entering trial mode saves the whole position with the mode and the record
// end; the trial line then grows from the current move, numbered 1, 2, 3 from
// there. Leaving walks the board back and forward to the saved position so the
// screen follows stone by stone, then loads the saved position exactly.

#include <memory>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"
#include "viewer/TViewerSession.h"

namespace moyo {

// ---- Trial mode ----

void TViewerSession::EnterTrial() {
  if (state_.replying) return;
  if (state_.mode != ViewerMode::Viewing) {
    showNotice2(msg::kNotWhileGuessing, msg::kBackToViewing);
    return;
  }
  if (modeStack_.Full()) return;
  if (state_.autoStopShown) StopAutoPlay();
  view_.ShowStopFace(TFacePair::Trial, true);
  auto snapshot = std::make_unique<TBoardSnapshot>();
  board_->SavePosition(*snapshot);
  pushMode(ViewerMode::Trial, *snapshot);
}

void TViewerSession::pushMode(ViewerMode newMode, const TBoardSnapshot& snapshot) {
  if (modeStack_.Full()) return;
  if (newMode == ViewerMode::Trial && state_.numbersShown) NumbersOff();
  state_.soundOn = false;
  modeStack_.Push(state_.mode, board_->LastMove(), snapshot);
  state_.mode = newMode;
  if (newMode == ViewerMode::Trial) {
    view_.SetTrialFrame(true);
    painter_->SetEdgeBitmap(BoardPicture("gedge"));
    painter_->Repaint();
    // The position stays; the rest of the record goes out of Forward's reach
    // and the current move gets its mark back if numbers had been on it.
    board_->LoadPosition(snapshot, true, true);
    trialBranch_ = board_->MoveCount();
    board_->SetNumbering(
        TNumbering{.StartNumber = 0, .FirstMove = board_->MoveCount(), .ShowNumbers = true});
  }
  state_.soundOn = true;
}

void TViewerSession::LeaveTrial() {
  if (state_.replying || state_.mode != ViewerMode::Trial) return;
  view_.ShowStopFace(TFacePair::Trial, false);
  painter_->SetEdgeBitmap(BoardPicture("bedge"));
  popMode();
  if (state_.numbersShown) NumbersOff();
}

void TViewerSession::popMode() {
  const TModeEntry* entry = modeStack_.Top();
  if (entry == nullptr) return;
  state_.soundOn = false;
  view_.SetTrialFrame(false);
  const TBoardSnapshot& saved = entry->savedPosition;
  TGoBoard& board = *board_;
  // The moves before the branch are the record's own and need not be walked over.
  const int branch = trialBranch_;
  if (!state_.numbersShown) {
    board.SetNumbering(TNumbering{.StartNumber = 0, .FirstMove = 0, .ShowNumbers = false});
  }
  // Take the trial stones off, then replay the record's own moves up to the
  // saved one, so every point the trial changed is set again. None of it is
  // seen: the whole board is drawn once at the end.
  painter_->BeginHold();
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
  painter_->EndHold();
  state_.soundOn = true;
}

void TViewerSession::AbandonTrial() {
  // A new record replaces the board: the saved position belongs to the old
  // one and must never come back over it.
  if (state_.mode != ViewerMode::Trial) return;
  while (const TModeEntry* entry = modeStack_.Top()) {
    state_.mode = entry->savedMode;
    modeStack_.Pop();
  }
  view_.ShowStopFace(TFacePair::Trial, false);
  view_.SetTrialFrame(false);
  painter_->SetEdgeBitmap(BoardPicture("bedge"));
  painter_->Repaint();
  if (!state_.numbersShown) {
    board_->SetNumbering(TNumbering{.StartNumber = 0, .FirstMove = 0, .ShowNumbers = false});
  }
}

void TViewerSession::TrialBoardClick(platform::MouseButton button, int x, int y) {
  if (button == platform::MouseButton::Left) {
    state_.soundOn = true;
    const int at = board_->MoveCount();
    // A refused move shows nothing; it still cuts the line here.
    if (board_->PlayMove(x, y, true) && at < trialBranch_) trialBranch_ = at;
  } else {
    state_.soundOn = false;
    board_->Back();
  }
}

// ---- Move numbers ----

void TViewerSession::RepaintCurrentStone(int number) {
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

void TViewerSession::NumbersOn() {
  if (state_.replying) return;
  TGoBoard& board = *board_;
  if (state_.mode == ViewerMode::Trial) {
    board.SetShowNumbers(false);
    painter_->ClearMarks();
    RepaintCurrentStone(kLastMoveMark);
  }
  state_.numbersShown = true;
  view_.ShowStopFace(TFacePair::Numbers, true);
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

void TViewerSession::NumbersOff() {
  if (state_.replying) return;
  state_.numbersShown = false;
  view_.ShowStopFace(TFacePair::Numbers, false);
  board_->SetShowNumbers(false);
  painter_->ClearMarks();
  RepaintCurrentStone(kLastMoveMark);
}

}  // namespace moyo
