#include "print/LayoutPrinter.h"

#include <algorithm>

namespace moyo {
namespace {

// value x numerator / denominator rounded down, in 64 bits so that no page overflows.
int Scale(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  long long quotient = product / denominator;
  if (product % denominator != 0 && product < 0) --quotient;
  return static_cast<int>(std::clamp<long long>(quotient, -(1LL << 30), 1LL << 30));
}

// A positive length stays at least one dot.
int AtLeastOne(int scaled, int original) {
  return original > 0 ? std::max(scaled, 1) : scaled;
}

}  // namespace

TLayoutCanvas::TLayoutCanvas(platform::Canvas& device, int dpi)
    : device_(device), dpi_(std::max(dpi, 1)) {}

int TLayoutCanvas::ToDevice(int dots) const {
  return Scale(dots, dpi_, kLayoutDpi);
}

int TLayoutCanvas::ToLayout(int deviceDots) const {
  return Scale(deviceDots, kLayoutDpi, dpi_);
}

platform::Rect TLayoutCanvas::ToDevice(const platform::Rect& box) const {
  platform::Rect device{ToDevice(box.left), ToDevice(box.top), ToDevice(box.right),
                        ToDevice(box.bottom)};
  if (box.right > box.left) device.right = std::max(device.right, device.left + 1);
  if (box.bottom > box.top) device.bottom = std::max(device.bottom, device.top + 1);
  return device;
}

void TLayoutCanvas::CopyRect(const platform::Rect& dest, const platform::Bitmap& src, int srcX,
                             int srcY, platform::RasterOp op) {
  // Bitmaps keep their own pixels; only their place is scaled.
  device_.CopyRect(ToDevice(dest), src, srcX, srcY, op);
}

void TLayoutCanvas::SetPen(const platform::Pen& pen) {
  platform::Pen scaled = pen;
  scaled.width = AtLeastOne(ToDevice(pen.width), pen.width);
  device_.SetPen(scaled);
}

void TLayoutCanvas::SetBrush(const platform::Brush& brush) {
  device_.SetBrush(brush);
}

void TLayoutCanvas::Line(int x1, int y1, int x2, int y2) {
  device_.Line(ToDevice(x1), ToDevice(y1), ToDevice(x2), ToDevice(y2));
}

void TLayoutCanvas::Ellipse(const platform::Rect& box) {
  device_.Ellipse(ToDevice(box));
}

void TLayoutCanvas::Rectangle(const platform::Rect& box) {
  device_.Rectangle(ToDevice(box));
}

void TLayoutCanvas::FillRect(const platform::Rect& box) {
  device_.FillRect(ToDevice(box));
}

void TLayoutCanvas::SetFont(const platform::FontSpec& font) {
  platform::FontSpec scaled = font;
  scaled.pixelHeight = AtLeastOne(ToDevice(font.pixelHeight), font.pixelHeight);
  scaled.averageWidth = AtLeastOne(ToDevice(font.averageWidth), font.averageWidth);
  device_.SetFont(scaled);
}

platform::Size TLayoutCanvas::TextExtent(const std::string& text) {
  const platform::Size size = device_.TextExtent(text);
  return {ToLayout(size.width), ToLayout(size.height)};
}

void TLayoutCanvas::TextOut(int x, int y, const std::string& text, platform::Rgb colour,
                            platform::TextAnchor anchor) {
  device_.TextOut(ToDevice(x), ToDevice(y), text, colour, anchor);
}

TLayoutPrinter::TLayoutPrinter(platform::Printer& device) : device_(device) {}

platform::Size LayoutPageSize(const platform::Printer& printer) {
  const int dpi = std::max(printer.DotsPerInch(), 1);
  return {Scale(printer.PageWidth(), kLayoutDpi, dpi),
          Scale(printer.PageHeight(), kLayoutDpi, dpi)};
}

platform::Canvas* TLayoutPrinter::PageCanvas() {
  platform::Canvas* device = device_.PageCanvas();
  if (device == nullptr || device_.DotsPerInch() == kLayoutDpi) return device;
  // Each page may come with a canvas of its own.
  if (device != deviceCanvas_ || !canvas_) {
    canvas_ = std::make_unique<TLayoutCanvas>(*device, device_.DotsPerInch());
    deviceCanvas_ = device;
  }
  return canvas_.get();
}

}  // namespace moyo
