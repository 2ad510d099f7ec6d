#include "control/TMoyoscope.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>
#include <QVariant>
#include <algorithm>
#include <charconv>

#include "board/TGoBoard.h"
#include "control/StoneSound.h"
#include "control/TNewsView.h"
#include "control/TNoteMessage.h"
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
#include "platform/qt/QtSoundPlayer.h"
#include "platform/qt/QtTimer.h"
#include "record/ApplyRecord.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

// The colour of every colour panel (red, green and blue 229).
const QColor kPanelColour(229, 229, 229);
// The status label's colour (red 91, green 112, blue 159).
const QColor kStatusColour(91, 112, 159);
// The board frame outside trial mode: the system's button face.
const QColor kButtonFace(240, 240, 240);

constexpr int kNavSpreadAtCreation = 463;
constexpr int kNavSpreadOnResize = 500;
constexpr int kNewsOpen = 165;
constexpr int kNewsFolded = 22;
constexpr int kEnterKey = 13;

QString ToQt(const std::string& cp949) {
  return QString::fromStdString(platform::Cp949ToUtf8(cp949));
}

std::string FromQt(const QString& text) {
  return platform::Utf8ToCp949(text.toStdString());
}

QFont FormFont(const char* faceUtf8, int pixels, bool bold) {
  QFont font(
      platform::SubstituteFamily(platform::Utf8ToCp949(faceUtf8), platform::Charset::Hangul));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// "굴림" at 9 points on a 96-dpi screen.
QFont GulimNine(bool bold) {
  return FormFont("굴림", 12, bold);
}

// A label that shows its text exactly as given, never as markup.
QLabel* NewLabel(QWidget* parent, int left, int top, int width, int height,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment);
  label->setGeometry(left, top, width, height);
  return label;
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

kit::TFrameButton* NewButton(QWidget* parent, int left, int top, int width, int height) {
  auto* button = new kit::TFrameButton(parent);
  button->setGeometry(left, top, width, height);
  return button;
}

kit::TBevel* NewBevel(QWidget* parent, int left, int top, int width, int height) {
  auto* bevel = new kit::TBevel(parent);
  bevel->setGeometry(left, top, width, height);
  return bevel;
}

// A decimal integer with an optional sign, or `fallback` for anything else.
int DecimalOr(const std::string& text, int fallback) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return fallback;
  return value;
}

void SetCaption(QLabel* label, const std::string& cp949) {
  label->setText(ToQt(cp949));
}

