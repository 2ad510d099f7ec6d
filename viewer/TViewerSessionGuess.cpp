// The next-move quiz: the user guesses the record's next move for Black, for
// White or for both; when one side is guessed the other side's replies follow
// by themselves, a second apart. Hints mark up to four coming moves.
//
// The replies are played from the reply timer's ticks, so the board is shown
// and painted between them without ever blocking; until the last reply is
// played the session takes no other input, as if it were busy.

#include "board/MarkCodes.h"
#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Notifier.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"
#include "viewer/MemberLevel.h"
#include "viewer/TViewerSession.h"

namespace moyo {
namespace {

constexpr int kMostHints = 4;

// The notice for the hint button outside the quiz; the message table has none.
const std::string& HintsOnlyWhileGuessing() {
  static const std::string text =
      platform::Utf8ToCp949("힌트는 다음수 맞추기 상태에서만 볼 수 있습니다.");
  return text;
}

// The side whose moves the mode guesses; 0 when both are.
std::uint8_t GuessedSide(ViewerMode mode) {
  if (mode == ViewerMode::GuessBlack) return kBlack;
  if (mode == ViewerMode::GuessWhite) return kWhite;
  return 0;
}

}  // namespace

// ---- Choosing the mode ----

void TViewerSession::ChooseMode(int tag) {
  if (state_.replying || tag < 0 || tag > 3) return;
  if (RefusesAnswersAndHints(level_)) {
    showNotice(Message(msg::kMembersOnly));
    view_.SetModeButtonDown(0);
    return;
  }
  const bool hintsWereShown = state_.hintShown;
  if (state_.mode == ViewerMode::Trial) LeaveTrial();
  if (state_.hintShown) hideHints();
  if (tag > 0 && state_.autoStopShown) StopAutoPlay();
  TGoBoard& board = *board_;
  switch (tag) {
    case 0:
      state_.mode = ViewerMode::Viewing;
      view_.SetStatus(Message(msg::kViewing));
      break;
    case 1:
      state_.mode = ViewerMode::GuessBlack;
      view_.SetStatus(Message(msg::kGuessBlack));
      while (board.ToMove() != kBlack && board.Forward()) {
      }
      break;
    case 2:
      state_.mode = ViewerMode::GuessWhite;
      view_.SetStatus(Message(msg::kGuessWhite));
      while (board.ToMove() != kWhite && board.Forward()) {
      }
      break;
    default:
      // Every move is the user's: nothing to skip.
      state_.mode = ViewerMode::GuessBoth;
      view_.SetStatus(Message(msg::kGuessBoth));
      break;
  }
  if (tag > 0 && hintsWereShown) showHints();
  refreshComment();
}

// ---- Judging a guess ----

void TViewerSession::JudgeGuess(int x, int y) {
  state_.soundOn = true;
  const bool hintsWereShown = state_.hintShown;
  TGoBoard& board = *board_;
  if (board.MoveCount() >= board.LastMove()) {
    showNotice(Message(msg::kLastMove));
    return;
  }
  const TMoveRecord& next = board.MoveHistory()[static_cast<std::size_t>(board.MoveCount() + 1)];
  // A pass is never guessed, not even by a press in the margin of a turned
  // board, which reports the point 0, 0.
  if (next.X > 0 && x == next.X && y == next.Y) {
    if (state_.hintShown) hideHints();
    board.Forward();
    hintsAcrossReplies_ = hintsWereShown;
    const std::uint8_t guessed = GuessedSide(state_.mode);
    if (guessed != 0 && board.ToMove() != guessed && board.MoveCount() < board.LastMove()) {
      if (!replyTimer_) replyTimer_ = services_.makeTimer();
      replyTimer_->OnTimer = [this] { ReplyTick(); };
      replyTimer_->SetInterval(kReplyPauseMs);
      replyTimer_->SetEnabled(true);
      state_.replying = true;
      return;
    }
    FinishGuess();
    return;
  }
  noticeTimer_->SetEnabled(true);
  showNotice(Message(msg::kWrongGuess));
  // Closed early by the user, the notice must not take a later one with it:
  // the timer ends with the notice, here or, where notices do not wait, when
  // the notifier reports it closed.
  if (services_.notifier->WaitsForClose()) noticeTimer_->SetEnabled(false);
  refreshComment();
}

void TViewerSession::ReplyTick() {
  TGoBoard& board = *board_;
  const std::uint8_t guessed = GuessedSide(state_.mode);
  const bool played = board.Forward();
  if (played && guessed != 0 && board.ToMove() != guessed && board.MoveCount() < board.LastMove()) {
    return;  // the next reply comes one pause later
  }
  CancelReplies();
  FinishGuess();
}

void TViewerSession::FinishGuess() {
  if (hintsAcrossReplies_) showHints();
  if (board_->MoveCount() >= board_->LastMove()) showNotice(Message(msg::kLastMove));
  refreshComment();
}

void TViewerSession::CancelReplies() {
  if (replyTimer_) replyTimer_->SetEnabled(false);
  state_.replying = false;
}

void TViewerSession::CloseWrongGuessNotice() {
  noticeTimer_->SetEnabled(false);
  services_.notifier->CloseNotice();
}

// ---- Hints ----

template <typename Visit>
void TViewerSession::ForEachHintPoint(Visit visit) const {
  const TGoBoard& board = *board_;
  int marked = 0;
  for (int i = board.MoveCount() + 1; marked < kMostHints && i <= board.LastMove(); ++i) {
    const TMoveRecord& move = board.MoveHistory()[static_cast<std::size_t>(i)];
    if ((move.Colour == kBlack || move.Colour == kWhite) && board.IsLegal(move.X, move.Y)) {
      visit(move.X, move.Y);
      ++marked;
    }
  }
}

void TViewerSession::HintsOn() {
  if (state_.replying) return;
  if (RefusesAnswersAndHints(level_)) {
    showNotice(Message(msg::kMembersOnly));
    return;
  }
  if (board_->MoveCount() >= board_->LastMove()) {
    showNotice(Message(msg::kLastMove));
    return;
  }
  showHints();
}

void TViewerSession::HintsOff() {
  if (state_.replying) return;
  hideHints();
}

void TViewerSession::showHints() {
  if (!IsGuessing(state_.mode)) {
    showNotice(HintsOnlyWhileGuessing());
    return;
  }
  state_.hintShown = true;
  view_.ShowStopFace(TFacePair::Hints, true);
  ForEachHintPoint([this](int x, int y) { painter_->DrawMark(x, y, mark::kCross, false); });
}

void TViewerSession::hideHints() {
  state_.hintShown = false;
  view_.ShowStopFace(TFacePair::Hints, false);
  ForEachHintPoint([this](int x, int y) { painter_->DrawPoint(kEmpty, x, y, 0); });
}

}  // namespace moyo
