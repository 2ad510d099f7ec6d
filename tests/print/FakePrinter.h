#pragma once
// A printer that keeps each page as a recording canvas, for layout tests.

#include <memory>
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "tests/print/RecordingCanvas.h"

namespace moyo::testing {

class FakePrinter : public platform::Printer {
 public:
  // An A4 sheet at 600 dpi, as the PDF printer gives it.
  FakePrinter(int width = 4958, int height = 7017, int dpi = 600)
      : width_(width), height_(height), dpi_(dpi) {}

  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  int DotsPerInch() const override { return dpi_; }
  bool BeginJob(const std::string& title) override {
    if (running) return false;
    title_ = title;
    ++jobs;
    running = beginSucceeds;
    return running;
  }
  bool NewPage() override {
    if (PageCanvas() == nullptr || newPagesLeft == 0) return false;
    --newPagesLeft;
    open_ = false;
    return true;
  }
  bool EndJob() override {
    if (!running) return false;
    running = false;
    open_ = false;
    ++endedJobs;
    return true;
  }
  platform::Canvas* PageCanvas() override {
    if (!running) return nullptr;
    if (!open_) {
      pages.push_back(std::make_unique<RecordingCanvas>(dpi_));
      open_ = true;
    }
    return pages.back().get();
  }

  const std::string& Title() const { return title_; }

  std::vector<std::unique_ptr<RecordingCanvas>> pages;
  int jobs = 0;
  int endedJobs = 0;
  bool running = false;
  bool beginSucceeds = true;
  int newPagesLeft = 1000;  // NewPage fails once these are used up

 private:
  int width_, height_, dpi_;
  std::string title_;
  bool open_ = false;
};

}  // namespace moyo::testing
