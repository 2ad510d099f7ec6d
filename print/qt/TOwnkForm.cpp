#include "print/qt/TOwnkForm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <initializer_list>

#include "platform/qt/QtFonts.h"
#include "platform/qt/QtModalGuard.h"
#include "platform/qt/QtText.h"
#include "print/IntText.h"
#include "print/LayoutPrinter.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

QString Text(int message) {
  return platform::ToQt(Message(message));
}

// A gradient button that turns grey with white text while it has the focus.
class TFocusButton : public kit::TGradientButton {
 public:
  explicit TFocusButton(QWidget* parent) : TGradientButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    ShowActive(false);
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    ShowActive(true);
    TGradientButton::focusInEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    ShowActive(false);
    TGradientButton::focusOutEvent(event);
  }

 private:
  void ShowActive(bool active) {
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, active ? Qt::white : Qt::black);
    setPalette(colours);
    if (active) {
      SetGradient(QColor(160, 160, 160), QColor(112, 112, 112));
    } else {
      SetGradient(QColor(236, 236, 236), QColor(192, 192, 192));
    }
  }
};

// Leaves all three method buttons unchecked, which auto-exclusive buttons refuse otherwise.
void UncheckAll(std::initializer_list<QRadioButton*> buttons) {
  for (QRadioButton* button : buttons) button->setAutoExclusive(false);
  for (QRadioButton* button : buttons) button->setChecked(false);
  for (QRadioButton* button : buttons) button->setAutoExclusive(true);
}

template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width = 0, int height = 0) {
  if (width > 0) {
    widget->setGeometry(left, top, width, height);
  } else {
    widget->move(left, top);
  }
  return widget;
}

}  // namespace

TOwnkForm::TOwnkForm(QWidget* owner, TZelStatus& status, platform::Printer& printer)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      status_(status),
      printer_(printer) {
  setFixedSize(379, 189);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(229, 229, 229));  // 15066597
  setPalette(colours);
  setAutoFillBackground(true);
  platform::FontSpec font;
  font.face = kPrintFontName;
  font.pixelHeight = 12;
  font.charset = platform::Charset::Hangul;
  setFont(platform::MakeQtFont(font, 96));

  gbPrint = Place(new QGroupBox(this), 9, 10, 130, 133);
  Label3 = Place(new QLabel(gbPrint), 12, 22);
  edHeight = Place(new QLineEdit(gbPrint), 73, 18, 43, 20);
  Label4 = Place(new QLabel(gbPrint), 12, 42);
  edWidth = Place(new QLineEdit(gbPrint), 73, 38, 43, 20);
  Label1 = Place(new QLabel(gbPrint), 12, 62);
  edTMar = Place(new QLineEdit(gbPrint), 73, 58, 43, 20);
  Label2 = Place(new QLabel(gbPrint), 12, 82);
  edLMar = Place(new QLineEdit(gbPrint), 73, 78, 43, 20);
  Label6 = Place(new QLabel(gbPrint), 12, 102);
  edGrid = Place(new QLineEdit(gbPrint), 73, 98, 43, 20);

  gbState = Place(new QGroupBox(this), 148, 10, 220, 133);
  rbTotal = Place(new QRadioButton(gbState), 11, 20, 115, 17);
  Range = Place(new QLabel(gbState), 140, 22);
  QPalette blue = Range->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Range->setPalette(blue);
  rbRange = Place(new QRadioButton(gbState), 11, 50, 115, 17);
  edSPos = Place(new QLineEdit(gbState), 131, 48, 30, 20);
  Bevel1 = Place(new QFrame(gbState), 165, 57, 7, 2);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  edEPos = Place(new QLineEdit(gbState), 176, 48, 30, 20);
  rbSplit = Place(new QRadioButton(gbState), 11, 81, 56, 17);
  edDNum = Place(new QLineEdit(gbState), 70, 79, 30, 20);
  edDNum->setText("50");
  Label9 = Place(new QLabel(gbState), 106, 83);
  Label7 = Place(new QLabel(gbState), 29, 104);
  cbNDiv = Place(new QComboBox(gbState), 101, 100, 41, 20);
  cbNDiv->addItems({"1", "2", "4"});
  Label8 = Place(new QLabel(gbState), 148, 104);
  for (QWidget* field : {static_cast<QWidget*>(edSPos), static_cast<QWidget*>(edEPos),
                         static_cast<QWidget*>(edDNum), static_cast<QWidget*>(cbNDiv)}) {
    field->setEnabled(false);
  }

  OkBtn = Place(new TFocusButton(this), 224, 155, 70, 24);
  CCBtn = Place(new TFocusButton(this), 298, 155, 70, 24);

  for (QLineEdit* edit : {edTMar, edLMar, edGrid, edSPos, edEPos, edDNum}) {
    edit->installEventFilter(this);
  }
  connect(rbTotal, &QRadioButton::clicked, this, [this] { rbRangeClick(); });
  connect(rbRange, &QRadioButton::clicked, this, [this] { rbRangeClick(); });
  connect(rbSplit, &QRadioButton::clicked, this, [this] { rbSplitClick(); });
  OkBtn->OnClick = [this] { OkBtnClick(); };
  CCBtn->OnClick = [this] { CCBtnClick(); };
}

