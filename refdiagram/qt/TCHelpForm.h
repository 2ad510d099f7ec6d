#pragma once
// The reference-diagram window: a small always-on-top window around a
// TDiagramSession, which holds all of its behaviour. The window builds the
// widgets, forwards their events to the session and shows what the session
// reports. The viewer creates it once and reuses it; closing only hides it.

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "board/BoardRecords.h"
#include "kit/TDockPanel.h"
#include "refdiagram/TDiagramSession.h"
#include "refdiagram/TDiagramView.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace moyo::platform {
class QtBitmap;
class QtPaintBox;
}  // namespace moyo::platform

namespace moyo {

class THelpNavButton;

class TCHelpForm : public kit::TDockPanel, private TDiagramView {
 public:
  // The client size the window opens with.
  static constexpr int kClientWidth = 296;
  static constexpr int kClientHeight = 376;

  // The window's widgets, named by role and kind.
  struct Components {
    kit::TDockPanel* pLBase = nullptr;
    kit::TDockPanel* pHBase = nullptr;
    QPlainTextEdit* Memo = nullptr;
    kit::TDockPanel* pMBase = nullptr;
    QPushButton* PassBtn = nullptr;
    QCheckBox* cbMark = nullptr;
    QComboBox* cbMarkC = nullptr;
    kit::TDockPanel* pSBase = nullptr;
    kit::TDockPanel* Panel1 = nullptr;
    kit::TDockPanel* pBBase = nullptr;
    platform::QtPaintBox* HelpPB = nullptr;
    kit::TDockPanel* pCBase = nullptr;
    std::array<THelpNavButton*, TDiagramSession::kStepButtonCount> Buttons{};
  };

  // A top-level window kept above owner and centred on it when it opens. Pictures
  // come from bitmaps (not owned), or from the program's artwork when it is null.
  explicit TCHelpForm(QWidget* owner = nullptr, platform::BitmapStore* bitmaps = nullptr);
  ~TCHelpForm() override;

  // See TDiagramSession::ShowPosition. The board is drawn with the position's own
  // size; lines is what the viewer's reference-window interface still passes.
  void ShowPosition(int lines, const TBoardSnapshot& position, bool flipped, bool draw);
  // Shows the window (centred on the owner when it was hidden) and raises it.
  void ShowWindow();
  // See TDiagramSession::LoadDiagram.
  void LoadDiagram(const std::string& text);

  // The window's behaviour and state.
  const TDiagramSession& Session() const { return *session_; }
  // The widgets, for tests that drive and inspect them as a user would.
  const Components& Widgets() const { return ui_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPanels();
  void BuildTrialTools();
  void BuildStepButtons();
  void pBBaseResize();
  void pCBaseResize();

  void SetAreaColour(platform::Rgb colour) override;
  void SetCaption(const std::string& caption) override;
  void SetMemo(const std::string& text) override;
  void SetTrialCaption(const std::string& caption) override;
  void ShowTrialTools(bool shown) override;
  void ShowMarking(bool on) override;
  void ShowLetter(int index) override;
  void PlaceBoard(int left, int top) override;
  void PlaceStepButton(int tag, int left, int width) override;

  Components ui_;
  std::unique_ptr<platform::BitmapStore> ownBitmaps_;
  std::unique_ptr<platform::QtBitmap> missingPicture_;
  std::unique_ptr<TDiagramSession> session_;
};

}  // namespace moyo
