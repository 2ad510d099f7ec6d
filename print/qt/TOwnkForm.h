#pragma once
// The print options dialog: the printer's page size, the margins and grid
// size, and how the record is printed (whole game, a range, or partial
// diagrams so many to a page). Wrong entries are corrected when a field is
// left; OK stores the options, Cancel stores nothing.

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "kit/TGradientButton.h"
#include "platform/Printer.h"
#include "print/DiagramPrinter.h"
#include "print/FieldCorrections.h"
#include "print/TGamePInfo.h"
#include "print/TZelStatus.h"

namespace moyo {

class TOwnkForm : public QDialog {
 public:
  // Modal results.
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;

  // A dialog over owner for printing on printer, with the options of status.
  TOwnkForm(QWidget* owner, TZelStatus& status, platform::Printer& printer);

  // Keeps the move count, stores the print header and fills the range fields.
  void SetupFromRecord(int moveCount, const TGamePInfo& header);
  // Shows the dialog modally, the application's other windows disabled
  // meanwhile; kResultOk or kResultCancel.
  int Execute();
  // What printing reads from the fields after OK.
  TPrintRequest Request() const;

  // Handlers, named after their components and events.
  void FormShow();
  void EditExit();
  void edSPosExit();
  void edEPosExit();
  void edDNumExit();
  void rbRangeClick();
  void rbSplitClick();
  void OkBtnClick();
  void CCBtnClick();

  QGroupBox* gbPrint;
  QLabel *Label3, *Label4, *Label1, *Label2, *Label6;
  QLineEdit *edHeight, *edWidth, *edTMar, *edLMar, *edGrid;
  QGroupBox* gbState;
  QRadioButton *rbTotal, *rbRange, *rbSplit;
  QLabel* Range;
  QLineEdit *edSPos, *edEPos, *edDNum;
  QFrame* Bevel1;
  QLabel *Label9, *Label7, *Label8;
  QComboBox* cbNDiv;
  kit::TGradientButton *OkBtn, *CCBtn;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TOptionFields Fields() const;
  void ShowFields(const TOptionFields& fields);

  TZelStatus& status_;
  platform::Printer& printer_;
  int moveCount_ = 0;
};

// The print button's work once the level allows it: the options dialog over
// owner, then, after OK, the record printed. Returns whether a print ran and succeeded.
bool PrintRecordWithDialog(QWidget* owner, const TPrintLine& line, const TGamePInfo& header,
                           TZelStatus& status, platform::Printer& printer);

}  // namespace moyo