bool TOwnkForm::eventFilter(QObject* watched, QEvent* event) {
  // A field is checked whenever the focus leaves it, changed or not.
  if (event->type() == QEvent::FocusOut) {
    if (watched == edTMar || watched == edLMar || watched == edGrid) EditExit();
    if (watched == edSPos) edSPosExit();
    if (watched == edEPos) edEPosExit();
    if (watched == edDNum) edDNumExit();
  }
  return QDialog::eventFilter(watched, event);
}

void TOwnkForm::SetupFromRecord(int moveCount, const TGamePInfo& header) {
  moveCount_ = moveCount;
  PrintHeader() = header;
  edSPos->setText(moveCount < 1 ? "0" : "1");
  edEPos->setText(moveCount < 1 ? "0" : QString::number(moveCount));
  Range->setText(Text(62) + QString(" %1 ").arg(moveCount) + Text(44));
  Range->adjustSize();
}

void TOwnkForm::FormShow() {
  setWindowTitle(Text(46));
  gbPrint->setTitle(Text(47));
  const std::pair<QLabel*, int> labels[] = {{Label3, 48}, {Label4, 49}, {Label1, 50}, {Label2, 51},
                                            {Label6, 52}, {Label9, 57}, {Label7, 58}, {Label8, 59}};
  for (const auto& [label, message] : labels) {
    label->setText(Text(message));
    label->adjustSize();
  }
  gbState->setTitle(Text(53));
  rbTotal->setText(Text(54));
  rbRange->setText(Text(55));
  rbSplit->setText(Text(56));
  OkBtn->setText(Text(60));
  CCBtn->setText(Text(61));

  // Page sizes in the 600-dpi dots of the stored margins and grid, whatever the printer's.
  const platform::Size page = LayoutPageSize(printer_);
  TOptionFields fields = FieldsFromOptions(status_.Options(), moveCount_, page.width, page.height);
  // The range fields keep what the record's setup put there.
  fields.start = edSPos->text().toStdString();
  fields.end = edEPos->text().toStdString();
  ShowFields(fields);

  UncheckAll({rbTotal, rbRange, rbSplit});
  switch (status_.Options().method) {
    case kPrintWholeGame:
      rbTotal->setChecked(true);
      rbRangeClick();
      break;
    case kPrintRange:
      rbRange->setChecked(true);
      rbRangeClick();
      break;
    case kPrintSplit:
      rbSplit->setChecked(true);
      rbSplitClick();
      break;
    default:
      break;  // no method: no choice is shown
  }
  OkBtn->setFocus();
}

