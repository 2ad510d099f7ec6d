#include "control/TMoyoscope.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>
#include <QVariant>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "board/TGoBoard.h"
#include "control/StoneSound.h"
#include "control/TNewsView.h"
#include "control/TReferenceWindowAdapter.h"
#include "kit/TBevel.h"
#include "kit/TFrameButton.h"
#include "kit/TImagePanel.h"
#include "kit/TLinkMemo.h"
#include "paint/TZelGoPB.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtNotifier.h"
#include "platform/qt/QtPaintBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtTimer.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"
#include "viewer/FormLayout.h"
#include "viewer/TViewerSession.h"

namespace moyo {
namespace {

// The colour of every colour panel (red, green and blue 229).
const QColor kPanelColour(229, 229, 229);
// The status label's colour (red 91, green 112, blue 159).
const QColor kStatusColour(91, 112, 159);
// The board frame outside trial mode: the system's button face.
const QColor kButtonFace(240, 240, 240);
// The board frame while trial mode lasts (red 64, green 128, blue 128).
const QColor kTrialFrame(64, 128, 128);
constexpr int kEnterKey = 13;

static_assert(TCommentMemo::kStartMarker == std::string_view(kit::TLinkMemo::kStartMarker) &&
                  TCommentMemo::kStopMarker == std::string_view(kit::TLinkMemo::kStopMarker),
              "the memo widget shows the links the viewer writes");

using platform::FromQt;
using platform::ToQt;

using platform::FormFont;

// "굴림" at 9 points on a 96-dpi screen.
QFont GulimNine(bool bold) {
  return FormFont("굴림", 12, bold);
}

void Place(QWidget* widget, const layout::TBox& box) {
  widget->setGeometry(box.left, box.top, box.width, box.height);
}

// A label that shows its text exactly as given, never as markup.
QLabel* NewLabel(QWidget* parent, const layout::TBox& box,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  Place(label, box);
  return label;
}

// The same box `top` pixels down.
layout::TBox AtTop(layout::TBox box, int top) {
  box.top = top;
  return box;
}

kit::TDockPanel* NewPanel(kit::TDockPanel* parent, kit::Dock where, int extent, bool coloured) {
  auto* panel = new kit::TDockPanel(parent);
  if (coloured) panel->SetColour(kPanelColour);
  if (where == kit::Dock::Left || where == kit::Dock::Right) {
    panel->resize(extent, panel->height());
  } else {
    panel->resize(panel->width(), extent);
  }
  parent->DockChild(panel, where);
  return panel;
}

kit::TFrameButton* NewButton(QWidget* parent, const layout::TBox& box) {
  auto* button = new kit::TFrameButton(parent);
  Place(button, box);
  return button;
}

kit::TBevel* NewBevel(QWidget* parent, const layout::TBox& box) {
  auto* bevel = new kit::TBevel(parent);
  Place(bevel, box);
  return bevel;
}

void SetCaption(QLabel* label, const std::string& cp949) {
  label->setText(ToQt(cp949));
}

// The bullet, two blanks and message `id`: the headings of the right panel.
std::string Heading(int id) {
  return Message(msg::kBullet) + "  " + Message(id);
}

// The stone sound as the host allows it: a host program silences the stones by
// setting the form's "stoneSound" property to false (a player's choice in its menu).
class THostSwitchedSound final : public platform::SoundPlayer {
 public:
  THostSwitchedSound(std::unique_ptr<platform::SoundPlayer> sound, const QObject& form)
      : sound_(std::move(sound)), form_(form) {}
  void Play() override {
    const QVariant on = form_.property("stoneSound");
    if (!on.isValid() || on.toBool()) sound_->Play();
  }

 private:
  std::unique_ptr<platform::SoundPlayer> sound_;
  const QObject& form_;
};

}  // namespace

// ---- What the session shows, on the widgets ----

class TMoyoscope::View : public TViewerView {
 public:
  explicit View(TMoyoscope& form) : form_(form), c_(form.c_) {}

