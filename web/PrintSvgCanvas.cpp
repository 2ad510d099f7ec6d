#include "web/PrintSvgCanvas.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/FontSubstitutes.h"
#include "platform/Text.h"

namespace moyo::web {
namespace {

using platform::Rect;

std::string Colour(platform::Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

bool Empty(const Rect& box) {
  return box.Width() <= 0 || box.Height() <= 0;
}

}  // namespace

std::string XmlText(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
    }
  }
  return out;
}

PrintSvgCanvas::PrintSvgCanvas(int width, int height, int dpi, TextMeasure measure)
    : width_(width), height_(height), dpi_(dpi), measure_(std::move(measure)) {}

void PrintSvgCanvas::Box(const Rect& box, platform::Rgb colour) {
  if (Empty(box)) return;
  body_ += "<rect x=\"" + std::to_string(box.left) + "\" y=\"" + std::to_string(box.top) +
           "\" width=\"" + std::to_string(box.Width()) + "\" height=\"" +
           std::to_string(box.Height()) + "\" fill=\"" + Colour(colour) + "\"/>";
}

void PrintSvgCanvas::Line(int x1, int y1, int x2, int y2) {
  if (pen_.style == platform::PenStyle::Null || (x1 == x2 && y1 == y2)) return;
  body_ += "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" +
           std::to_string(x2) + "\" y2=\"" + std::to_string(y2) + "\" stroke=\"" +
           Colour(pen_.colour) + "\" stroke-width=\"" + std::to_string(std::max(1, pen_.width)) +
           "\"/>";
}

void PrintSvgCanvas::Ellipse(const Rect& box) {
  if (Empty(box)) return;
  const bool fill = brush_.style == platform::BrushStyle::Solid;
  const bool outline = pen_.style != platform::PenStyle::Null;
  if (!fill && !outline) return;
  // The outline runs along the middle of the pen; an inside-frame pen keeps it
  // within the box, as the desktop's printer draws it.
  const int width = std::max(1, pen_.width);
  const double inset = !outline ? 0.0 : width == 1 ? 0.5 : pen_.insideFrame ? width / 2.0 : 0.0;
  const double rx = box.Width() / 2.0 - inset, ry = box.Height() / 2.0 - inset;
  if (rx <= 0 || ry <= 0) return;
  body_ += "<ellipse cx=\"" + Number((box.left + box.right) / 2.0) + "\" cy=\"" +
           Number((box.top + box.bottom) / 2.0) + "\" rx=\"" + Number(rx) + "\" ry=\"" +
           Number(ry) + "\" fill=\"" + (fill ? Colour(brush_.colour) : "none") + "\"";
  if (outline) {
    body_ +=
        " stroke=\"" + Colour(pen_.colour) + "\" stroke-width=\"" + std::to_string(width) + "\"";
  }
  body_ += "/>";
}

void PrintSvgCanvas::Rectangle(const Rect& box) {
  if (Empty(box)) return;
  if (brush_.style == platform::BrushStyle::Solid) Box(box, brush_.colour);
  if (pen_.style == platform::PenStyle::Null) return;
  for (const Rect& band : platform::FrameBands(box, pen_.width)) Box(band, pen_.colour);
}

void PrintSvgCanvas::FillRect(const Rect& box) {
  if (brush_.style == platform::BrushStyle::Solid) Box(box, brush_.colour);
}

void PrintSvgCanvas::SetFont(const platform::FontSpec& font) {
  const std::string face = platform::Cp949ToUtf8(font.face);
  face_.family = platform::SubstituteFamilyName(face, font.charset);
  face_.pixels = font.pixelHeight > 0 ? font.pixelHeight : (font.pointSize * dpi_ + 36) / 72;
  face_.pixels = std::max(face_.pixels, 1);
  face_.style = font.style | (platform::AlwaysBold(face) ? platform::kBold : platform::kRegular);
  face_.stretch = 1;
  if (font.averageWidth > 0 && measure_) {
    // A narrowed font: the print's faces are monospaced, so "0" is their average character.
    const int natural = measure_(face_.family, face_.pixels, face_.style, "0").width;
    if (natural > 0) face_.stretch = static_cast<double>(font.averageWidth) / natural;
  }
}

platform::Size PrintSvgCanvas::TextExtent(const std::string& text) {
  if (!measure_) return {};
  const platform::Size size =
      measure_(face_.family, face_.pixels, face_.style, platform::Cp949ToUtf8(text));
  return {static_cast<int>(size.width * face_.stretch + 0.5), size.height};
}

void PrintSvgCanvas::TextOut(int x, int y, const std::string& text, platform::Rgb colour,
                             platform::TextAnchor anchor) {
  if (text.empty()) return;
  const Face& face = face_;
  const platform::Size extent = TextExtent(text);
  using platform::TextAnchor;
  if (anchor == TextAnchor::TopCentre) x -= extent.width / 2;
  if (anchor == TextAnchor::TopRight || anchor == TextAnchor::BottomRight) x -= extent.width;
  if (anchor == TextAnchor::BottomLeft || anchor == TextAnchor::BottomRight) y -= extent.height;
  // The box's top is the font's ascent above the baseline: text-before-edge.
  body_ += "<text transform=\"translate(" + std::to_string(x) + " " + std::to_string(y) + ")";
  if (face.stretch != 1) body_ += " scale(" + Number(face.stretch) + " 1)";
  // Korean text in a Latin face falls back on the Hangul family, as on the desktop.
  body_ += "\" font-family=\"" +
           XmlText("'" + face.family + "', " + platform::kHangulFallbackFamily) +
           "\" font-size=\"" + std::to_string(face.pixels) + "\"";
  if (face.style & platform::kBold) body_ += " font-weight=\"bold\"";
  if (face.style & platform::kItalic) body_ += " font-style=\"italic\"";
  // Blanks as no-break spaces: SVG text collapses runs of blanks, and the time
  // stamp and the header's labels have three.
  std::string shown = XmlText(platform::Cp949ToUtf8(text));
  for (std::size_t at = shown.find(' '); at != std::string::npos; at = shown.find(' ', at)) {
    shown.replace(at, 1, "\xC2\xA0");
  }
  body_ += " fill=\"" + Colour(colour) + "\">" + shown + "</text>";
}

std::string PrintSvgCanvas::Markup() const {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + std::to_string(width_) + " " +
         std::to_string(height_) +
         "\" preserveAspectRatio=\"xMidYMin meet\">"
         "<style>text{dominant-baseline:text-before-edge}</style>"
         "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>" +
         body_ + "</svg>";
}

}  // namespace moyo::web
