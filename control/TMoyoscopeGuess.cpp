// The next-move quiz: the user guesses the record's next move for Black, for
// White or for both; when one side is guessed the other side's replies follow
// by themselves, a second apart. Hints mark up to four coming moves.

#include <QEventLoop>
#include <QLabel>

#include "board/TGoBoard.h"
#include "control/RecordRetrieval.h"
#include "control/TMoyoscope.h"
#include "kit/TFrameButton.h"
#include "paint/TZelGoPB.h"
#include "platform/Notifier.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

// The mark code of a hint, the character "Ⅹ".
constexpr int kHintMark = 691;
constexpr int kMostHints = 4;
constexpr int kReplyPauseMs = 1000;

// The notice for the hint button outside the quiz; the message table has none.
const std::string& HintsOnlyWhileGuessing() {
  static const std::string text =
      platform::Utf8ToCp949("힌트는 다음수 맞추기 상태에서만 볼 수 있습니다.");
  return text;
}

void SetStatus(QLabel* label, int message) {
  label->setText(QString::fromStdString(platform::Cp949ToUtf8(Message(message))));
}

// The side whose moves the mode guesses; 0 when both are.
std::uint8_t GuessedSide(ViewerMode mode) {
  if (mode == ViewerMode::GuessBlack) return kBlack;
  if (mode == ViewerMode::GuessWhite) return kWhite;
  return 0;
}

}  // namespace

// ---- Choosing the mode ----

void TMoyoscope::AnserBtnClick(int tag) {
  if (tag < 0 || tag > 3) return;
  if (RefusesAnswersAndHints(level_)) {
    showNotice(Message(30));
    giboBtn->SetDownInGroup(true);
    return;
  }
  const bool hintsWereShown = state_.hintShown;
  if (state_.mode == ViewerMode::Trial) testEndBtnClick();
  if (state_.hintShown) hideHints();
  if (tag > 0 && !autoEndBtn->isHidden()) autoEndBtnClick();
  TGoBoard& board = *board_;
  switch (tag) {
    case 0:
      state_.mode = ViewerMode::Viewing;
      SetStatus(StatusL, 31);
      break;
    case 1:
      state_.mode = ViewerMode::GuessBlack;
      SetStatus(StatusL, 32);
      while (board.ToMove() != kBlack && board.Forward()) {
      }
      break;
    case 2:
      state_.mode = ViewerMode::GuessWhite;
      SetStatus(StatusL, 33);
      while (board.ToMove() != kWhite && board.Forward()) {
      }
      break;
    default:
      // Every move is the user's: nothing to skip.
      state_.mode = ViewerMode::GuessBoth;
      SetStatus(StatusL, 34);
      break;
  }
  if (tag > 0 && hintsWereShown) showHints();
  refreshComment();
}

// ---- Judging a guess ----

void TMoyoscope::guessBoardClick(int x, int y) {
  state_.soundOn = true;
  const bool hintsWereShown = state_.hintShown;
  TGoBoard& board = *board_;
  if (board.MoveCount() >= board.LastMove()) {
    showNotice(Message(1));
    return;
  }
  const TMoveRecord& next = board.MoveHistory()[static_cast<std::size_t>(board.MoveCount() + 1)];
  // A pass is never guessed, not even by a press in the margin of a turned
  // board, which reports the point 0, 0.
  if (next.X > 0 && x == next.X && y == next.Y) {
    if (state_.hintShown) hideHints();
    board.Forward();
    PlayReplies();
    if (hintsWereShown) showHints();
    if (board.MoveCount() >= board.LastMove()) showNotice(Message(1));
    refreshComment();
    return;
  }
  timer1_->SetEnabled(true);
  showNotice(Message(3));
  // Closed early by the user, the notice must not take a later one with it.
  timer1_->SetEnabled(false);
  refreshComment();
}

void TMoyoscope::PlayReplies() {
  const ViewerMode mode = state_.mode;
  const std::uint8_t guessed = GuessedSide(mode);
  if (guessed == 0) return;
  TGoBoard& board = *board_;
  while (board.ToMove() != guessed && board.MoveCount() < board.LastMove()) {
    PauseForReply();
    if (state_.mode != mode || !board.Forward()) return;
  }
}

void TMoyoscope::PauseForReply() {
  if (!replyTimer_) replyTimer_ = services_.makeTimer();
  // The board keeps painting while the user's clicks and keys wait.
  QEventLoop loop;
  bool elapsed = false;
  replyTimer_->OnTimer = [&] {
    elapsed = true;
    loop.quit();
  };
  replyTimer_->SetInterval(kReplyPauseMs);
  replyTimer_->SetEnabled(true);
  if (!elapsed) loop.exec(QEventLoop::ExcludeUserInputEvents);
  replyTimer_->SetEnabled(false);
  replyTimer_->OnTimer = nullptr;
}

void TMoyoscope::Timer1Timer() {
  timer1_->SetEnabled(false);
  services_.notifier->CloseNotice();
}

// ---- Hints ----

template <typename Visit>
void TMoyoscope::ForEachHintPoint(Visit visit) const {
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

void TMoyoscope::HintBtnClick() {
  if (RefusesAnswersAndHints(level_)) {
    showNotice(Message(30));
    return;
  }
  if (board_->MoveCount() >= board_->LastMove()) {
    showNotice(Message(1));
    return;
  }
  showHints();
}

void TMoyoscope::HintXBtnClick() {
  hideHints();
}

void TMoyoscope::showHints() {
  if (!IsGuessing(state_.mode)) {
    showNotice(HintsOnlyWhileGuessing());
    return;
  }
  state_.hintShown = true;
  HintXBtn->show();
  HintBtn->hide();
  ForEachHintPoint([this](int x, int y) { painter_->DrawMark(x, y, kHintMark, false); });
}

void TMoyoscope::hideHints() {
  state_.hintShown = false;
  HintBtn->show();
  HintXBtn->hide();
  ForEachHintPoint([this](int x, int y) { painter_->DrawPoint(kEmpty, x, y, 0); });
}

}  // namespace moyo
