#include "refdiagram/TCHelpForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtPaintBox.h"
#include "refdiagram/DiagramText.h"
#include "refdiagram/HelpPictures.h"
#include "refdiagram/THelpNavButton.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

const QColor kMemoAreaColour(177, 195, 219);
const QColor kToolsColour(190, 199, 204);
const QColor kMissingWood(214, 178, 118);

constexpr int kMemoAreaHeight = 73;
constexpr int kToolsWidth = 61;
constexpr int kButtonRowHeight = 21;
constexpr int kButtonTop = 3;
constexpr int kButtonHeight = 18;
constexpr int kButtonCount = 5;
constexpr int kTrialTag = 4;
constexpr int kLetterCount = 26;
constexpr int kFirstLetterCode = 600;
// Cells of more pixels than this are drawn one pixel smaller; the stone pictures
// stop at 59.
constexpr int kLargestCell = 60;
constexpr int kMinStoneCell = 10;
constexpr int kMaxStoneCell = 59;

QString ToQt(const std::string& cp949) {
  return QString::fromStdString(platform::Cp949ToUtf8(cp949));
}

QColor FromRgb(std::uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// "굴림체" with a character height of 12 pixels, Korean glyphs guaranteed.
QFont FormFont() {
  QFont font(
      platform::SubstituteFamily(platform::Utf8ToCp949("굴림체"), platform::Charset::Hangul));
  font.setPixelSize(12);
  return font;
}

kit::TDockPanel* NewPanel(kit::TDockPanel* parent, kit::Dock where, int extent) {
  auto* panel = new kit::TDockPanel(parent);
  panel->resize(extent, extent);
  parent->DockChild(panel, where);
  return panel;
}

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

// Deletes the widgets in panel, the widgets of docking panels among them first.
// A docking panel forgets a docked widget when it is destroyed, so the panel
// must still be whole at that moment, which it no longer is once its own
// destruction has begun.
void DeleteDockedFirst(QWidget* panel) {
  const auto children = panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) {
    if (dynamic_cast<kit::TDockPanel*>(child) != nullptr) DeleteDockedFirst(child);
    delete child;
  }
}

}  // namespace

TCHelpForm::TCHelpForm(QWidget* owner, platform::BitmapStore* bitmaps)
    : kit::TDockPanel(owner), bitmaps_(bitmaps), saved_(std::make_unique<TBoardSnapshot>()) {
  setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
  if (bitmaps_ == nullptr) {
    ownBitmaps_ = std::make_unique<platform::QtBitmapStore>();
    bitmaps_ = ownBitmaps_.get();
  }
  setFont(FormFont());
  setWindowTitle(ToQt(Message(28)));
  resize(kClientWidth, kClientHeight);
  BuildPanels();
  FormCreate();
}

TCHelpForm::~TCHelpForm() {
  // The board reports to the painter, which draws on HelpPB; both go before the widgets.
  board_->OnStonePlaced = nullptr;
  board_->OnPointChanged = nullptr;
  painter_.reset();
  DeleteDockedFirst(this);
}

// ---- Building ----

void TCHelpForm::BuildPanels() {
  pLBase = new kit::TDockPanel(this);
  DockChild(pLBase, kit::Dock::Client);

  pHBase = NewPanel(pLBase, kit::Dock::Bottom, kMemoAreaHeight);
  pHBase->SetBevel(kit::BevelKind::Lowered, 1);
  pHBase->SetColour(kMemoAreaColour);
  pMBase = NewPanel(pHBase, kit::Dock::Right, kToolsWidth);
  pMBase->SetColour(kToolsColour);
  BuildTrialTools();
  Memo = new QPlainTextEdit(pHBase);
  Memo->setReadOnly(true);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setFrameShape(QFrame::NoFrame);
  pHBase->DockChild(Memo, kit::Dock::Client);

  pSBase = NewPanel(pLBase, kit::Dock::Client, 0);
  Panel1 = NewPanel(pSBase, kit::Dock::Client, 0);
  Panel1->SetBevel(kit::BevelKind::Lowered, 1);
  pCBase = NewPanel(Panel1, kit::Dock::Bottom, kButtonRowHeight);
  pBBase = NewPanel(Panel1, kit::Dock::Client, 0);
  SetAreaColour(kBoardAreaColour);
  HelpPB = new platform::QtPaintBox(pBBase);
  pBBase->OnResize = [this] { pBBaseResize(); };
  pCBase->OnResize = [this] { pCBaseResize(); };
}

