#pragma once
// The viewer form: the Qt view of a TViewerSession. It builds the board with
// its frame and function bar, the players and game information, the
// commentary and news panels and the play and guessing rows from the layout
// table, forwards every handler to the session, and shows what the session
// reports. The automation surface drives it through the public members below.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "control/RecordLoader.h"
#include "kit/TDockPanel.h"
#include "platform/PaintBox.h"
#include "record/TGameRecord.h"
#include "viewer/TViewerSession.h"

class QLabel;
class QLineEdit;
class QPixmap;
class QSpinBox;

namespace moyo::platform {
class Bitmap;
class BitmapStore;
class Notifier;
class QtPaintBox;
class SoundPlayer;
class Timer;
}  // namespace moyo::platform

namespace moyo::kit {
class TBevel;
class TFrameButton;
class TImagePanel;
class TLinkMemo;
}  // namespace moyo::kit

namespace moyo {

class TGoBoard;
class TZelGoPB;
class TNewsView;

// What the form uses of the system. Anything left empty gets the Qt one.
struct TFormServices {
  std::unique_ptr<platform::Notifier> notifier;
  // Makes the form's timers (automatic play, the wrong-guess notice, the reply pause).
  std::function<std::unique_ptr<platform::Timer>()> makeTimer;
  std::unique_ptr<platform::SoundPlayer> stoneSound;
  // The named pictures; not owned. Empty: a store of the program's artwork.
  platform::BitmapStore* bitmaps = nullptr;
  // Makes the news browser when the host first sets News. Empty: Qt WebEngine.
  std::function<std::unique_ptr<TNewsView>(QWidget* parent)> makeNewsView;
  // Makes the reference-diagram window. Empty: the program's own.
  std::function<std::unique_ptr<TReferenceWindow>(QWidget* owner)> makeReferenceWindow;
};

// The form's widgets, named by role and kind; the form places them from the
// layout table and only the form changes them.
struct TFormComponents {
  kit::TDockPanel* rightP = nullptr;
  kit::TDockPanel* rightTopP = nullptr;
  QLabel* matchNameL = nullptr;
  QLabel* PlayerPanel = nullptr;
  QLabel* bPlayerL = nullptr;
  QLabel* BGlvlL = nullptr;
  QLabel* wDiedSL = nullptr;
  QLabel* wPlayerL = nullptr;
  QLabel* WGlvlL = nullptr;
  QLabel* bDiedSL = nullptr;
  kit::TBevel* Bevel1 = nullptr;
  QLabel* eventNameL = nullptr;
  std::array<QLabel*, 6> infoLines{};  // infoLines[0] is line 1
  kit::TBevel* Bevel2 = nullptr;
  kit::TDockPanel* Panel1 = nullptr;
  kit::TDockPanel* commentP = nullptr;
  QLabel* Label1 = nullptr;
  kit::TLinkMemo* commentM = nullptr;
  kit::TDockPanel* NewsP = nullptr;
  QLabel* NewsL = nullptr;
  kit::TFrameButton* newsBtn = nullptr;
  QWidget* WebNews = nullptr;  // created when the host first sets News
  kit::TDockPanel* movesP = nullptr;
  kit::TFrameButton* autoBtn = nullptr;
  kit::TFrameButton* autoEndBtn = nullptr;
  QSpinBox* secondSE = nullptr;
  kit::TFrameButton* moveBtn = nullptr;
  QLineEdit* moveEd = nullptr;
  kit::TBevel* Bevel3 = nullptr;
  QLabel* Label2 = nullptr;
  kit::TFrameButton* giboBtn = nullptr;
  kit::TFrameButton* BBtn = nullptr;
  kit::TFrameButton* WBtn = nullptr;
  kit::TFrameButton* BWBtn = nullptr;
  QLabel* StatusL = nullptr;
  kit::TBevel* Bevel4 = nullptr;
  kit::TFrameButton* HintBtn = nullptr;
  kit::TFrameButton* HintXBtn = nullptr;
  kit::TDockPanel* leftP = nullptr;
  kit::TDockPanel* topP = nullptr;
  QLabel* Image1 = nullptr;
  kit::TDockPanel* sideP = nullptr;
  kit::TDockPanel* buttonP = nullptr;
  kit::TImagePanel* functionP = nullptr;
  kit::TFrameButton* testBtn = nullptr;
  kit::TFrameButton* testEndBtn = nullptr;
  kit::TFrameButton* numBtn = nullptr;
  kit::TFrameButton* numEndBtn = nullptr;
  kit::TFrameButton* printBtn = nullptr;
  std::array<kit::TFrameButton*, 6> navButtons{};
  kit::TDockPanel* panP = nullptr;
  platform::QtPaintBox* MainGoPB = nullptr;
};

class TMoyoscope : public kit::TDockPanel, public TRecordLoadTarget {
 public:
  // The size a host gives the control unless it says otherwise.
  static constexpr int kDefaultWidth = 789;
  static constexpr int kDefaultHeight = 628;