// Message 13, two blanks and message `id`: the headings of the right panel.
std::string Heading(int id) {
  return Message(13) + "  " + Message(id);
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

TMoyoscope::TMoyoscope(QWidget* parent, TFormServices services, int width, int height)
    : kit::TDockPanel(parent),
      services_(std::move(services)),
      record_(std::make_unique<TGameRecord>()) {
  if (!services_.notifier) services_.notifier = std::make_unique<platform::QtNotifier>(this);
  if (!services_.makeTimer) {
    services_.makeTimer = [] { return std::make_unique<platform::QtTimer>(); };
  }
  if (!services_.stoneSound) {
    services_.stoneSound = std::make_unique<platform::QtSoundPlayer>(TocWave());
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
  timer_ = services_.makeTimer();
  timer_->OnTimer = [this] { TimerTimer(); };
  timer1_ = services_.makeTimer();
  timer1_->SetInterval(600);
  timer1_->OnTimer = [this] { Timer1Timer(); };

  setWindowTitle(ToQt(Message(31)));
  setFont(FormFont("굴림체", 12, false));
  resize(width, height);
  BuildRightPanel();
  BuildLeftPanel();
  ActiveFormCreate();
}

TMoyoscope::~TMoyoscope() {
  // The painter draws on MainGoPB and the board reports to the form; both go
  // before the widgets do.
  if (board_) {
    board_->OnStonePlaced = nullptr;
    board_->OnPointChanged = nullptr;
    board_->OnMove = nullptr;
  }
  painter_.reset();
}

// ---- Building the component tree ----

void TMoyoscope::BuildRightPanel() {
  rightP = NewPanel(this, kit::Dock::Right, 252, true);

  rightTopP = NewPanel(rightP, kit::Dock::Top, 266, true);
  matchNameL = NewLabel(rightTopP, 10, 10, 237, 14, Qt::AlignHCenter | Qt::AlignVCenter);
  PlayerPanel = NewLabel(rightTopP, 10, 26, 233, 66);
  PlayerPanel->setPixmap(Picture("playerstrip"));
  const QFont white = FormFont("굴림체", 12, true);
  for (QLabel** label : {&bPlayerL, &wPlayerL}) {
    *label = NewLabel(rightTopP, 44, label == &bPlayerL ? 39 : 68, 104, 14);
  }
  for (QLabel** label : {&BGlvlL, &WGlvlL}) {
    // Right-aligned: the rank ends where the designer put its right edge.
    *label = NewLabel(rightTopP, 142, label == &BGlvlL ? 39 : 68, 68, 14,
                      Qt::AlignRight | Qt::AlignVCenter);
  }
  for (QLabel** label : {&wDiedSL, &bDiedSL}) {
    *label = NewLabel(rightTopP, 220, label == &wDiedSL ? 39 : 68, 16, 14,
                      Qt::AlignRight | Qt::AlignVCenter);
  }
  for (QLabel* label : {bPlayerL, BGlvlL, wDiedSL, wPlayerL, WGlvlL, bDiedSL}) {
    label->setFont(white);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
  }
  Bevel1 = NewBevel(rightTopP, 10, 100, 233, 2);
  eventNameL = NewLabel(rightTopP, 10, 110, 237, 16, Qt::AlignHCenter | Qt::AlignVCenter);
  eventNameL->setFont(FormFont("굴림체", 12, true));
  Bevel2 = NewBevel(rightTopP, 10, 259, 233, 2);

  // Docked bottom before the client so the client fills what is left.
  BuildMovesPanel();

  Panel1 = NewPanel(rightP, kit::Dock::Client, 0, true);
  NewsP = NewPanel(Panel1, kit::Dock::Bottom, 0, true);
  NewsL = NewLabel(NewsP, 10, 4, 200, 14);
  NewsL->setCursor(Qt::PointingHandCursor);
  newsBtn = NewButton(NewsP, 231, 4, 16, 13);
  newsBtn->OnClick = [this](kit::TFrameButton&) { newsBtnClick(); };

  commentP = NewPanel(Panel1, kit::Dock::Client, 0, true);
  Label1 = NewLabel(commentP, 10, 4, 200, 14);
  commentM = new kit::TLinkMemo(commentP);
  commentM->setGeometry(10, 22, 238, 100);
  commentM->SetLinkColour(QColor(0, 0, 160));
  commentM->OnLinkClick = [this](int start, int stop) { commentMContext(start, stop); };

  for (kit::TDockPanel* panel : {Panel1, commentP, NewsP}) {
    panel->OnResize = [this] { commentPResize(); };
  }
}

void TMoyoscope::BuildMovesPanel() {
  movesP = NewPanel(rightP, kit::Dock::Bottom, 101, true);
  autoBtn = NewButton(movesP, 18, 7, 56, 20);
  autoEndBtn = NewButton(movesP, 18, 7, 56, 20);
  autoEndBtn->hide();
  autoBtn->OnClick = [this](kit::TFrameButton&) { autoBtnClick(); };
  autoEndBtn->OnClick = [this](kit::TFrameButton&) { autoEndBtnClick(); };

  secondSE = new QSpinBox(movesP);
  secondSE->setGeometry(83, 7, 43, 21);
  secondSE->setRange(1, 100);
  secondSE->setValue(1);
  QObject::connect(secondSE, &QSpinBox::valueChanged, this, [this] { secondSEChange(); });

  moveBtn = NewButton(movesP, 144, 7, 46, 20);
  moveBtn->SetGlyph(Picture("movebtn"));
  moveBtn->OnClick = [this](kit::TFrameButton&) { moveBtnClick(); };
  moveEd = new QLineEdit(movesP);
  moveEd->setGeometry(195, 7, 41, 20);
  moveEd->setMaxLength(3);
  QObject::connect(moveEd, &QLineEdit::returnPressed, this, [this] { moveEdKeyDown(kEnterKey); });

  Bevel3 = NewBevel(movesP, 10, 37, 233, 2);
  Label2 = NewLabel(movesP, 10, 47, 160, 14);
  Label2->setFont(GulimNine(false));
  giboBtn = NewButton(movesP, 183, 45, 56, 20);
  BBtn = NewButton(movesP, 19, 70, 22, 20);
  WBtn = NewButton(movesP, 41, 70, 22, 20);
  BWBtn = NewButton(movesP, 63, 70, 27, 20);
  BBtn->SetGlyph(Picture("bbtn"));
  WBtn->SetGlyph(Picture("wbtn"));
  BWBtn->SetGlyph(Picture("bwbtn"));
  BBtn->setToolTip(QString::fromUtf8("흑으로맞추기"));
  WBtn->setToolTip(QString::fromUtf8("백으로맞추기"));
  BWBtn->setToolTip(QString::fromUtf8("흑백교대로맞추기"));
  int modeTag = 0;
  for (kit::TFrameButton* button : {giboBtn, BBtn, WBtn, BWBtn}) {
    button->SetGroupIndex(1);
    button->tag = modeTag++;
  }
  StatusL = NewLabel(movesP, 96, 74, 68, 14, Qt::AlignHCenter | Qt::AlignVCenter);
  StatusL->setFont(GulimNine(true));
  QPalette status = StatusL->palette();
  status.setColor(QPalette::WindowText, kStatusColour);
  StatusL->setPalette(status);
  Bevel4 = NewBevel(movesP, 168, 70, 2, 20);
  HintBtn = NewButton(movesP, 183, 70, 56, 20);
  HintXBtn = NewButton(movesP, 183, 70, 56, 20);
  HintBtn->SetGlyph(Picture("hintbtn"));
  HintXBtn->SetGlyph(Picture("hintxbtn"));
  HintXBtn->hide();
}

void TMoyoscope::BuildLeftPanel() {
  leftP = NewPanel(this, kit::Dock::Client, 0, false);
  topP = NewPanel(leftP, kit::Dock::Top, 26, true);
  Image1 = NewLabel(topP, 13, 1, 310, 25);
  Image1->setPixmap(Picture("title"));
  // The function bar runs under the side strip too: docked before it.
  buttonP = NewPanel(leftP, kit::Dock::Bottom, 37, true);
  sideP = NewPanel(leftP, kit::Dock::Left, 13, true);
  panP = NewPanel(leftP, kit::Dock::Client, 0, false);
  panP->SetColour(kButtonFace);
  panP->SetBevel(kit::BevelKind::Lowered, 2);
  // The bevel is the frame's own border: the board is placed by pBaseResize,
  // not docked, so the panel's full size counts.
  MainGoPB = new platform::QtPaintBox(panP);

  functionP = new kit::TImagePanel(buttonP);
  functionP->resize(buttonP->width() - 14, 37);
  functionP->SetWallpaper(Picture("wallpaper"));
  buttonP->DockChild(functionP, kit::Dock::Right);
  testBtn = NewButton(functionP, 0, 0, 96, 35);
  testEndBtn = NewButton(functionP, 0, 0, 96, 35);
  numBtn = NewButton(functionP, 0, 0, 96, 35);
  numEndBtn = NewButton(functionP, 0, 0, 96, 35);
  printBtn = NewButton(functionP, 0, 0, 96, 35);
  printBtn->SetGlyph(Picture("printbtn"));
  printBtn->setObjectName("printBtn");  // a host's Print command clicks it
  testEndBtn->hide();
  numEndBtn->hide();
  buttonPResize();

  panP->OnResize = [this] { pBaseResize(); };
  buttonP->OnResize = [this] { buttonPResize(); };
  functionP->OnResize = [this] { functionPResize(); };
}

// ---- Creation ----

void TMoyoscope::ActiveFormCreate() {
  NewsP->resize(NewsP->width(), 0);
  state_ = TViewerState{};

  const platform::Bitmap& wood = BoardPicture("baseb");
  const platform::Bitmap& edge = BoardPicture("bedge");
  BoardPicture("gedge");

  for (int i = 1; i <= 6; ++i) {
    QLabel* line = NewLabel(rightTopP, 10, 113 + 20 * i, 237, 14);
    line->setFont(GulimNine(false));
    infoLines[static_cast<std::size_t>(i - 1)] = line;
  }

  for (int k = 0; k < 6; ++k) {
    auto* button = new kit::TFrameButton(functionP);
    button->resize(k == 0 || k == 5 ? 39 : 37, 20);
    button->tag = k;
    button->SetGlyph(Picture("ARROW" + std::to_string(k + 1)), 4);
    button->OnClick = [this](kit::TFrameButton& sender) { navButtonClick(sender.tag); };
    navButtons[static_cast<std::size_t>(k)] = button;
  }
  PlaceNavButtons(kNavSpreadAtCreation);

  SetCaption(Label1, Heading(67));
  SetCaption(Label2, Heading(68));
  SetCaption(StatusL, Message(31));
  giboBtn->setText(ToQt(Message(31)));
  SetCaption(NewsL, Heading(69));

  record_->commentCount = 0;
  noteMessage_ = std::make_unique<TNoteMessage>(commentM);

  testBtn->SetGlyph(Picture("test"));
  testEndBtn->SetGlyph(Picture("testend"));
  numBtn->SetGlyph(Picture("order"));
  numEndBtn->SetGlyph(Picture("orderend"));
  autoBtn->SetGlyph(Picture("auto"));
  autoEndBtn->SetGlyph(Picture("autoend"));
  newsBtn->SetGlyph(Picture("newsdown"));
  giboBtn->SetDownInGroup(true);

  painter_ = std::make_unique<TZelGoPB>(*MainGoPB, wood, edge);
  // No size counts as unchanged, so the first placement always sizes the board.
  painter_->SetBoardPixels(0);
  board_ = std::make_unique<TGoBoard>();
  ConnectBoard();
  ConnectModeButtons();
  printBtn->OnClick = [this](kit::TFrameButton&) { printBtnClick(); };

  pBaseResize();
}

void TMoyoscope::ConnectBoard() {
  board_->OnStonePlaced = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    OnStonePlaced(x, y, number, colour);
  };
  board_->OnPointChanged = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    OnPointChanged(x, y, number, colour);
  };
  board_->OnMove = [this](const TGoBoard&, const TMoveInfo& info, bool) { OnMove(info); };
  painter_->OnPointClick = [this](TZelGoPB&, platform::MouseButton button, unsigned shift, int x,
                                  int y) { boardClick(button, shift, x, y); };
}