void TCHelpForm::BuildTrialTools() {
  PassBtn = new QPushButton(ToQt(Message(65)), pMBase);
  PassBtn->setGeometry(8, 5, 44, 20);
  PassBtn->setFocusPolicy(Qt::NoFocus);
  connect(PassBtn, &QPushButton::clicked, this, [this] { PassBtnClick(); });

  cbMark = new QCheckBox(ToQt(Message(66)), pMBase);
  cbMark->setGeometry(9, 28, kToolsWidth - 9, 17);

  cbMarkC = new QComboBox(pMBase);
  cbMarkC->setGeometry(8, 46, 44, 20);
  for (int i = 0; i < kLetterCount; ++i) cbMarkC->addItem(QString(" ") + QChar('A' + i));
}

void TCHelpForm::FormCreate() {
  lines_ = 19;
  for (int i = 0; i < kButtonCount; ++i) {
    auto* button = new THelpNavButton(pCBase);
    button->tag = i;
    button->resize(button->width(), kButtonHeight);
    if (i < kTrialTag) {
      button->SetPicture(HelpPicture("img5" + std::to_string(i + 1)));
    } else {
      button->setText(ToQt(Message(64)));
    }
    connect(button, &QPushButton::clicked, this, [this, i] { navButtonClick(i); });
    Buttons[static_cast<std::size_t>(i)] = button;
  }
  pCBaseResize();

  painter_ = std::make_unique<TZelGoPB>(*HelpPB, BoardPicture("baseb"), BoardPicture("bedge"));
  painter_->OnPointClick = [this](TZelGoPB&, platform::MouseButton button, unsigned, int x, int y) {
    HelpPBPointClick(button, x, y);
  };
  painter_->SetMargin(0);
  painter_->SetBoardPixels(100);
  pBBaseResize();

  auto start = std::make_unique<TBoardSnapshot>();
  InitPosition(19, *start);
  ClearNumbering(numbering_);
  board_ = std::make_unique<TGoBoard>(numbering_, *start);
  ConnectBoard();
}

void TCHelpForm::ConnectBoard() {
  const auto forward = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    if (draw_) painter_->DrawPoint(colour, x, y, number);
  };
  board_->OnStonePlaced = forward;
  board_->OnPointChanged = forward;
}

const platform::Bitmap& TCHelpForm::BoardPicture(const std::string& name) {
  if (const platform::Bitmap* picture = bitmaps_->Find(name)) return *picture;
  // Without the artwork the board is plain wood, so the window still works.
  if (!missingPicture_) {
    QImage wood(65, 243, QImage::Format_RGB32);
    wood.fill(kMissingWood);
    missingPicture_ = std::make_unique<platform::QtBitmap>(wood);
  }
  return *missingPicture_;
}

// ---- Showing ----

void TCHelpForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  kit::TDockPanel::showEvent(event);
}

void TCHelpForm::FormShow() {
  pMBase->hide();
  cbMarkC->setCurrentIndex(0);
  setWindowTitle(ToQt(Message(44) + " " + Message(28)));
  PassBtn->setText(ToQt(Message(65)));
  cbMark->setText(ToQt(Message(66)));
  cbMark->setChecked(false);
}