  void SetEventName(const std::string& title) override { SetCaption(c_.eventNameL, title); }
  void SetInfoLine(int line, const std::string& text) override {
    if (line >= 1 && line <= static_cast<int>(c_.infoLines.size())) {
      SetCaption(c_.infoLines[static_cast<std::size_t>(line - 1)], text);
    }
  }
  void SetBlackPlayer(const std::string& name, const std::string& rank) override {
    SetCaption(c_.bPlayerL, name);
    SetCaption(c_.BGlvlL, rank);
  }
  void SetWhitePlayer(const std::string& name, const std::string& rank) override {
    SetCaption(c_.wPlayerL, name);
    SetCaption(c_.WGlvlL, rank);
  }
  void SetCaptures(const std::string& whiteDead, const std::string& blackDead) override {
    SetCaption(c_.wDiedSL, whiteDead);
    SetCaption(c_.bDiedSL, blackDead);
  }
  void SetStatus(const std::string& text) override { SetCaption(c_.StatusL, text); }
  void SetMoveText(const std::string& text) override { c_.moveEd->setText(ToQt(text)); }

  void ShowStopFace(TFacePair pair, bool stop) override {
    const auto [start, end] = Faces(pair);
    end->setVisible(stop);
    start->setVisible(!stop);
  }
  void SetModeButtonDown(int tag) override {
    for (kit::TFrameButton* button : {c_.giboBtn, c_.BBtn, c_.WBtn, c_.BWBtn}) {
      if (button->tag == tag) button->SetDownInGroup(true);
    }
  }

  void ClearMemo() override { c_.commentM->Clear(); }
  void AddMemoLine(const std::string& line) override { c_.commentM->AddLine(line); }

  void RelayoutBoard() override { form_.pBaseResize(); }
  void SetTrialFrame(bool trial) override {
    if (trial) {
      frameColour_ = c_.panP->Colour();
      c_.panP->SetColour(kTrialFrame);
    } else {
      c_.panP->SetColour(frameColour_);
    }
  }
  void NavigateNews(const std::string& address) override {
    if (!form_.newsView_) {
      form_.newsView_ = form_.services_.makeNewsView(c_.NewsP);
      if (!form_.newsView_) return;
      c_.WebNews = form_.newsView_->Widget();
      Place(c_.WebNews, layout::kWebNews);
      c_.WebNews->show();
    }
    form_.newsView_->Navigate(address);
  }
  void CopyBoardPicture() override { QGuiApplication::clipboard()->setImage(c_.MainGoPB->Image()); }
  void SetNewsPanel(TNewsPanel panel) override {
    const bool folded = panel == TNewsPanel::Folded;
    c_.newsBtn->SetGlyph(form_.Picture(folded ? "newsup" : "newsdown"));
    const int height = panel == TNewsPanel::Hidden ? 0
                       : folded                    ? layout::kNewsPFolded
                                                   : layout::kNewsPOpen;
    c_.NewsP->resize(c_.NewsP->width(), height);
    c_.Panel1->Relayout();
    form_.commentPResize();
  }

 private:
  std::pair<kit::TFrameButton*, kit::TFrameButton*> Faces(TFacePair pair) const {
    switch (pair) {
      case TFacePair::AutoPlay:
        return {c_.autoBtn, c_.autoEndBtn};
      case TFacePair::Trial:
        return {c_.testBtn, c_.testEndBtn};
      case TFacePair::Numbers:
        return {c_.numBtn, c_.numEndBtn};
      case TFacePair::Hints:
        break;
    }
    return {c_.HintBtn, c_.HintXBtn};
  }