QPixmap TMoyoscope::Picture(const std::string& name) {
  const platform::Bitmap* bitmap = bitmaps_->Find(name);
  const auto* qt = dynamic_cast<const platform::QtBitmap*>(bitmap);
  return qt != nullptr ? QPixmap::fromImage(qt->Image()) : QPixmap();
}

const platform::Bitmap& TMoyoscope::BoardPicture(const std::string& name) {
  if (const platform::Bitmap* bitmap = bitmaps_->Find(name)) return *bitmap;
  // A picture the artwork lacks is drawn as plain board colour.
  if (!blankPicture_) {
    QImage blank(1, 1, QImage::Format_RGB32);
    blank.fill(QColor(220, 179, 92));
    blankPicture_ = std::make_unique<platform::QtBitmap>(blank);
  }
  return *blankPicture_;
}

// ---- Layout ----

void TMoyoscope::pBaseResize() {
  if (!painter_) return;
  const int width = panP->width();
  const int height = panP->height();
  const int margin = painter_->Margin();
  const int lines = painter_->Lines();
  const int cell = std::min((width - 5 - margin) / lines, (height - 5 - margin) / lines);
  const int pixels = lines * cell;
  MainGoPB->move((width - pixels - margin) / 2, (height - pixels - margin) / 2);
  if (pixels != painter_->BoardPixels()) chooseCellSize(pixels);
}