void TCHelpForm::ShowWindow() {
  if (isHidden()) {
    if (const QWidget* owner = parentWidget()) {
      const QRect area = owner->window()->frameGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    return;
  }
  raise();
  activateWindow();
}

void TCHelpForm::ShowPosition(int lines, const TBoardSnapshot& position, bool flipped, bool draw) {
  SetAreaColour(kBoardAreaColour);
  painter_->SetEdgeBitmap(BoardPicture("bedge"));
  Buttons[kTrialTag]->setText(ToQt(Message(64)));
  pHBase->show();
  pMBase->hide();
  draw_ = draw;
  // The cell size is divided by the line count.
  lines_ = std::clamp(lines, 1, 19);
  flipped_ = flipped;
  trialOn_ = false;
  *saved_ = position;
  Memo->clear();
  board_->LoadPosition(position, true, true);
  if (painter_->Flipped() != flipped_) painter_->ToggleFlip();
  if (draw_) painter_->LoadBoard(position.Points);
  board_->SetNumbering(numbering_);
  pBBaseResize();
}

void TCHelpForm::LoadDiagram(const std::string& text) {
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
  SetComment(diagram.Comment);
  if (!diagram.LabelsValid) return;
  for (const TDiagramLabel& label : diagram.Labels) {
    painter_->DrawMark(label.X, label.Y, label.Code, true);
  }
}

void TCHelpForm::ToggleTrial() {
  if (!trialOn_) {
    SetAreaColour(kTrialAreaColour);
    painter_->SetEdgeBitmap(BoardPicture("gedge"));
    trialOn_ = true;
    // The user's first move shows 1.
    numbering_ = {0, board_->MoveCount(), true};
    board_->SetNumbering(numbering_);
    pMBase->show();
    Buttons[kTrialTag]->setText(ToQt(Message(63)));
    return;
  }
  trialOn_ = false;
  SetAreaColour(kBoardAreaColour);
  painter_->SetEdgeBitmap(BoardPicture("bedge"));
  Buttons[kTrialTag]->setText(ToQt(Message(64)));
  pMBase->hide();
  board_->LoadPosition(*saved_, true, true);
  const std::string text = diagramText_;
  LoadDiagram(text);
}

// ---- Handlers ----

void TCHelpForm::navButtonClick(int tag) {
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

void TCHelpForm::StepBack(int times) {
  for (int i = 0; i < times; ++i) {
    if (board_->MoveCount() >= first_) board_->Back();
  }
}

void TCHelpForm::StepForward(int times) {
  for (int i = 0; i < times; ++i) board_->Forward();
}

void TCHelpForm::PassBtnClick() {
  board_->Pass();
}

void TCHelpForm::HelpPBPointClick(platform::MouseButton button, int x, int y) {
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
  if (cbMark->isChecked()) {
    const int letter = std::max(cbMarkC->currentIndex(), 0);
    painter_->DrawMark(x, y, kFirstLetterCode + letter, true);
    cbMarkC->setCurrentIndex((letter + 1) % kLetterCount);
    return;
  }
  if (left) {
    board_->PlayMove(x, y, true);
  } else {
    board_->Back();
  }
}

// ---- Layout ----

void TCHelpForm::pBBaseResize() {
  if (!painter_) return;
  const int width = pBBase->width();
  const int height = pBBase->height();
  const int margin = painter_->Margin();
  int cell = std::min((width - margin) / lines_, (height - margin) / lines_);
  if (cell > kLargestCell) cell = kMaxStoneCell;
  const int size = cell * lines_;
  HelpPB->move((width - margin - size) / 2, (height - size - margin) / 2);
  if (cell == painter_->CellSize()) return;
  if (cell >= kMinStoneCell && cell <= kMaxStoneCell) {
    const std::string n = std::to_string(cell);
    painter_->SetStoneBitmaps(bitmaps_->Find("bs" + n), bitmaps_->Find("ws" + n),
                              bitmaps_->Find("bm" + n), bitmaps_->Find("wm" + n));
  }
  painter_->SetBoardSize(size);
}

void TCHelpForm::pCBaseResize() {
  const int row = pCBase->width();
  const int width = std::max(row / kButtonCount - 1, 0);
  const int gap = (row - kButtonCount * width) / (kButtonCount - 1);
  const int left = (row - (kButtonCount * width + (kButtonCount - 1) * gap)) / 2;
  for (int i = 0; i < kButtonCount; ++i) {
    if (Buttons[static_cast<std::size_t>(i)] == nullptr) continue;
    Buttons[static_cast<std::size_t>(i)]->setGeometry(left + i * (width + gap), kButtonTop, width,
                                                      kButtonHeight);
  }
}

// ---- Pieces ----

void TCHelpForm::SetAreaColour(std::uint32_t rgb) {
  pBBase->SetColour(FromRgb(rgb));
  pCBase->SetColour(FromRgb(rgb));
}

void TCHelpForm::SetCaption(int moveNumber) {
  setWindowTitle(ToQt(std::to_string(moveNumber) + Message(44) + " " + Message(28)));
}

void TCHelpForm::SetComment(const std::string& cp949) {
  Memo->clear();
  Memo->setPlainText(ToQt(WithLineFeeds(cp949)));
}

std::string TCHelpForm::MemoText() const {
  return platform::Utf8ToCp949(Memo->toPlainText().toStdString());
}

}  // namespace moyo
