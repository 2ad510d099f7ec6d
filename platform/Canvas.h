#pragma once
// The drawing surface that the board painter and the diagram printer paint on.
// Coordinates are device pixels (screen) or dots (printer); rectangles exclude
// their right and bottom edges, and lines exclude their end pixel.

#include <array>
#include <cstdint>
#include <string>

namespace moyo::platform {

// An RGB colour.
struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// A rectangle from (left, top) up to, not including, (right, bottom).
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The four bands of box's frame drawn by a pen penWidth wide, inside box: top,
// bottom, left, right. The width is kept between 1 and box's smaller side.
std::array<Rect, 4> FrameBands(const Rect& box, int penWidth);

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// How a copied bitmap pixel combines with the pixel under it.
enum class RasterOp { Copy, And, Or };

enum class PenStyle { Solid, Null };

// A pen. An inside-frame pen keeps an ellipse's outline inside its box.
struct Pen {
  Rgb colour = kBlack;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  bool insideFrame = false;
};

enum class BrushStyle { Solid, Null };

struct Brush {
  Rgb colour = kWhite;
  BrushStyle style = BrushStyle::Solid;
};

// Font style bits, combined with |.
enum FontStyle : unsigned {
  kRegular = 0,
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
  kStrikeOut = 8,
};

// The character set a font is asked for; Hangul fonts must carry Korean glyphs.
enum class Charset { Default, Ansi, Hangul };

// A font by face name as the system names it ("Times New Roman", "굴림체" in
// CP949); the canvas substitutes the faces this machine has.
struct FontSpec {
  std::string face;      // CP949 bytes
  int pointSize = 0;     // used when pixelHeight is 0
  int pixelHeight = 0;   // character height in device units, when > 0
  int averageWidth = 0;  // average character width in device units; 0 = natural
  unsigned style = kRegular;
  Charset charset = Charset::Default;
};

// Where a text's reference point lies on the text's box.
enum class TextAnchor { TopLeft, TopCentre, TopRight, BottomLeft, BottomRight };

// A picture that can be copied onto a canvas (stone, mask, wood, edge, button face).
class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

// The drawing operations of the painter and the printer.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Copies src's block at (srcX, srcY) of dest's size onto dest, combined by op.
  virtual void CopyRect(const Rect& dest, const Bitmap& src, int srcX, int srcY, RasterOp op) = 0;
  // Covers dest with copies of src's block piece side by side, the first at
  // dest's top-left corner, clipped at dest's right and bottom edges.
  virtual void TileRect(const Rect& dest, const Bitmap& src, const Rect& piece);

  // Selects the pen for lines, ellipse outlines and rectangle frames.
  virtual void SetPen(const Pen& pen) = 0;
  // Selects the brush for ellipse and rectangle fills.
  virtual void SetBrush(const Brush& brush) = 0;

  // Draws a line with the pen from (x1, y1) up to, not including, (x2, y2).
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // Fills the ellipse inscribed in box with the brush and outlines it with the pen.
  virtual void Ellipse(const Rect& box) = 0;
  // Fills box with the brush and outlines it with the pen.
  virtual void Rectangle(const Rect& box) = 0;
  // Fills box with the brush, no outline.
  virtual void FillRect(const Rect& box) = 0;

  // Selects the font for text output and measuring.
  virtual void SetFont(const FontSpec& font) = 0;
  // Width and height of text (CP949 bytes) in the selected font.
  virtual Size TextExtent(const std::string& text) = 0;
  // Writes text (CP949 bytes) in colour on a transparent background, its
  // anchor point at (x, y).
  virtual void TextOut(int x, int y, const std::string& text, Rgb colour,
                       TextAnchor anchor = TextAnchor::TopLeft) = 0;

  // Vertical resolution in dots per inch (96 on screen).
  virtual int DotsPerInchY() const = 0;
};

}  // namespace moyo::platform
