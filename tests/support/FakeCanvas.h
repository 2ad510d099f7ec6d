#pragma once
// A canvas that records what is drawn on it, and a paint box around it, for
// tests of drawing logic without a graphics library. Text is measured as if
// every character were size wide and 2 x size high (size in points).

#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PaintBox.h"

namespace moyo::testing {

struct FakeBitmap : platform::Bitmap {
  FakeBitmap(int w, int h, std::string n) : width(w), height(h), name(std::move(n)) {}
  int Width() const override { return width; }
  int Height() const override { return height; }
  int width, height;
  std::string name;
};

struct DrawnLine {
  int x1, y1, x2, y2;
  platform::Rgb colour;
};

struct DrawnText {
  int x, y;
  std::string text;
  platform::Rgb colour;
  platform::FontSpec font;
};

struct DrawnCopy {
  platform::Rect dest;
  std::string bitmap;
  int srcX, srcY;
  platform::RasterOp op;
};

struct DrawnBox {
  char kind;  // 'E' ellipse, 'R' rectangle, 'F' fill
  platform::Rect box;
  platform::Rgb pen, brush;
};

class FakeCanvas : public platform::Canvas {
 public:
  void CopyRect(const platform::Rect& dest, const platform::Bitmap& src, int srcX, int srcY,
                platform::RasterOp op) override {
    copies.push_back({dest, static_cast<const FakeBitmap&>(src).name, srcX, srcY, op});
  }
  void SetPen(const platform::Pen& p) override { pen = p; }
  void SetBrush(const platform::Brush& b) override { brush = b; }
  void Line(int x1, int y1, int x2, int y2) override {
    lines.push_back({x1, y1, x2, y2, pen.colour});
  }
  void Ellipse(const platform::Rect& box) override {
    boxes.push_back({'E', box, pen.colour, brush.colour});
  }
  void Rectangle(const platform::Rect& box) override {
    boxes.push_back({'R', box, pen.colour, brush.colour});
  }
  void FillRect(const platform::Rect& box) override {
    boxes.push_back({'F', box, pen.colour, brush.colour});
  }
  void SetFont(const platform::FontSpec& f) override {
    font = f;
    fontsSet.push_back(f);
  }
  platform::Size TextExtent(const std::string& text) override {
    return {static_cast<int>(text.size()) * font.pointSize * characterWidthPercent / 100,
            2 * font.pointSize};
  }
  void TextOut(int x, int y, const std::string& text, platform::Rgb colour,
               platform::TextAnchor) override {
    texts.push_back({x, y, text, colour, font});
  }
  int DotsPerInchY() const override { return 96; }

  void Clear() {
    lines.clear();
    texts.clear();
    fontsSet.clear();
    copies.clear();
    boxes.clear();
  }

  platform::Pen pen;
  platform::Brush brush;
  platform::FontSpec font;
  // How wide the fake faces draw a character, against their point size.
  int characterWidthPercent = 100;
  std::vector<DrawnLine> lines;
  std::vector<DrawnText> texts;
  std::vector<platform::FontSpec> fontsSet;  // every SetFont, in order
  std::vector<DrawnCopy> copies;
  std::vector<DrawnBox> boxes;
};

class FakePaintBox : public platform::PaintBox {
 public:
  platform::Canvas& GetCanvas() override { return canvas; }
  void SetSize(int w, int h) override { size = {w, h}; }
  platform::Size GetSize() const override { return size; }
  void Changed() override { ++changes; }

  FakeCanvas canvas;
  platform::Size size;
  int changes = 0;
};

}  // namespace moyo::testing
