#pragma once
// A canvas that records what is drawn on it, with the pen, brush and font of
// the moment, so tests can check a drawing's geometry and texts.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace moyo::testing {

struct DrawnOp {
  enum class Kind { FillRect, Rectangle, Ellipse, Line, Text, Copy } kind;
  platform::Rect box;
  platform::Pen pen;
  platform::Brush brush;
  platform::FontSpec font;
  std::string text;
  platform::Rgb colour;
  platform::TextAnchor anchor = platform::TextAnchor::TopLeft;
  int x = 0, y = 0;
};

class RecordingCanvas : public platform::Canvas {
 public:
  explicit RecordingCanvas(int dpi = 600) : dpi_(dpi) {}

  void CopyRect(const platform::Rect& dest, const platform::Bitmap&, int, int,
                platform::RasterOp) override {
    Add(DrawnOp::Kind::Copy).box = dest;
  }
  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  void Line(int x1, int y1, int x2, int y2) override {
    Add(DrawnOp::Kind::Line).box = {x1, y1, x2, y2};
  }
  void Ellipse(const platform::Rect& box) override { Add(DrawnOp::Kind::Ellipse).box = box; }
  void Rectangle(const platform::Rect& box) override { Add(DrawnOp::Kind::Rectangle).box = box; }
  void FillRect(const platform::Rect& box) override { Add(DrawnOp::Kind::FillRect).box = box; }
  void SetFont(const platform::FontSpec& font) override { font_ = font; }
  // Text is as high as the font's em, and each byte half as wide (or the set average width).
  platform::Size TextExtent(const std::string& text) override {
    const int width = font_.averageWidth > 0 ? font_.averageWidth : font_.pixelHeight / 2;
    return {static_cast<int>(text.size()) * width, font_.pixelHeight};
  }
  void TextOut(int x, int y, const std::string& text, platform::Rgb colour,
               platform::TextAnchor anchor) override {
    DrawnOp& op = Add(DrawnOp::Kind::Text);
    op.x = x;
    op.y = y;
    op.text = text;
    op.colour = colour;
    op.anchor = anchor;
  }
  int DotsPerInchY() const override { return dpi_; }

  std::vector<DrawnOp> ops;

  // The recorded operations of one kind.
  std::vector<DrawnOp> Of(DrawnOp::Kind kind) const {
    std::vector<DrawnOp> found;
    for (const DrawnOp& op : ops) {
      if (op.kind == kind) found.push_back(op);
    }
    return found;
  }
  // The texts written, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const DrawnOp& op : Of(DrawnOp::Kind::Text)) texts.push_back(op.text);
    return texts;
  }

 private:
  DrawnOp& Add(DrawnOp::Kind kind) {
    ops.push_back({kind, {}, pen_, brush_, font_, {}, {}, platform::TextAnchor::TopLeft, 0, 0});
    return ops.back();
  }

  int dpi_;
  platform::Pen pen_;
  platform::Brush brush_;
  platform::FontSpec font_;
};

}  // namespace moyo::testing