void TMoyoscope::chooseCellSize(int pixels) {
  const int n = pixels / painter_->Lines();
  if (n >= 10 && n <= 59) {
    const std::string size = std::to_string(n);
    painter_->SetStoneBitmaps(bitmaps_->Find("bs" + size), bitmaps_->Find("ws" + size),
                              bitmaps_->Find("bm" + size), bitmaps_->Find("wm" + size));
    ++stonePictureLoads_;
  }
  painter_->SetBoardSize(pixels);
}

void TMoyoscope::buttonPResize() {
  functionP->resize(buttonP->width() - 14, functionP->height());
  const int testLeft = functionP->width() - 294;
  testBtn->move(testLeft, 0);
  testEndBtn->move(testLeft, 0);
  numBtn->move(testLeft + 96, 0);
  numEndBtn->move(testLeft + 96, 0);
  printBtn->move(testLeft + 192, 0);
}

void TMoyoscope::functionPResize() {
  PlaceNavButtons(kNavSpreadOnResize);
}

void TMoyoscope::PlaceNavButtons(int spread) {
  if (navButtons[0] == nullptr) return;
  const int first = (functionP->width() - spread) / 2;
  for (int k = 0; k < 6; ++k) {
    const int left = k == 0 ? first : first + 39 + 37 * (k - 1);
    navButtons[static_cast<std::size_t>(k)]->move(left, 8);
  }
}