  TMoyoscope& form_;
  TFormComponents& c_;
  QColor frameColour_ = kButtonFace;
};

// ---- Building ----

TMoyoscope::TMoyoscope(QWidget* parent, TFormServices services, int width, int height)
    : kit::TDockPanel(parent), services_(std::move(services)) {
  if (!services_.notifier) services_.notifier = std::make_unique<platform::QtNotifier>(this);
  if (!services_.makeTimer) {
    services_.makeTimer = [] { return std::make_unique<platform::QtTimer>(); };
  }
  if (!services_.stoneSound) {
    services_.stoneSound = MakeStoneSoundPlayer();
  }
  services_.stoneSound =
      std::make_unique<THostSwitchedSound>(std::move(services_.stoneSound), *this);
  if (!services_.makeNewsView) services_.makeNewsView = MakeWebNewsView;
  if (!services_.makeReferenceWindow) {
    services_.makeReferenceWindow = [this](QWidget* owner) {
      return MakeHelpFormWindow(owner, bitmaps_);
    };
  }
  bitmaps_ = services_.bitmaps;
  if (bitmaps_ == nullptr) {
    ownBitmaps_ = std::make_unique<platform::QtBitmapStore>();
    bitmaps_ = ownBitmaps_.get();
  }
  // A picture the artwork lacks is drawn as plain board colour.
  QImage blank(1, 1, QImage::Format_RGB32);
  blank.fill(QColor(220, 179, 92));
  blankPicture_ = std::make_unique<platform::QtBitmap>(blank);

  setWindowTitle(ToQt(Message(msg::kViewing)));
  setFont(FormFont("굴림체", 12, false));
  resize(width, height);
  BuildRightPanel();
  BuildLeftPanel();
  ActiveFormCreate();
}

TMoyoscope::~TMoyoscope() {
  // The painter draws on MainGoPB: the session goes before the widgets do.
  session_.reset();
}

void TMoyoscope::BuildRightPanel() {
  using namespace layout;
  c_.rightP = NewPanel(this, kit::Dock::Right, kRightPWidth, true);

  c_.rightTopP = NewPanel(c_.rightP, kit::Dock::Top, kRightTopPHeight, true);
  kit::TDockPanel* top = c_.rightTopP;
  c_.matchNameL = NewLabel(top, kMatchNameL, Qt::AlignHCenter | Qt::AlignVCenter);
  c_.PlayerPanel = NewLabel(top, kPlayerPanel);
  c_.PlayerPanel->setPixmap(Picture("playerstrip"));
  constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;
  c_.bPlayerL = NewLabel(top, AtTop(kPlayerL, kBlackRowTop));
  c_.wPlayerL = NewLabel(top, AtTop(kPlayerL, kWhiteRowTop));
  // Right-aligned: the rank ends where the designer put its right edge.
  c_.BGlvlL = NewLabel(top, AtTop(kRankL, kBlackRowTop), kRight);
  c_.WGlvlL = NewLabel(top, AtTop(kRankL, kWhiteRowTop), kRight);
  c_.wDiedSL = NewLabel(top, AtTop(kDiedSL, kBlackRowTop), kRight);
  c_.bDiedSL = NewLabel(top, AtTop(kDiedSL, kWhiteRowTop), kRight);
  const QFont white = FormFont("굴림체", 12, true);
  for (QLabel* label : {c_.bPlayerL, c_.BGlvlL, c_.wDiedSL, c_.wPlayerL, c_.WGlvlL, c_.bDiedSL}) {
    label->setFont(white);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
  }
  c_.Bevel1 = NewBevel(top, kBevel1);
  c_.eventNameL = NewLabel(top, kEventNameL, Qt::AlignHCenter | Qt::AlignVCenter);
  c_.eventNameL->setFont(FormFont("굴림체", 12, true));
  c_.Bevel2 = NewBevel(top, kBevel2);

  // Docked bottom before the client so the client fills what is left.
  BuildMovesPanel();

  c_.Panel1 = NewPanel(c_.rightP, kit::Dock::Client, 0, true);
  c_.NewsP = NewPanel(c_.Panel1, kit::Dock::Bottom, 0, true);
  c_.NewsL = NewLabel(c_.NewsP, kNewsL);
  c_.NewsL->setCursor(Qt::PointingHandCursor);
  c_.newsBtn = NewButton(c_.NewsP, kNewsBtn);

  c_.commentP = NewPanel(c_.Panel1, kit::Dock::Client, 0, true);
  c_.Label1 = NewLabel(c_.commentP, kLabel1);
  c_.commentM = new kit::TLinkMemo(c_.commentP);
  Place(c_.commentM, kCommentM);
  c_.commentM->SetLinkColour(QColor(0, 0, 160));
  c_.commentM->OnLinkClick = [this](int start, int stop) { commentMContext(start, stop); };

  for (kit::TDockPanel* panel : {c_.Panel1, c_.commentP, c_.NewsP}) {
    panel->OnResize = [this] { commentPResize(); };
  }
}

void TMoyoscope::BuildMovesPanel() {
  using namespace layout;
  c_.movesP = NewPanel(c_.rightP, kit::Dock::Bottom, kMovesPHeight, true);
  kit::TDockPanel* moves = c_.movesP;
  c_.autoBtn = NewButton(moves, kAutoBtn);
  c_.autoEndBtn = NewButton(moves, kAutoBtn);
  c_.autoEndBtn->hide();

  c_.secondSE = new QSpinBox(moves);
  Place(c_.secondSE, kSecondSE);
  c_.secondSE->setRange(1, 100);
  c_.secondSE->setValue(1);

  c_.moveBtn = NewButton(moves, kMoveBtn);
  c_.moveBtn->SetGlyph(Picture("movebtn"));
  c_.moveEd = new QLineEdit(moves);
  Place(c_.moveEd, kMoveEd);
  c_.moveEd->setMaxLength(3);

  c_.Bevel3 = NewBevel(moves, kBevel3);
  c_.Label2 = NewLabel(moves, kLabel2);
  c_.Label2->setFont(GulimNine(false));
  c_.giboBtn = NewButton(moves, kGiboBtn);
  c_.BBtn = NewButton(moves, kBBtn);
  c_.WBtn = NewButton(moves, kWBtn);
  c_.BWBtn = NewButton(moves, kBWBtn);
  c_.BBtn->SetGlyph(Picture("bbtn"));
  c_.WBtn->SetGlyph(Picture("wbtn"));
  c_.BWBtn->SetGlyph(Picture("bwbtn"));
  c_.BBtn->setToolTip(QString::fromUtf8("흑으로맞추기"));
  c_.WBtn->setToolTip(QString::fromUtf8("백으로맞추기"));
  c_.BWBtn->setToolTip(QString::fromUtf8("흑백교대로맞추기"));
  int modeTag = 0;
  for (kit::TFrameButton* button : {c_.giboBtn, c_.BBtn, c_.WBtn, c_.BWBtn}) {
    button->SetGroupIndex(1);
    button->tag = modeTag++;
  }
  c_.StatusL = NewLabel(moves, kStatusL, Qt::AlignHCenter | Qt::AlignVCenter);
  c_.StatusL->setFont(GulimNine(true));
  QPalette status = c_.StatusL->palette();
  status.setColor(QPalette::WindowText, kStatusColour);
  c_.StatusL->setPalette(status);
  c_.Bevel4 = NewBevel(moves, kBevel4);
  c_.HintBtn = NewButton(moves, kHintBtn);
  c_.HintXBtn = NewButton(moves, kHintBtn);
  c_.HintBtn->SetGlyph(Picture("hintbtn"));
  c_.HintXBtn->SetGlyph(Picture("hintxbtn"));
  c_.HintXBtn->hide();
}

void TMoyoscope::BuildLeftPanel() {
  using namespace layout;
  c_.leftP = NewPanel(this, kit::Dock::Client, 0, false);
  c_.topP = NewPanel(c_.leftP, kit::Dock::Top, kTopPHeight, true);
  c_.Image1 = NewLabel(c_.topP, kImage1);
  c_.Image1->setPixmap(Picture("title"));
  // The function bar runs under the side strip too: docked before it.
  c_.buttonP = NewPanel(c_.leftP, kit::Dock::Bottom, kButtonPHeight, true);
  c_.sideP = NewPanel(c_.leftP, kit::Dock::Left, kSidePWidth, true);
  c_.panP = NewPanel(c_.leftP, kit::Dock::Client, 0, false);
  c_.panP->SetColour(kButtonFace);
  c_.panP->SetBevel(kit::BevelKind::Lowered, kPanPBevel);
  // The bevel is the frame's own border: the board is placed by pBaseResize,
  // not docked, so the panel's full size counts.
  c_.MainGoPB = new platform::QtPaintBox(c_.panP);

  c_.functionP = new kit::TImagePanel(c_.buttonP);
  c_.functionP->resize(c_.buttonP->width() - kFunctionPLeftFree, kFunctionPHeight);
  c_.functionP->SetWallpaper(Picture("wallpaper"));
  c_.buttonP->DockChild(c_.functionP, kit::Dock::Right);
  for (kit::TFrameButton** button :
       {&c_.testBtn, &c_.testEndBtn, &c_.numBtn, &c_.numEndBtn, &c_.printBtn}) {
    *button = NewButton(c_.functionP, kWordButton);
  }
  c_.printBtn->SetGlyph(Picture("printbtn"));
  c_.printBtn->setObjectName("printBtn");  // a host's Print command clicks it
  c_.testEndBtn->hide();
  c_.numEndBtn->hide();
  buttonPResize();

  c_.panP->OnResize = [this] { pBaseResize(); };
  c_.buttonP->OnResize = [this] { buttonPResize(); };
  c_.functionP->OnResize = [this] { functionPResize(); };
}

void TMoyoscope::BuildNavButtons() {
  for (int k = 0; k < 6; ++k) {
    auto* button = new kit::TFrameButton(c_.functionP);
    button->resize(layout::NavButtonWidth(k), layout::kNavHeight);
    button->tag = k;
    button->SetGlyph(Picture("ARROW" + std::to_string(k + 1)), 4);
    c_.navButtons[static_cast<std::size_t>(k)] = button;
  }
  PlaceNavButtons(layout::kNavSpreadAtCreation);
}

void TMoyoscope::ActiveFormCreate() {
  c_.NewsP->resize(c_.NewsP->width(), 0);
  for (int i = 1; i <= 6; ++i) {
    QLabel* line = NewLabel(
        c_.rightTopP, AtTop(layout::kInfoLine, layout::kInfoLine.top + layout::kInfoLineStep * i));
    line->setFont(GulimNine(false));
    c_.infoLines[static_cast<std::size_t>(i - 1)] = line;
  }
  BuildNavButtons();

  SetCaption(c_.Label1, Heading(msg::kCommentary));
  SetCaption(c_.Label2, Heading(msg::kGuessHeading));
  SetCaption(c_.StatusL, Message(msg::kViewing));
  c_.giboBtn->setText(ToQt(Message(msg::kViewing)));
  SetCaption(c_.NewsL, Heading(msg::kNews));
  LoadFaces();

  view_ = std::make_unique<View>(*this);
  TViewerServices services;
  services.notifier = services_.notifier.get();
  services.makeTimer = services_.makeTimer;
  services.stoneSound = services_.stoneSound.get();
  services.bitmaps = bitmaps_;
  services.missingPicture = blankPicture_.get();
  services.paintBox = c_.MainGoPB;
  services.makeReferenceWindow = [this] { return services_.makeReferenceWindow(this); };
  session_ = std::make_unique<TViewerSession>(*view_, std::move(services));
  ConnectButtons();
  pBaseResize();
}

void TMoyoscope::LoadFaces() {
  c_.testBtn->SetGlyph(Picture("test"));
  c_.testEndBtn->SetGlyph(Picture("testend"));
  c_.numBtn->SetGlyph(Picture("order"));
  c_.numEndBtn->SetGlyph(Picture("orderend"));
  c_.autoBtn->SetGlyph(Picture("auto"));
  c_.autoEndBtn->SetGlyph(Picture("autoend"));
  c_.newsBtn->SetGlyph(Picture("newsdown"));
  c_.giboBtn->SetDownInGroup(true);
}

void TMoyoscope::ConnectButtons() {
  using Button = kit::TFrameButton;
  for (Button* button : c_.navButtons) {
    button->OnClick = [this](Button& sender) { navButtonClick(sender.tag); };
  }
  c_.autoBtn->OnClick = [this](Button&) { autoBtnClick(); };
  c_.autoEndBtn->OnClick = [this](Button&) { autoEndBtnClick(); };
  QObject::connect(c_.secondSE, &QSpinBox::valueChanged, this, [this] { secondSEChange(); });
  c_.moveBtn->OnClick = [this](Button&) { moveBtnClick(); };
  QObject::connect(c_.moveEd, &QLineEdit::returnPressed, this,
                   [this] { moveEdKeyDown(kEnterKey); });
  c_.newsBtn->OnClick = [this](Button&) { newsBtnClick(); };
  c_.testBtn->OnClick = [this](Button&) { testBtnClick(); };
  c_.testEndBtn->OnClick = [this](Button&) { testEndBtnClick(); };
  c_.numBtn->OnClick = [this](Button&) { numBtnClick(); };
  c_.numEndBtn->OnClick = [this](Button&) { numEndBtnClick(); };
  for (Button* button : {c_.giboBtn, c_.BBtn, c_.WBtn, c_.BWBtn}) {
    button->OnClick = [this](Button& sender) { AnserBtnClick(sender.tag); };
  }
  c_.HintBtn->OnClick = [this](Button&) { HintBtnClick(); };
  c_.HintXBtn->OnClick = [this](Button&) { HintXBtnClick(); };
  c_.printBtn->OnClick = [this](Button&) { printBtnClick(); };
}

QPixmap TMoyoscope::Picture(const std::string& name) {
  const platform::Bitmap* bitmap = bitmaps_->Find(name);
  const auto* qt = dynamic_cast<const platform::QtBitmap*>(bitmap);
  return qt != nullptr ? QPixmap::fromImage(qt->Image()) : QPixmap();
}

// ---- Layout ----

void TMoyoscope::pBaseResize() {
  if (!session_) return;
  const layout::TBoardPlace place = session_->PlaceBoard(c_.panP->width(), c_.panP->height());
  c_.MainGoPB->move(place.left, place.top);
}

void TMoyoscope::chooseCellSize(int pixels) {
  session_->chooseCellSize(pixels);
}

void TMoyoscope::buttonPResize() {
  c_.functionP->resize(c_.buttonP->width() - layout::kFunctionPLeftFree, c_.functionP->height());
  const auto [test, numbers, print] = layout::WordButtonLefts(c_.functionP->width());
  c_.testBtn->move(test, 0);
  c_.testEndBtn->move(test, 0);
  c_.numBtn->move(numbers, 0);
  c_.numEndBtn->move(numbers, 0);
  c_.printBtn->move(print, 0);
}

void TMoyoscope::functionPResize() {
  PlaceNavButtons(layout::kNavSpreadOnResize);
}

void TMoyoscope::PlaceNavButtons(int spread) {
  if (c_.navButtons[0] == nullptr) return;
  const std::array<int, 6> lefts = layout::NavButtonLefts(c_.functionP->width(), spread);
  for (std::size_t k = 0; k < lefts.size(); ++k) c_.navButtons[k]->move(lefts[k], layout::kNavTop);
}

void TMoyoscope::commentPResize() {
  c_.commentM->resize(c_.commentM->width(),
                      std::max(c_.commentP->height() - layout::kCommentMBelow, 0));
}

void TMoyoscope::HideGuessingControls() {
  for (QWidget* control : std::initializer_list<QWidget*>{
           c_.Bevel3, c_.Label2, c_.BWBtn, c_.BBtn, c_.WBtn, c_.HintBtn, c_.giboBtn, c_.Bevel4}) {
    control->hide();
  }
  c_.movesP->resize(c_.movesP->width(), layout::kMovesPHeightWithoutQuiz);
  c_.rightP->Relayout();
}

// ---- Handlers: each is the session's operation ----

void TMoyoscope::navButtonClick(int tag) {
  session_->Navigate(tag);
}
void TMoyoscope::boardClick(platform::MouseButton button, unsigned, int x, int y) {
  session_->BoardClick(button, x, y);
}
void TMoyoscope::moveBtnClick() {
  session_->Jump(FromQt(c_.moveEd->text()));
}
void TMoyoscope::moveEdKeyDown(int key) {
  if (key == kEnterKey) moveBtnClick();
}
void TMoyoscope::autoBtnClick() {
  session_->StartAutoPlay(c_.secondSE->value());
}
void TMoyoscope::autoEndBtnClick() {
  session_->StopAutoPlay();
}
void TMoyoscope::TimerTimer() {
  session_->AutoPlayTick();
}
void TMoyoscope::secondSEChange() {
  session_->ChangePace(c_.secondSE->value());
}
void TMoyoscope::refreshComment() {
  session_->refreshComment();
}
void TMoyoscope::commentMContext(int start, int stop) {
  session_->OpenLink(LinkText(c_.commentM->Text(), start, stop));
}
void TMoyoscope::openReference(const std::string& text) {
  session_->openReference(text);
}
void TMoyoscope::newsBtnClick() {
  session_->ToggleNews();
  c_.newsBtn->tag = session_->NewsFolded() ? 1 : 0;
}
void TMoyoscope::testBtnClick() {
  session_->EnterTrial();
}
void TMoyoscope::testEndBtnClick() {
  session_->LeaveTrial();
}
void TMoyoscope::numBtnClick() {
  session_->NumbersOn();
}
void TMoyoscope::numEndBtnClick() {
  session_->NumbersOff();
}
void TMoyoscope::AnserBtnClick(int tag) {
  session_->ChooseMode(tag);
}
void TMoyoscope::HintBtnClick() {
  session_->HintsOn();
}
void TMoyoscope::HintXBtnClick() {
  session_->HintsOff();
}
void TMoyoscope::Timer1Timer() {
  session_->CloseWrongGuessNotice();
}

void TMoyoscope::TurnBoard() {
  session_->Key(TViewerKey::Turn);
}

// ---- Keys and the wheel ----

void TMoyoscope::keyPressEvent(QKeyEvent* event) {
  // Typed into the move number or the pace, a key keeps its editing meaning.
  QWidget* focus = focusWidget();
  if (focus != nullptr &&
      (focus == c_.moveEd || c_.secondSE->isAncestorOf(focus) || focus == c_.secondSE)) {
    return kit::TDockPanel::keyPressEvent(event);
  }
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  std::optional<TViewerKey> key;
  switch (event->key()) {
    case Qt::Key_Left:
      key = TViewerKey::Left;
      break;
    case Qt::Key_Right:
      key = TViewerKey::Right;
      break;
    case Qt::Key_PageUp:
      key = TViewerKey::PageUp;
      break;
    case Qt::Key_PageDown:
      key = TViewerKey::PageDown;
      break;
    case Qt::Key_Home:
      key = TViewerKey::Home;
      break;
    case Qt::Key_End:
      key = TViewerKey::End;
      break;
    case Qt::Key_R:
      if (ctrl) key = TViewerKey::Turn;
      break;
    case Qt::Key_C:
      if (ctrl) key = TViewerKey::Copy;
      break;
    default:
      break;
  }
  if (!key) return kit::TDockPanel::keyPressEvent(event);
  session_->Key(*key);
  event->accept();
}

void TMoyoscope::wheelEvent(QWheelEvent* event) {
  const QPoint at = c_.MainGoPB->mapFrom(this, event->position().toPoint());
  const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
  if (!c_.MainGoPB->rect().contains(at) || notches == 0) {
    return kit::TDockPanel::wheelEvent(event);
  }
  for (int i = 0; i < std::abs(notches); ++i) {
    session_->Key(notches > 0 ? TViewerKey::WheelBack : TViewerKey::WheelForward);
  }
  event->accept();
}

// ---- The session's state, for the automation surface ----

int TMoyoscope::MoveCount() const {
  return session_->Board().MoveCount();
}

void TMoyoscope::ApplyRecord() {
  session_->ApplyRecord();
}
void TMoyoscope::ShowNotice(const std::string& text) {
  session_->showNotice(text);
}
void TMoyoscope::showNotice(const std::string& text) {
  session_->showNotice(text);
}
void TMoyoscope::SetNews(const std::string& address) {
  session_->SetNews(address);
}

}  // namespace moyo
