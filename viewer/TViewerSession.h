#pragma once
// The viewer's behaviour without a window: one session owns the record, the
// board model, its painter, the mode stack and the viewer state, and carries
// out what a click, a key or a timer asks for, reporting what is to be seen
// through a TViewerView and the platform interfaces. Everything runs on one
// thread; waiting (automatic play, the pause before a reply, the self-closing
// notice) is done with platform timers, never by blocking.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/PaintBox.h"
#include "record/TGameRecord.h"
#include "viewer/FormLayout.h"
#include "viewer/TCommentMemo.h"
#include "viewer/TModeStack.h"
#include "viewer/TNoteMessage.h"
#include "viewer/TReferenceWindow.h"
#include "viewer/TViewerView.h"
#include "viewer/ViewerState.h"

namespace moyo::platform {
class Bitmap;
class BitmapStore;
class Notifier;
class SoundPlayer;
class Timer;
}  // namespace moyo::platform

namespace moyo {

class TGoBoard;
class TZelGoPB;
struct TMoveInfo;

// What the session uses of the system; none of it is owned except what the
// factories make.
struct TViewerServices {
  platform::Notifier* notifier = nullptr;
  // Makes the session's timers: automatic play, the wrong-guess notice, the reply pause.
  std::function<std::unique_ptr<platform::Timer>()> makeTimer;
  platform::SoundPlayer* stoneSound = nullptr;
  // The board and stone pictures by name.
  platform::BitmapStore* bitmaps = nullptr;
  // Drawn for a board picture the store lacks.
  const platform::Bitmap* missingPicture = nullptr;
  // The main board's drawing surface.
  platform::PaintBox* paintBox = nullptr;
  // Makes the reference-diagram window on first use; empty or null: links open nothing.
  std::function<std::unique_ptr<TReferenceWindow>()> makeReferenceWindow;
};

// The keys the viewer answers itself (the rest stay with the control that has them).
enum class TViewerKey {
  Left,
  Right,
  PageUp,
  PageDown,
  Home,
  End,  // the navigation buttons
  WheelBack,
  WheelForward,  // a wheel notch over the board
  Turn,          // turn the board by 180 degrees
  Copy,          // copy the board's picture
};

class TViewerSession {
 public:
  // The pause before each of the opponent's replies in the guessing modes.
  static constexpr int kReplyPauseMs = 1000;
  // How long a wrong-guess notice stays open unless closed earlier.
  static constexpr int kWrongGuessNoticeMs = 600;

  // Starts in Viewing on an empty 19 x 19 board; every service must be set.
  TViewerSession(TViewerView& view, TViewerServices services);
  ~TViewerSession();
  TViewerSession(const TViewerSession&) = delete;
  TViewerSession& operator=(const TViewerSession&) = delete;

  // ---- What the session holds ----
  TGameRecord& Record() { return *record_; }
  TGoBoard& Board() { return *board_; }
  const TGoBoard& Board() const { return *board_; }
  TZelGoPB& Painter() { return *painter_; }
  TViewerState& State() { return state_; }
  const TViewerState& State() const { return state_; }
  const TModeStack& ModeStack() const { return modeStack_; }
  const TCommentMemo& Memo() const { return memo_; }
  // The member level the host passed with the record.
  const std::string& Level() const { return level_; }
  void SetLevel(const std::string& level) { level_ = level; }
  // The handicap byte of the game-state record, as printing reads it.
  std::uint8_t HandicapByte() const { return handicapByte_; }
  platform::Timer& PlayTimer() { return *playTimer_; }
  platform::Timer& NoticeTimer() { return *noticeTimer_; }
  // How often the stone sound was started, and the stone pictures loaded for a new cell size.
  int StoneSoundCount() const { return stoneSounds_; }
  int StonePictureLoads() const { return stonePictureLoads_; }

  // ---- Loading ----
  // Shows Record(): labels, board, commentary; ends a trial and any pending replies first.
  void ApplyRecord();