TOptionFields TOwnkForm::Fields() const {
  TOptionFields fields;
  fields.page = {edTMar->text().toStdString(), edLMar->text().toStdString(),
                 edGrid->text().toStdString()};
  fields.pageWidth = edWidth->text().toStdString();
  fields.pageHeight = edHeight->text().toStdString();
  fields.start = edSPos->text().toStdString();
  fields.end = edEPos->text().toStdString();
  fields.movesPerDiagram = edDNum->text().toStdString();
  fields.perPageIndex = cbNDiv->currentIndex();
  fields.method = rbTotal->isChecked()   ? kPrintWholeGame
                  : rbRange->isChecked() ? kPrintRange
                  : rbSplit->isChecked() ? kPrintSplit
                                         : kPrintNoMethod;
  return fields;
}

void TOwnkForm::ShowFields(const TOptionFields& fields) {
  auto show = [](QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
  };
  show(edTMar, fields.page.topMargin);
  show(edLMar, fields.page.leftMargin);
  show(edGrid, fields.page.grid);
  show(edWidth, fields.pageWidth);
  show(edHeight, fields.pageHeight);
  show(edSPos, fields.start);
  show(edEPos, fields.end);
  show(edDNum, fields.movesPerDiagram);
  const bool listed = fields.perPageIndex >= 0 && fields.perPageIndex < cbNDiv->count();
  cbNDiv->setCurrentIndex(listed ? fields.perPageIndex : -1);
}

void TOwnkForm::EditExit() {
  TOptionFields fields = Fields();
  CheckPageFields(fields.page, fields.pageWidth);
  ShowFields(fields);
}

void TOwnkForm::edSPosExit() {
  TOptionFields fields = Fields();
  CorrectStartField(fields.start, fields.end, moveCount_);
  ShowFields(fields);
}

void TOwnkForm::edEPosExit() {
  TOptionFields fields = Fields();
  CorrectEndField(fields.end, fields.start, moveCount_);
  ShowFields(fields);
}

void TOwnkForm::edDNumExit() {
  TOptionFields fields = Fields();
  CorrectMovesPerDiagramField(fields.movesPerDiagram, moveCount_);
  ShowFields(fields);
}

void TOwnkForm::rbRangeClick() {
  edDNum->setEnabled(false);
  cbNDiv->setEnabled(false);
  rbSplit->setChecked(false);
  edSPos->setEnabled(rbRange->isChecked());
  edEPos->setEnabled(rbRange->isChecked());
}

void TOwnkForm::rbSplitClick() {
  rbTotal->setChecked(false);
  rbRange->setChecked(false);
  edSPos->setEnabled(false);
  edEPos->setEnabled(false);
  cbNDiv->setEnabled(true);
  edDNum->setEnabled(rbSplit->isChecked());
}

void TOwnkForm::OkBtnClick() {
  status_.Options() = OptionsFromFields(Fields());
  status_.TransferSection(kPrintOptionSection, kTransferWrite, false);
  done(kResultOk);
}

void TOwnkForm::CCBtnClick() {
  done(kResultCancel);
}

int TOwnkForm::Execute() {
  FormShow();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  const int result = platform::ExecModal(*this);
  return result == kResultOk ? kResultOk : kResultCancel;
}

TPrintRequest TOwnkForm::Request() const {
  return RequestFromFields(Fields());
}

bool PrintRecordWithDialog(QWidget* owner, const TPrintLine& line, const TGamePInfo& header,
                           TZelStatus& status, platform::Printer& printer) {
  TOwnkForm dialog(owner, status, printer);
  dialog.SetupFromRecord(line.moves.Count, header);
  if (dialog.Execute() != TOwnkForm::kResultOk) return false;
  return PrintRecord(printer, line, PrintHeader(), dialog.Request());
}

}  // namespace moyo
