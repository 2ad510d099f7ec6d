// Diagram building and drawing from arbitrary move lists, board sizes, ranges,
// handicaps, line limits and printer resolutions: nothing may read or write
// outside its grids.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Canvas.h"
#include "print/BuildDiagram.h"
#include "print/DiagramDrawing.h"
#include "print/LayoutPrinter.h"

namespace {

// A canvas that draws nothing.
class NullCanvas : public moyo::platform::Canvas {
 public:
  void CopyRect(const moyo::platform::Rect&, const moyo::platform::Bitmap&, int, int,
                moyo::platform::RasterOp) override {}
  void SetPen(const moyo::platform::Pen&) override {}
  void SetBrush(const moyo::platform::Brush&) override {}
  void Line(int, int, int, int) override {}
  void Ellipse(const moyo::platform::Rect&) override {}
  void Rectangle(const moyo::platform::Rect&) override {}
  void FillRect(const moyo::platform::Rect&) override {}
  void SetFont(const moyo::platform::FontSpec& font) override { height_ = font.pixelHeight; }
  moyo::platform::Size TextExtent(const std::string& text) override {
    return {static_cast<int>(text.size()) * height_ / 2, height_};
  }
  void TextOut(int, int, const std::string&, moyo::platform::Rgb,
               moyo::platform::TextAnchor) override {}
  int DotsPerInchY() const override { return 600; }

 private:
  int height_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 7) return 0;
  const int start = data[0] * 2 - 10;
  const int end = data[1] * 2;
  const int handicap = data[2] % 24 - 2;
  const int limit = data[3] % 32;
  const int grid = data[4] * 3 - 20;
  moyo::TPrintLine line;
  line.handicap = handicap;
  moyo::TMoveList& moves = line.moves;
  // Every size the board takes, and a few it brings into range.
  moves.Size = static_cast<std::uint8_t>(data[5] % 22);
  for (std::size_t i = 6; i + 1 < size && moves.Count < moyo::kMaxMoves; i += 2) {
    // Mostly board points and passes, sometimes off the board; each move by Black, White or
    // the side to move.
    line.colours[moves.Count] = static_cast<std::uint8_t>(data[i] / 23 % 3);
    moves.Moves[moves.Count++] = {static_cast<std::uint8_t>(data[i] % 23),
                                  static_cast<std::uint8_t>(data[i + 1] % 23)};
    // The same bytes put a stone of the start position down now and then.
    if (data[i + 1] >= 0xF0) line.setup[data[i] % 19][data[i + 1] % 19] = data[i] % 3;
  }
  moyo::TDiagram diagram;
  moyo::BuildDiagram(limit, start, end, line, diagram);

  NullCanvas canvas;
  moyo::TGPOPTION options;
  options.GridSize = grid;
  moyo::DrawDiagram(canvas, diagram.board, 0, 0, options);
  // The same board on a printer of another resolution, 72 to 2367 dpi.
  moyo::TLayoutCanvas scaled(canvas, 72 + data[3] * 9);
  moyo::DrawDiagram(scaled, diagram.board, 0, 0, options);
  options.DrawGrid = false;
  for (int line = 0; line < diagram.retakes.LineCount(); line += moyo::LDispGGrid::kRows) {
    moyo::DrawDiagram(canvas, diagram.retakes.Lines(line, moyo::LDispGGrid::kRows), 0, 0, options);
  }
  return 0;
}
