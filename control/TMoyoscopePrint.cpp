// The print button: the member check, then the options dialog and the printed diagrams.

#include "control/TMoyoscope.h"
#include "print/DiagramPrinter.h"
#include "print/PrintSource.h"
#include "print/qt/ViewerPrinting.h"

namespace moyo {

void TMoyoscope::printBtnClick() {
  moyo::printBtnClick(
      Level(), [this](const std::string& text) { showNotice(text); },
      [this] { PrintFromViewer(this, ViewerPrintSource(Board(), Record().info, HandicapByte())); });
}

}  // namespace moyo
