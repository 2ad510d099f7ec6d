#pragma once
// Printed pages are laid out in the dots of a 600-dpi printer, whatever the
// printer's own resolution: margins, grids and every offset of the layout are
// such dots, and the stored print options are too. A printer of another
// resolution gets the same page scaled to its dots.

#include <memory>

#include "platform/Printer.h"

namespace moyo {

// The resolution the page layout is written in.
inline constexpr int kLayoutDpi = 600;

// A device canvas of dpi dots an inch, drawn on in layout dots. Every shape
// that covers something in layout dots covers at least one device dot, so a
// thin line never vanishes on a coarse printer.
class TLayoutCanvas final : public platform::Canvas {
 public:
  TLayoutCanvas(platform::Canvas& device, int dpi);

  void CopyRect(const platform::Rect& dest, const platform::Bitmap& src, int srcX, int srcY,
                platform::RasterOp op) override;
  void SetPen(const platform::Pen& pen) override;
  void SetBrush(const platform::Brush& brush) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Ellipse(const platform::Rect& box) override;
  void Rectangle(const platform::Rect& box) override;
  void FillRect(const platform::Rect& box) override;
  void SetFont(const platform::FontSpec& font) override;
  platform::Size TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text, platform::Rgb colour,
               platform::TextAnchor anchor) override;
  int DotsPerInchY() const override { return kLayoutDpi; }

  // A layout coordinate in device dots, and a device length in layout dots.
  int ToDevice(int dots) const;
  int ToLayout(int deviceDots) const;
  // A box in device dots, at least one dot wide and high when it covers anything.
  platform::Rect ToDevice(const platform::Rect& box) const;

 private:
  platform::Canvas& device_;
  int dpi_;
};

// The printer's page size in layout dots.
platform::Size LayoutPageSize(const platform::Printer& printer);

// A printer seen in layout dots: its page size and canvas in 600-dpi dots.
// Over a 600-dpi printer it passes everything through unchanged.
class TLayoutPrinter final : public platform::Printer {
 public:
  explicit TLayoutPrinter(platform::Printer& device);

  int PageWidth() const override { return LayoutPageSize(device_).width; }
  int PageHeight() const override { return LayoutPageSize(device_).height; }
  int DotsPerInch() const override { return kLayoutDpi; }
  bool BeginJob(const std::string& title) override { return device_.BeginJob(title); }
  bool NewPage() override { return device_.NewPage(); }
  bool EndJob() override { return device_.EndJob(); }
  platform::Canvas* PageCanvas() override;

 private:
  platform::Printer& device_;
  platform::Canvas* deviceCanvas_ = nullptr;  // the page canvas canvas_ draws on
  std::unique_ptr<TLayoutCanvas> canvas_;
};

}  // namespace moyo
