#include "platform/qt/QtImagePrinter.h"

#include <QPageSize>
#include <cmath>

namespace moyo::platform {

QtImagePrinter::QtImagePrinter(int width, int height, int dpi, std::string pattern)
    : width_(width), height_(height), dpi_(dpi), pattern_(std::move(pattern)) {}

std::unique_ptr<QtImagePrinter> QtImagePrinter::A4(int dpi, std::string pattern) {
  const QSize size = QPageSize(QPageSize::A4).sizePixels(dpi);
  return std::make_unique<QtImagePrinter>(size.width(), size.height(), dpi, std::move(pattern));
}

QtImagePrinter::~QtImagePrinter() {
  EndJob();
}

std::string QtImagePrinter::PageFileName(int number) const {
  std::string name = pattern_;
  const std::size_t mark = name.find("%d");
  if (mark != std::string::npos) name.replace(mark, 2, std::to_string(number));
  return name;
}

bool QtImagePrinter::StartPage() {
  page_ = QImage(width_, height_, QImage::Format_RGB32);
  if (page_.isNull()) return false;  // too large for memory
  page_.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
  page_.setDotsPerMeterX(dotsPerMeter);
  page_.setDotsPerMeterY(dotsPerMeter);
  canvas_ = std::make_unique<QtCanvas>(page_);
  return true;
}

bool QtImagePrinter::FinishPage() {
  canvas_.reset();  // ends the painter before the image is read
  ++pages_;
  bool saved = true;
  if (!pattern_.empty()) {
    saved = page_.save(QString::fromStdString(PageFileName(pages_)), "PNG");
  }
  if (OnPage) OnPage(page_, pages_);
  page_ = QImage();
  return saved;
}

bool QtImagePrinter::BeginJob(const std::string& title) {
  if (jobRunning_ || width_ <= 0 || height_ <= 0 || dpi_ <= 0) return false;
  title_ = title;
  pages_ = 0;
  jobRunning_ = true;
  return true;
}

Canvas* QtImagePrinter::PageCanvas() {
  if (!jobRunning_) return nullptr;
  if (!canvas_ && !StartPage()) return nullptr;
  return canvas_.get();
}

bool QtImagePrinter::NewPage() {
  return PageCanvas() != nullptr && FinishPage();
}

bool QtImagePrinter::EndJob() {
  if (!jobRunning_) return false;
  jobRunning_ = false;
  return !canvas_ || FinishPage();
}

}  // namespace moyo::platform
