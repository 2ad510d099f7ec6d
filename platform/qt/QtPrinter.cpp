#include "platform/qt/QtPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "platform/qt/QtText.h"

namespace moyo::platform {

QtPrinter::QtPrinter(int dpi) : printer_(QPrinter::HighResolution) {
  printer_.setResolution(dpi);
  printer_.setPageSize(QPageSize(QPageSize::A4));
}

QtPrinter::~QtPrinter() {
  EndJob();
}

std::unique_ptr<QtPrinter> QtPrinter::ToPdf(const std::string& pdfPath, int dpi) {
  std::unique_ptr<QtPrinter> printer(new QtPrinter(dpi));
  printer->printer_.setOutputFormat(QPrinter::PdfFormat);
  printer->printer_.setOutputFileName(QString::fromStdString(pdfPath));
  // The page's own margins are the print options'; the sheet is all printable.
  printer->printer_.setFullPage(true);
  return printer;
}

std::unique_ptr<QtPrinter> QtPrinter::SystemOrPdf(const std::string& fallbackPdfPath, int dpi) {
  const QPrinterInfo system = QPrinterInfo::defaultPrinter();
  if (system.isNull()) return ToPdf(fallbackPdfPath, dpi);
  std::unique_ptr<QtPrinter> printer(new QtPrinter(dpi));
  printer->printer_.setPrinterName(system.printerName());
  printer->printer_.setOutputFormat(QPrinter::NativeFormat);
  return printer;
}

bool QtPrinter::PrintsToPdf() const {
  return printer_.outputFormat() == QPrinter::PdfFormat;
}

int QtPrinter::PageWidth() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int QtPrinter::PageHeight() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

int QtPrinter::DotsPerInch() const {
  return printer_.resolution();
}

bool QtPrinter::BeginJob(const std::string& title) {
  if (jobRunning_) return false;
  printer_.setDocName(ToQt(title));
  jobRunning_ = true;
  return true;
}

Canvas* QtPrinter::PageCanvas() {
  if (!jobRunning_) return nullptr;
  // The document is opened with its first page, so a job without pages writes nothing.
  if (!canvas_) {
    if (!painter_.begin(&printer_)) return nullptr;
    canvas_ = std::make_unique<QtCanvas>(painter_);
  }
  return canvas_.get();
}

bool QtPrinter::NewPage() {
  return PageCanvas() != nullptr && printer_.newPage();
}

bool QtPrinter::EndJob() {
  if (!jobRunning_) return false;
  jobRunning_ = false;
  if (!canvas_) return true;
  canvas_.reset();
  return painter_.end();
}

}  // namespace moyo::platform
