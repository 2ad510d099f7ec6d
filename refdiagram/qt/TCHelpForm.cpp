#include "refdiagram/qt/TCHelpForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtPaintBox.h"
#include "platform/qt/QtText.h"
#include "refdiagram/qt/HelpPictures.h"
#include "refdiagram/qt/THelpNavButton.h"
#include "resources/MessageIds.h"
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
constexpr int kTrialTag = TDiagramSession::kStepButtonCount - 1;

using platform::ToQt;

kit::TDockPanel* NewPanel(kit::TDockPanel* parent, kit::Dock where, int extent) {
  auto* panel = new kit::TDockPanel(parent);
  panel->resize(extent, extent);
  parent->DockChild(panel, where);
  return panel;
}

// Plain wood, for a board picture the bitmaps lack, so the window still works.
std::unique_ptr<platform::QtBitmap> MissingPicture() {
  QImage wood(65, 243, QImage::Format_RGB32);
  wood.fill(kMissingWood);
  return std::make_unique<platform::QtBitmap>(wood);
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
    : kit::TDockPanel(owner), missingPicture_(MissingPicture()) {
  setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
  if (bitmaps == nullptr) {
    ownBitmaps_ = std::make_unique<platform::QtBitmapStore>();
    bitmaps = ownBitmaps_.get();
  }
  setFont(platform::FormFont("굴림체", 12));
  setWindowTitle(ToQt(Message(msg::kReference)));
  resize(kClientWidth, kClientHeight);
  BuildPanels();
  TDiagramView& view = *this;
  session_ = std::make_unique<TDiagramSession>(view, *ui_.HelpPB, *bitmaps, *missingPicture_);
  BuildStepButtons();
  SetAreaColour(TDiagramSession::kBoardAreaColour);
  pCBaseResize();
  pBBaseResize();
}

TCHelpForm::~TCHelpForm() {
  // The session's painter draws on HelpPB; it goes before the widgets.
  session_.reset();
  DeleteDockedFirst(this);
}

// ---- Building ----

void TCHelpForm::BuildPanels() {
  ui_.pLBase = new kit::TDockPanel(this);
  DockChild(ui_.pLBase, kit::Dock::Client);

  ui_.pHBase = NewPanel(ui_.pLBase, kit::Dock::Bottom, kMemoAreaHeight);
  ui_.pHBase->SetBevel(kit::BevelKind::Lowered, 1);
  ui_.pHBase->SetColour(kMemoAreaColour);
  ui_.pMBase = NewPanel(ui_.pHBase, kit::Dock::Right, kToolsWidth);
  ui_.pMBase->SetColour(kToolsColour);
  BuildTrialTools();
  ui_.Memo = new QPlainTextEdit(ui_.pHBase);
  ui_.Memo->setReadOnly(true);
  ui_.Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ui_.Memo->setFrameShape(QFrame::NoFrame);
  ui_.pHBase->DockChild(ui_.Memo, kit::Dock::Client);

  ui_.pSBase = NewPanel(ui_.pLBase, kit::Dock::Client, 0);
  ui_.Panel1 = NewPanel(ui_.pSBase, kit::Dock::Client, 0);
  ui_.Panel1->SetBevel(kit::BevelKind::Lowered, 1);
  ui_.pCBase = NewPanel(ui_.Panel1, kit::Dock::Bottom, kButtonRowHeight);
  ui_.pBBase = NewPanel(ui_.Panel1, kit::Dock::Client, 0);
  ui_.HelpPB = new platform::QtPaintBox(ui_.pBBase);
  ui_.pBBase->OnResize = [this] { pBBaseResize(); };
  ui_.pCBase->OnResize = [this] { pCBaseResize(); };
}

void TCHelpForm::BuildTrialTools() {
  ui_.PassBtn = new QPushButton(ToQt(Message(msg::kTenuki)), ui_.pMBase);
  ui_.PassBtn->setGeometry(8, 5, 44, 20);
  ui_.PassBtn->setFocusPolicy(Qt::NoFocus);
  connect(ui_.PassBtn, &QPushButton::clicked, this, [this] { session_->PassBtnClick(); });

  ui_.cbMark = new QCheckBox(ToQt(Message(msg::kMark)), ui_.pMBase);
  ui_.cbMark->setGeometry(9, 28, kToolsWidth - 9, 17);
  connect(ui_.cbMark, &QCheckBox::toggled, this,
          [this](bool checked) { session_->cbMarkClick(checked); });

  ui_.cbMarkC = new QComboBox(ui_.pMBase);
  ui_.cbMarkC->setGeometry(8, 46, 44, 20);
  for (int i = 0; i < TDiagramSession::kLetterCount; ++i) {
    ui_.cbMarkC->addItem(QString(" ") + QChar('A' + i));
  }
  connect(ui_.cbMarkC, &QComboBox::currentIndexChanged, this,
          [this](int index) { session_->cbMarkCChange(index); });
}

void TCHelpForm::BuildStepButtons() {
  for (int i = 0; i < TDiagramSession::kStepButtonCount; ++i) {
    auto* button = new THelpNavButton(ui_.pCBase);
    button->tag = i;
    button->resize(button->width(), kButtonHeight);
    if (i < kTrialTag) {
      button->SetPicture(HelpPicture("img5" + std::to_string(i + 1)));
    } else {
      button->setText(ToQt(Message(msg::kReview)));
    }
    connect(button, &QPushButton::clicked, this, [this, i] { session_->navButtonClick(i); });
    ui_.Buttons[static_cast<std::size_t>(i)] = button;
  }
}

// ---- Showing ----

void TCHelpForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) session_->FormShow();
  kit::TDockPanel::showEvent(event);
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

void TCHelpForm::ShowPosition(int /*lines*/, const TBoardSnapshot& position, bool flipped,
                              bool draw) {
  session_->ShowPosition(position, flipped, draw);
}

void TCHelpForm::LoadDiagram(const std::string& text) {
  session_->LoadDiagram(text);
}

// ---- Layout ----

void TCHelpForm::pBBaseResize() {
  if (session_) session_->pBBaseResize(ui_.pBBase->width(), ui_.pBBase->height());
}

void TCHelpForm::pCBaseResize() {
  if (session_) session_->pCBaseResize(ui_.pCBase->width());
}

// ---- What the session reports ----

void TCHelpForm::SetAreaColour(platform::Rgb colour) {
  const QColor area(colour.r, colour.g, colour.b);
  ui_.pBBase->SetColour(area);
  ui_.pCBase->SetColour(area);
}

void TCHelpForm::SetCaption(const std::string& caption) {
  setWindowTitle(ToQt(caption));
}

void TCHelpForm::SetMemo(const std::string& text) {
  ui_.Memo->setPlainText(ToQt(text));
}

void TCHelpForm::SetTrialCaption(const std::string& caption) {
  ui_.Buttons[kTrialTag]->setText(ToQt(caption));
}

void TCHelpForm::ShowTrialTools(bool shown) {
  ui_.pMBase->setVisible(shown);
}

void TCHelpForm::ShowMarking(bool on) {
  ui_.cbMark->setChecked(on);
}

void TCHelpForm::ShowLetter(int index) {
  ui_.cbMarkC->setCurrentIndex(index);
}

void TCHelpForm::PlaceBoard(int left, int top) {
  ui_.HelpPB->move(left, top);
}

void TCHelpForm::PlaceStepButton(int tag, int left, int width) {
  ui_.Buttons[static_cast<std::size_t>(tag)]->setGeometry(left, kButtonTop, width, kButtonHeight);
}

}  // namespace moyo
