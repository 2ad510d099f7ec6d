#include "print/DiagramPrinter.h"

#include <algorithm>
#include <utility>

#include "print/DiagramDrawing.h"
#include "print/LayoutPrinter.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

using platform::TextAnchor;

// One split layout: grid, where each slot's diagram goes, and its retake grid.
struct TSlotPlace {
  int x = 0, y = 0;
};

struct TSplitLayout {
  int grid = 0;
  int retakeGrid = 0;
  int captionOffset = 0;  // the caption's distance left of and above the diagram
  int captionPoints = 0;
  std::array<TSlotPlace, 4> slots{};
  int rows = 1;
};

TSplitLayout SplitLayout(int perPage, int W, int H, int T, int L, int G) {
  TSplitLayout layout;
  if (perPage == 1) {
    const int x0 = L + (W - 2 * L - 19 * G) / 2;
    layout.grid = G;
    layout.retakeGrid = 3 * G / 4;
    layout.captionOffset = G / 2;
    layout.captionPoints = 14;
    layout.slots[0] = {x0 + G / 2, T + 800};
    return layout;
  }
  if (perPage == 2) {
    const int x0 = L + (W - 2 * L - 19 * 115) / 2;
    layout.grid = 115;
    layout.retakeGrid = 86;
    layout.captionOffset = 57;
    layout.captionPoints = 11;
    layout.slots[0] = {x0 + 57, T + 300};
    layout.slots[1] = {x0 + 57, T + (H - 2 * T) / 2 + 200};
    layout.rows = 2;
    return layout;
  }
  const int left = (W - 4620) / 2 + 262, right = (W - 4620) / 2 + 2467;
  const int top = T + 400, bottom = T + (H - 2 * T) / 2 + 300;
  layout.grid = 105;
  layout.retakeGrid = 79;
  layout.captionOffset = 52;
  layout.captionPoints = 10;
  layout.slots = {{{left, top}, {right, top}, {left, bottom}, {right, bottom}}};
  layout.rows = 2;
  return layout;
}

// How far right of a 19-line board's place a board of fewer lines goes, to
// stand centred where the full board would.
int CentringShift(const LDispGGrid& board, int grid) {
  return (kMaxBoardSize - board.BoardSize()) * grid / 2;
}

TGPOPTION RetakeOptions(int grid) {
  TGPOPTION options;
  options.DrawGrid = false;
  options.GridSize = grid;
  return options;
}

TGPOPTION BoardOptions(int grid) {
  TGPOPTION options;
  options.GridSize = grid;
  return options;
}

}  // namespace

int DiagramsPerPage(int perPageIndex) {
  switch (perPageIndex) {
    case 0:
      return 1;
    case 1:
      return 2;
    default:
      return 4;
  }
}

TDiagramPrinter::TDiagramPrinter(platform::Printer& printer, const TGamePInfo& header,
                                 int moveCount, const TPageSetup& setup, std::string timeStamp)
    : printer_(printer),
      header_(header),
      moveCount_(moveCount),
      setup_(setup),
      timeStamp_(std::move(timeStamp)) {}

TDiagramPrinter::~TDiagramPrinter() {
  EndPrintJob();
}

platform::Canvas* TDiagramPrinter::Canvas() {
  return jobRunning_ ? printer_.PageCanvas() : nullptr;
}

TPageInfo TDiagramPrinter::Page() const {
  return {printer_.PageWidth(), printer_.PageHeight(), timeStamp_, header_.Title};
}

bool TDiagramPrinter::StartPrintJob() {
  if (jobRunning_) return false;
  jobRunning_ = printer_.BeginJob(kPrintJobTitle);
  return jobRunning_;
}

bool TDiagramPrinter::NextPrintPage() {
  return jobRunning_ && printer_.NewPage();
}

bool TDiagramPrinter::EndPrintJob() {
  if (!jobRunning_) return false;
  jobRunning_ = false;
  pending_.clear();
  return printer_.EndJob();
}

void TDiagramPrinter::PrintRetakes(const TRetakeList& list, int x, int y, int grid, int bottom,
                                   std::string caption) {
  platform::Canvas& canvas = *Canvas();
  // Lines go down to whatever lies below the list: the bottom rule, or the next diagram's caption.
  const int fit = grid > 0 ? std::max(0, (bottom - y) / grid) : list.LineCount();
  const int shown = std::min(fit, list.LineCount());
  for (int line = 0; line < shown; line += LDispGGrid::kRows) {
    const LDispGGrid lines = list.Lines(line, std::min(LDispGGrid::kRows, shown - line));
    DrawDiagram(canvas, lines, y + line * grid, x, RetakeOptions(grid));
  }
  if (shown < list.LineCount()) pending_.push_back({&list, shown, x, grid, std::move(caption)});
}

