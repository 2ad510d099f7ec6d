#pragma once
// A printer whose pages are images: each page is written as a PNG file, or
// handed to a callback (tests, export).

#include <QImage>
#include <functional>
#include <memory>
#include <string>

#include "platform/Printer.h"
#include "platform/qt/QtCanvas.h"

namespace moyo::platform {

class QtImagePrinter final : public Printer {
 public:
  // Pages of width x height dots at dpi. Each finished page is written to
  // pattern (UTF-8) with its first "%d" replaced by the page number from 1;
  // an empty pattern writes no files.
  QtImagePrinter(int width, int height, int dpi, std::string pattern);
  // An A4 sheet at dpi, the size Qt's PDF printer gives.
  static std::unique_ptr<QtImagePrinter> A4(int dpi, std::string pattern);
  ~QtImagePrinter() override;

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  int DotsPerInch() const override { return dpi_; }
  bool BeginJob(const std::string& title) override;
  bool NewPage() override;
  bool EndJob() override;
  Canvas* PageCanvas() override;

  // Called with each finished page and its number from 1.
  std::function<void(const QImage& page, int number)> OnPage;
  // The file name of page number under the pattern.
  std::string PageFileName(int number) const;
  // The title of the last job begun.
  const std::string& JobTitle() const { return title_; }
  // Pages finished in the last job.
  int PageCount() const { return pages_; }

 private:
  bool StartPage();
  bool FinishPage();

  int width_, height_, dpi_;
  std::string pattern_;
  std::string title_;
  int pages_ = 0;
  bool jobRunning_ = false;
  QImage page_;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace moyo::platform