  // ---- Navigation and automatic play ----
  // A navigation button by its tag: 0 start, 1 five back, 2 back, 3 forward, 4 five forward, 5 end.
  void Navigate(int tag);
  // A press on the board at point x, y (already mapped through a turned view).
  void BoardClick(platform::MouseButton button, int x, int y);
  // The jump to the move number typed as `text`.
  void Jump(const std::string& text);
  // A key or a wheel notch: what the matching navigation button does (nothing
  // while guessing), turning the board, or copying its picture.
  void Key(TViewerKey key);
  void StartAutoPlay(int seconds);
  void StopAutoPlay();
  void AutoPlayTick();
  // A new pace from the seconds edit; re-times only running play.
  void ChangePace(int seconds);

  // ---- Trial moves and numbers ----
  void EnterTrial();
  void LeaveTrial();
  void NumbersOn();
  void NumbersOff();

  // ---- Guessing ----
  // A mode button by its tag: 0 Viewing, 1 to 3 guessing Black, White, both.
  void ChooseMode(int tag);
  void HintsOn();
  void HintsOff();
  // Closes the wrong-guess notice if it is still open.
  void CloseWrongGuessNotice();
  // Marks up to four coming moves of the record, the next one among them.
  void showHints();
  // Takes the hint marks off.
  void hideHints();

  // ---- Commentary, references and news ----
  // Rewrites the memo with the commentary of the move shown.
  void refreshComment();
  // A click on a link of the memo, given the text between its markers: a link
  // "참고도 m-k" opens the k-th reference diagram of the move shown.
  void OpenLink(const std::string& linkText);
  // Shows a reference diagram on the position shown, in the (reused) reference window.
  void openReference(const std::string& text);
  // Opens the news panel on `address`; an empty address changes nothing.
  void SetNews(const std::string& address);
  // The news panel's button: folds or opens the panel.
  void ToggleNews();
  bool NewsFolded() const { return newsFolded_; }

  // ---- Board ----
  // Fits the board into a frame of width x height; where its paint box goes.
  layout::TBoardPlace PlaceBoard(int width, int height);
  // Loads the stone pictures of the cell size for `pixels` and resizes the board.
  void chooseCellSize(int pixels);
  // Turns the board by 180 degrees (clicks map back through the turn).
  void ToggleFlip();

  // Shows a modal notice with caption message 2 and returns when it closes.
  void showNotice(const std::string& text);
  // A notice of two messages joined by two line breaks.
  void showNotice2(int first, int second);

 private:
  class RecordView;
  void ConnectBoard();
  void OnStonePlaced(int x, int y, int number, std::uint8_t colour);
  void OnMove(const TMoveInfo& info);
  const platform::Bitmap& BoardPicture(const std::string& name);
  void SetAutoStopShown(bool shown);
  bool CommentaryHidden() const;
  int CommentaryMove() const;
  void pushMode(ViewerMode newMode, const TBoardSnapshot& snapshot);
  void popMode();
  void AbandonTrial();
  void TrialBoardClick(platform::MouseButton button, int x, int y);
  void JudgeGuess(int x, int y);
  void ReplyTick();
  void FinishGuess();
  void CancelReplies();
  void RepaintCurrentStone(int number);
  template <typename Visit>
  void ForEachHintPoint(Visit visit) const;

  TViewerView& view_;
  TViewerServices services_;
  std::unique_ptr<platform::Timer> playTimer_;
  std::unique_ptr<platform::Timer> noticeTimer_;
  std::unique_ptr<platform::Timer> replyTimer_;
  std::unique_ptr<TGameRecord> record_;
  std::unique_ptr<TGoBoard> board_;
  std::unique_ptr<TZelGoPB> painter_;
  TCommentMemo memo_;
  TNoteMessage noteMessage_;
  std::unique_ptr<TReferenceWindow> referenceWindow_;
  TViewerState state_;
  TModeStack modeStack_;
  std::string level_;
  std::uint8_t handicapByte_ = 0;
  bool newsFolded_ = false;
  // Where the trial line leaves the record: the move trial mode was entered
  // on, lowered when a stone is played before it.
  int trialBranch_ = 0;
  // Whether the hints were on when the current right guess was made.
  bool hintsAcrossReplies_ = false;
  int stoneSounds_ = 0;
  int stonePictureLoads_ = 0;
};

}  // namespace moyo