bool TDiagramPrinter::PrintPendingLines(int start, int end, int mode) {
  const TPageInfo page = Page();
  const int T = setup_.topMargin, L = setup_.leftMargin;
  while (!pending_.empty()) {
    if (!NextPrintPage() || Canvas() == nullptr) return false;
    platform::Canvas& canvas = *Canvas();
    PrintPageFrame(canvas, page, T, L, start, end, mode);
    const platform::FontSpec captionFont =
        LFontDesc("Times New Roman", platform::kRegular, 10).MakeFont(canvas);
    std::vector<TPendingLines> waiting = std::move(pending_);
    pending_.clear();
    int y = T + 200;
    for (const TPendingLines& block : waiting) {
      // Blocks that no longer fit on this page wait for the next one.
      if (y + captionFont.pixelHeight + block.grid > page.height - T) {
        pending_.push_back(block);
        continue;
      }
      if (!block.caption.empty()) {
        y += captionFont.pixelHeight;
        canvas.SetFont(captionFont);
        canvas.TextOut(block.x - block.grid / 2, y, block.caption, platform::kBlack,
                       TextAnchor::BottomLeft);
      }
      y += block.grid / 2;
      const TRetakeList& list = *block.list;
      TRetakeList rest;
      for (int line = block.firstLine; line < list.LineCount(); ++line) {
        for (int c = 0; c < TRetakeList::kMaxLineCells; ++c) {
          rest.SetCell(line - block.firstLine, c, list.GetState(line, c), list.GetNumber(line, c),
                       list.GetLetter(line, c));
        }
      }
      const int fit = std::max(0, (page.height - T - y) / block.grid);
      const int shown = std::min(fit, rest.LineCount());
      for (int line = 0; line < shown; line += LDispGGrid::kRows) {
        DrawDiagram(canvas, rest.Lines(line, std::min(LDispGGrid::kRows, shown - line)),
                    y + line * block.grid, block.x, RetakeOptions(block.grid));
      }
      if (shown < rest.LineCount()) {
        pending_.push_back(
            {block.list, block.firstLine + shown, block.x, block.grid, block.caption});
      }
      y += shown * block.grid + block.grid;
    }
  }
  return true;
}

bool TDiagramPrinter::PrintSingleDiagramPage(const TDiagram& diagram, int start, int end) {
  if (!StartPrintJob()) return false;
  if (Canvas() == nullptr) {
    EndPrintJob();
    return false;
  }
  platform::Canvas& canvas = *Canvas();
  const TPageInfo page = Page();
  const int T = setup_.topMargin, L = setup_.leftMargin, G = setup_.gridSize;
  const int mode = start == 1 && end == moveCount_ ? kFrameWholeGame : kFramePartial;
  PrintPageFrame(canvas, page, T, L, start, end, mode);
  const int headerHeight =
      PrintGameHeader(canvas, page, header_, T + 100, L, LFontDesc(kPrintFontName, 0, 20),
                      LFontDesc(kPrintFontName, 0, 12));

  const int x = L + (page.width - 2 * L - 19 * G) / 2 + CentringShift(diagram.board, G);
  const int y = T + 100 + headerHeight + 50;
  DrawDiagram(canvas, diagram.board, y, x, BoardOptions(G));
  const int retakeGrid = 2 * G / 3;
  PrintRetakes(diagram.retakes, x + G / 2, y + diagram.board.BoardSize() * G + retakeGrid,
               retakeGrid, page.height - T, "");
  const bool printed = PrintPendingLines(start, end, mode);
  return EndPrintJob() && printed;
}

