// The print button: the member check, then the options dialog and the printed diagrams.

#include "control/TMoyoscope.h"
#include "print/DiagramPrinter.h"
#include "print/TGamePInfo.h"
#include "print/qt/ViewerPrinting.h"

namespace moyo {

void TMoyoscope::printBtnClick() {
  moyo::printBtnClick(
      level_, [this](const std::string& text) { showNotice(text); },
      [this] { PrintFromViewer(this, *board_, MakePrintHeader(record_->info), handicapByte_); });
}

}  // namespace moyo