  // Builds the form at width x height and runs ActiveFormCreate.
  explicit TMoyoscope(QWidget* parent = nullptr, TFormServices services = {},
                      int width = kDefaultWidth, int height = kDefaultHeight);
  ~TMoyoscope() override;

  // ---- Used by the automation surface ----

  // The behaviour behind the form.
  TViewerSession& Session() { return *session_; }
  // The record the readers fill and ApplyRecord shows.
  TGameRecord& Record() override { return session_->Record(); }
  // The board model of the main board.
  TGoBoard& Board() { return session_->Board(); }
  const TGoBoard& Board() const { return session_->Board(); }
  // The painter of the main board.
  TZelGoPB& Painter() { return session_->Painter(); }
  // The member level the host passed with the record.
  const std::string& Level() const { return session_->Level(); }
  void SetLevel(const std::string& level) override { session_->SetLevel(level); }
  // The current move of the board model (0 before the first move).
  int MoveCount() const;
  // Hides the guessing row's heading, buttons and bevels and shortens movesP to 38.
  void HideGuessingControls() override;
  // Shows the filled record: labels, board, commentary. A record whose moves
  // the board refuses still loads as far as the board takes it.
  void ApplyRecord() override;
  // The loader's notice: the same as showNotice.
  void ShowNotice(const std::string& text) override;
  // The handicap byte of the game-state record, as printing reads it.
  std::uint8_t HandicapByte() const { return session_->HandicapByte(); }
  // Opens the news panel on `address` (CP949); an empty address changes nothing.
  void SetNews(const std::string& address);
  // Shows a modal notice with caption message 2 and returns when it closes.
  void showNotice(const std::string& text);
  // The viewer state (mode and flags).
  const TViewerState& State() const { return session_->State(); }
  TViewerState& State() { return session_->State(); }
  // The saved modes of trial mode.
  const TModeStack& ModeStack() const { return session_->ModeStack(); }
  // The widgets, for the screenshot tool and the tests that look at them.
  const TFormComponents& Components() const { return c_; }

  // ---- Handlers (public so a host or test can drive them as a click would) ----

  void navButtonClick(int tag);
  void boardClick(platform::MouseButton button, unsigned shift, int x, int y);
  void moveBtnClick();
  void moveEdKeyDown(int key);
  void autoBtnClick();
  void autoEndBtnClick();
  void TimerTimer();
  void secondSEChange();
  void refreshComment();
  void commentMContext(int start, int stop);
  void openReference(const std::string& text);
  void newsBtnClick();
  void pBaseResize();
  void chooseCellSize(int pixels);
  void buttonPResize();
  void functionPResize();
  void commentPResize();
  // Prints the game as diagrams after the print options dialog (full members only).
  void printBtnClick();
  // Turns the board by 180 degrees (also Ctrl+R in the form).
  void TurnBoard();
  // Enters trial mode on the position shown (only from Viewing).
  void testBtnClick();
  // Leaves trial mode, back to exactly the position and record end it was entered on.
  void testEndBtnClick();
  // Writes its move number on every stone, in any mode.
  void numBtnClick();
  // Takes the move numbers off again, leaving the last-move mark.
  void numEndBtnClick();
  // Chooses the mode by the mode button's tag: 0 Viewing, 1 to 3 guessing Black, White, both.
  void AnserBtnClick(int tag);
  void HintBtnClick();
  void HintXBtnClick();
  // Closes the wrong-guess notice if it is still open.
  void Timer1Timer();

  // The automatic-play timer and the timer that closes a wrong-guess notice.
  platform::Timer& Timer() { return session_->PlayTimer(); }
  platform::Timer& Timer1() { return session_->NoticeTimer(); }
  // How often the stone sound was started (for tests and diagnostics).
  int StoneSoundCount() const { return session_->StoneSoundCount(); }
  // How often the stone pictures were loaded for a new cell size.
  int StonePictureLoads() const { return session_->StonePictureLoads(); }

 private:
  class View;
  // The keys the form answers itself: navigation, Ctrl+R, Ctrl+C; the edits keep theirs.
  void keyPressEvent(QKeyEvent* event) override;
  // A wheel notch over the board steps one move back or forward.
  void wheelEvent(QWheelEvent* event) override;
  void ActiveFormCreate();
  void BuildRightPanel();
  void BuildMovesPanel();
  void BuildLeftPanel();
  void BuildNavButtons();
  void LoadFaces();
  void ConnectButtons();
  void PlaceNavButtons(int spread);
  QPixmap Picture(const std::string& name);

  TFormServices services_;
  TFormComponents c_;
  std::unique_ptr<platform::BitmapStore> ownBitmaps_;
  platform::BitmapStore* bitmaps_ = nullptr;
  std::unique_ptr<platform::Bitmap> blankPicture_;
  std::unique_ptr<TNewsView> newsView_;
  std::unique_ptr<View> view_;
  std::unique_ptr<TViewerSession> session_;
};

}  // namespace moyo
