#pragma once
// Printing through QPrinter: the default CUPS printer, or a PDF file.

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

#include "platform/Printer.h"
#include "platform/qt/QtCanvas.h"

namespace moyo::platform {

class QtPrinter final : public Printer {
 public:
  // A PDF file at pdfPath (UTF-8), A4 at dpi, the whole sheet printable.
  static std::unique_ptr<QtPrinter> ToPdf(const std::string& pdfPath, int dpi = 600);
  // The system's default printer at dpi where one is configured, else a PDF
  // file at fallbackPdfPath.
  static std::unique_ptr<QtPrinter> SystemOrPdf(const std::string& fallbackPdfPath, int dpi = 600);
  ~QtPrinter() override;

  int PageWidth() const override;
  int PageHeight() const override;
  int DotsPerInch() const override;
  bool BeginJob(const std::string& title) override;
  bool NewPage() override;
  bool EndJob() override;
  Canvas* PageCanvas() override;

  // Whether pages go to a PDF file rather than a printer.
  bool PrintsToPdf() const;

 private:
  explicit QtPrinter(int dpi);

  QPrinter printer_;
  QPainter painter_;
  bool jobRunning_ = false;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace moyo::platform