void TMoyoscope::commentPResize() {
  commentM->resize(commentM->width(), std::max(commentP->height() - 29, 0));
}

// ---- Notices ----

void TMoyoscope::showNotice(const std::string& text) {
  services_.notifier->ShowNotice(Message(2), text);
}

void TMoyoscope::showNotice2(int first, int second) {
  showNotice(Message(first) + "\r\n\r\n" + Message(second));
}

// ---- Board model events ----

void TMoyoscope::OnStonePlaced(int x, int y, int number, std::uint8_t colour) {
  if (!state_.loading && state_.soundOn) {
    services_.stoneSound->Play();
    ++stoneSounds_;
  }
  state_.lastPaintedColour = colour;
  painter_->DrawPoint(colour, x, y, number);
}

void TMoyoscope::OnPointChanged(int x, int y, int number, std::uint8_t colour) {
  painter_->DrawPoint(colour, x, y, number);
}

void TMoyoscope::OnMove(const TMoveInfo& info) {
  wDiedSL->setText(QString::number(info.BlackCaptures));
  bDiedSL->setText(QString::number(info.WhiteCaptures));
}

// ---- Navigation ----

int TMoyoscope::MoveCount() const {
  return board_->MoveCount();
}

void TMoyoscope::navButtonClick(int tag) {
  if (IsGuessing(state_.mode)) {
    showNotice2(4, 5);
    return;
  }
  state_.autoPlaying = false;
  if (state_.mode != ViewerMode::Viewing && state_.mode != ViewerMode::Trial) return;
  TGoBoard& board = *board_;
  switch (tag) {
    case 0:
      state_.soundOn = false;
      while (board.MoveCount() >= 1 && board.Back()) {
      }
      break;
    case 1:
      state_.soundOn = false;
      for (int i = 0; i < 5; ++i) board.Back();
      break;
    case 2:
      state_.soundOn = false;
      board.Back();
      break;
    case 3:
      state_.soundOn = true;
      board.Forward();
      break;
    case 4:
      state_.soundOn = false;
      for (int i = 0; i < 5; ++i) board.Forward();
      break;
    case 5:
      state_.soundOn = false;
      while (board.Forward()) {
      }
      break;
    default:
      return;
  }
  refreshComment();
}

void TMoyoscope::boardClick(platform::MouseButton button, unsigned, int x, int y) {
  state_.autoPlaying = false;
  const bool left = button == platform::MouseButton::Left;
  switch (state_.mode) {
    case ViewerMode::Viewing:
      if (left) {
        state_.soundOn = true;
        if (!board_->Forward()) showNotice(Message(1));
      } else {
        state_.soundOn = false;
        board_->Back();
      }
      refreshComment();
      break;
    case ViewerMode::Trial:
      trialBoardClick(button, x, y);
      break;
    case ViewerMode::GuessBlack:
    case ViewerMode::GuessWhite:
    case ViewerMode::GuessBoth:
      if (!left) {
        showNotice2(4, 5);
        refreshComment();
      } else {
        guessBoardClick(x, y);
      }
      break;
  }
}