bool TDiagramPrinter::PrintSplitPage(int perPage, int firstMove, const TDiagramSlots& slots,
                                     int movesPerDiagram) {
  if (Canvas() == nullptr) return false;
  platform::Canvas& canvas = *Canvas();
  const TPageInfo page = Page();
  const int T = setup_.topMargin, L = setup_.leftMargin;
  PrintPageFrame(canvas, page, T, L, 0, 0, kFrameNoCaption);
  const TSplitLayout layout = SplitLayout(perPage, page.width, page.height, T, L, setup_.gridSize);
  const int G = layout.grid, count = std::min(perPage, 4);
  const platform::FontSpec captionFont =
      LFontDesc("Times New Roman", platform::kRegular, layout.captionPoints).MakeFont(canvas);

  auto first = [&](int slot) { return firstMove + slot * movesPerDiagram; };
  auto caption = [&](int slot) {
    return DiagramCaption(first(slot), first(slot) + movesPerDiagram - 1, moveCount_);
  };
  canvas.SetFont(captionFont);
  // A board of fewer lines stands centred in its slot, with its caption and list.
  auto place = [&](int slot) {
    TSlotPlace at = layout.slots[slot];
    at.x += CentringShift(slots[slot]->board, G);
    return at;
  };
  for (int s = 0; s < count; ++s) {
    if (!slots[s]) continue;
    const TSlotPlace at = place(s);
    PrintDiagramCaption(canvas, at.y - layout.captionOffset,
                        perPage == 1 ? at.x - G / 2 : at.x + layout.captionOffset, first(s),
                        first(s) + movesPerDiagram - 1, moveCount_, TextAnchor::BottomLeft);
  }
  for (int s = 0; s < count; ++s) {
    if (slots[s]) DrawDiagram(canvas, slots[s]->board, place(s).y, place(s).x, BoardOptions(G));
  }
  const int columns = perPage == 4 ? 2 : 1;
  for (int s = 0; s < count; ++s) {
    if (!slots[s]) continue;
    const TSlotPlace at = place(s);
    // A top diagram's list ends where the caption of the diagram below begins.
    int bottom = page.height - T;
    const int below = s + columns;
    if (below < count && slots[below]) {
      bottom = layout.slots[below].y - layout.captionOffset - captionFont.pixelHeight;
    }
    PrintRetakes(slots[s]->retakes, at.x + G / 2,
                 at.y + slots[s]->board.BoardSize() * G + layout.retakeGrid, layout.retakeGrid,
                 bottom, caption(s));
  }
  return PrintPendingLines(0, 0, kFrameNoCaption);
}

bool PrintRecord(platform::Printer& printer, const TPrintLine& line, const TGamePInfo& header,
                 const TPrintRequest& request, const std::string& timeStamp) {
  const int moveCount = std::clamp(line.moves.Count, 0, kMaxMoves);
  TLayoutPrinter layout(printer);
  TDiagramPrinter pages(layout, header, moveCount, request.page, timeStamp);

  if (request.method != kPrintSplit) {
    int start = 1, end = moveCount;
    if (request.method == kPrintRange) {
      end = std::clamp(request.endMove, 0, moveCount);
      start = std::clamp(request.startMove, std::min(1, end), std::max(end, 1));
    }
    TDiagram diagram;
    BuildDiagram(28, start, end, line, diagram);
    return pages.PrintSingleDiagramPage(diagram, start, end);
  }

  if (!pages.StartPrintJob()) return false;
  const int P = DiagramsPerPage(request.perPageIndex);
  const int N = std::max(request.movesPerDiagram, 1);
  bool printed = true;
  for (long long p = 0; printed && p * P * N + 1 <= moveCount; ++p) {
    const int pageFirst = static_cast<int>(p * P * N + 1);
    TDiagramSlots slots;
    for (int s = 0; s < P; ++s) {
      const long long f = pageFirst + static_cast<long long>(s) * N;
      if (f > moveCount) break;
      slots[s] = std::make_unique<TDiagram>();
      BuildDiagram(P == 1 ? 28 : 25, static_cast<int>(f),
                   static_cast<int>(std::min<long long>(f + N - 1, moveCount)), line, *slots[s]);
    }
    if (p > 0) printed = pages.NextPrintPage();
    printed = printed && pages.PrintSplitPage(P, pageFirst, slots, N);
  }
  return pages.EndPrintJob() && printed;
}

bool MayPrint(const std::string& level) {
  return level != "0" && level != "2";
}

void printBtnClick(const std::string& level, const std::function<void(const std::string&)>& notice,
                   const std::function<void()>& print) {
  if (!MayPrint(level)) {
    if (notice) notice(Message(msg::kMembersOnly));
    return;
  }
  if (print) print();
}

}  // namespace moyo