void TMoyoscope::moveBtnClick() {
  if (state_.mode != ViewerMode::Viewing) {
    showNotice2(25, 5);
    return;
  }
  const int n = DecimalOr(FromQt(moveEd->text()), 1000);
  if (n == 1000 || n <= 0) {
    showNotice(Message(26));
    moveEd->clear();
    return;
  }
  if (!autoEndBtn->isHidden()) autoEndBtnClick();
  TGoBoard& board = *board_;
  state_.soundOn = false;
  while (board.MoveCount() >= 1 && board.Back()) {
  }
  refreshComment();
  if (n < board.LastMove()) {
    // A stored move the board refuses ends the walk where it stands.
    while (board.MoveCount() < n && board.Forward()) {
    }
  } else {
    while (board.Forward()) {
    }
  }
  refreshComment();
  moveEd->setText(QString::number(board.MoveCount()));
}

void TMoyoscope::moveEdKeyDown(int key) {
  if (key == kEnterKey) moveBtnClick();
}

// ---- Automatic play ----

void TMoyoscope::autoBtnClick() {
  if (state_.mode != ViewerMode::Viewing) return;
  timer_->SetInterval(secondSE->value() * 1000);
  timer_->SetEnabled(true);
  state_.autoPlaying = true;
  autoEndBtn->show();
  autoBtn->hide();
}

void TMoyoscope::TimerTimer() {
  if (!state_.autoPlaying) {
    timer_->SetEnabled(false);
    return;
  }
  state_.soundOn = true;
  if (!board_->Forward()) autoEndBtnClick();
  refreshComment();
}

void TMoyoscope::autoEndBtnClick() {
  if (state_.mode != ViewerMode::Viewing) return;
  timer_->SetEnabled(false);
  state_.autoPlaying = false;
  autoEndBtn->hide();
  autoBtn->show();
}

void TMoyoscope::secondSEChange() {
  if (!autoEndBtn->isHidden()) timer_->SetInterval(secondSE->value() * 1000);
}

// ---- Commentary ----

bool TMoyoscope::CommentaryHidden() const {
  return SummaryOnly(record_->info, level_);
}

int TMoyoscope::CommentaryMove() const {
  return state_.mode == ViewerMode::Trial ? TrialStartMove() : board_->MoveCount();
}

void TMoyoscope::refreshComment() {
  if (CommentaryHidden()) return;
  const int move = CommentaryMove();
  commentM->Clear();
  noteMessage_->AddLink("", false);
  const int count = std::clamp(record_->commentCount, 0, kMaxCommentEntries);
  int references = 0;
  for (int i = 0; i < count; ++i) {
    const TCommentEntry& entry = record_->comments[static_cast<std::size_t>(i)];
    if (entry.moveNo != move) continue;
    if (entry.kind == kCommentText) {
      noteMessage_->AddText(entry.text, true);
    } else {
      ++references;
      noteMessage_->AddLink(
          Message(28) + " " + std::to_string(move) + "-" + std::to_string(references), true);
    }
  }
}

void TMoyoscope::commentMContext(int start, int stop) {
  const std::string memo = commentM->Text();
  if (start < 0 || stop < start + 6 || static_cast<std::size_t>(stop) > memo.size()) return;
  const std::string text =
      memo.substr(static_cast<std::size_t>(start) + 3, static_cast<std::size_t>(stop - start - 6));
  const std::string& caption = Message(28);
  if (text.size() < 8 || text.compare(0, caption.size(), caption) != 0 || text[6] != ' ') return;
  for (std::size_t i = 7; i < text.size(); ++i) {
    if (!(text[i] >= '0' && text[i] <= '9') && text[i] != '-') return;
  }
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos || dash <= 7) return;
  // The number after the first dash; another dash in it makes it no number.
  const int wanted = DecimalOr(text.substr(dash + 1), 0);
  if (wanted <= 0) return;
  const int move = CommentaryMove();
  const int count = std::clamp(record_->commentCount, 0, kMaxCommentEntries);
  int seen = 0;
  for (int i = 0; i < count; ++i) {
    const TCommentEntry& entry = record_->comments[static_cast<std::size_t>(i)];
    if (entry.moveNo == move && entry.kind == kReferenceDiagram && ++seen == wanted) {
      openReference(entry.text);
      return;
    }
  }
}

void TMoyoscope::openReference(const std::string& text) {
  if (!referenceWindow_) {
    if (!services_.makeReferenceWindow) return;
    referenceWindow_ = services_.makeReferenceWindow(this);
    if (!referenceWindow_) return;
  }
  auto snapshot = std::make_unique<TBoardSnapshot>();
  board_->SavePosition(*snapshot);
  referenceWindow_->ShowPosition(19, *snapshot, painter_->Flipped(), false);
  referenceWindow_->ShowWindow();
  referenceWindow_->LoadDiagram(text);
}

// ---- News ----

void TMoyoscope::SetNews(const std::string& address) {
  if (address.empty()) return;
  if (!newsView_) {
    newsView_ = services_.makeNewsView(NewsP);
    if (!newsView_) return;
    WebNews = newsView_->Widget();
    WebNews->setGeometry(10, 22, 238, 142);
    WebNews->show();
  }
  newsView_->Navigate(address);
  newsBtn->SetGlyph(Picture("newsdown"));
  NewsP->resize(NewsP->width(), kNewsOpen);
  Panel1->Relayout();
  commentPResize();
}

void TMoyoscope::newsBtnClick() {
  if (newsBtn->tag == 0) {
    newsBtn->SetGlyph(Picture("newsup"));
    newsBtn->tag = 1;
    NewsP->resize(NewsP->width(), kNewsFolded);
  } else if (newsBtn->tag == 1) {
    newsBtn->SetGlyph(Picture("newsdown"));
    newsBtn->tag = 0;
    NewsP->resize(NewsP->width(), kNewsOpen);
  } else {
    return;
  }
  Panel1->Relayout();
  commentPResize();
}

// ---- Loading ----

void TMoyoscope::HideGuessingControls() {
  for (QWidget* control : std::initializer_list<QWidget*>{Bevel3, Label2, BWBtn, BBtn, WBtn,
                                                          HintBtn, giboBtn, Bevel4}) {
    control->hide();
  }
  movesP->resize(movesP->width(), 38);
  rightP->Relayout();
}

void TMoyoscope::ShowNotice(const std::string& text) {
  showNotice(text);
}

class TMoyoscope::FormRecordView : public TRecordView {
 public:
  explicit FormRecordView(TMoyoscope& form) : form_(form) {}

  void SetHandicapByte(std::uint8_t handicap) override { form_.handicapByte_ = handicap; }
  void BoardCleared() override {
    // A new game raises no point events: wipe the old position from the screen
    // before the handicap stones report themselves, and zero the prisoner counts.
    // A record of another board size gets its own lines and cell size first.
    form_.painter_->SetLines(form_.board_->Size());
    form_.pBaseResize();
    form_.painter_->LoadBoard(form_.board_->Points());
    form_.OnMove(form_.board_->GetMoveInfo());
  }
  void SetEventName(const std::string& title) override { SetCaption(form_.eventNameL, title); }
  void SetInfoLine(int line, const std::string& text) override {
    if (line >= 1 && line <= static_cast<int>(form_.infoLines.size())) {
      SetCaption(form_.infoLines[static_cast<std::size_t>(line - 1)], text);
    }
  }
  void SetBlackPlayer(const std::string& name, const std::string& rank) override {
    SetCaption(form_.bPlayerL, name);
    SetCaption(form_.BGlvlL, rank);
  }
  void SetWhitePlayer(const std::string& name, const std::string& rank) override {
    SetCaption(form_.wPlayerL, name);
    SetCaption(form_.WGlvlL, rank);
  }
  void ClearMemo() override { form_.commentM->Clear(); }
  void SetLoading(bool loading) override { form_.state_.loading = loading; }
  void RefreshComment() override { form_.refreshComment(); }
  void AppendMemoLine(const std::string& text) override { form_.commentM->AddLine(text); }

 private:
  TMoyoscope& form_;
};

void TMoyoscope::ApplyRecord() {
  AbandonTrial();
  FormRecordView view(*this);
  moyo::ApplyRecord(*record_, level_, *board_, view);
}

}  // namespace moyo
