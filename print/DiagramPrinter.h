#pragma once
// Printing a record's diagrams: one diagram under the game header on one page
// (the whole game or a range of moves), or the game cut into partial diagrams
// of so many moves, 1, 2 or 4 to a page.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "print/BuildDiagram.h"
#include "print/PageTexts.h"
#include "print/TGamePInfo.h"

namespace moyo {

// Print methods, as the options dialog's radio buttons give them.
inline constexpr int kPrintWholeGame = 1;
inline constexpr int kPrintRange = 2;
inline constexpr int kPrintSplit = 3;
inline constexpr int kPrintNoMethod = 4;  // none chosen: the whole game is printed

// The print job's title.
inline constexpr const char* kPrintJobTitle = "Zel Gibo";

// The page fields of the options dialog, in printer dots.
struct TPageSetup {
  int topMargin = 500;
  int leftMargin = 400;
  int gridSize = 185;  // cell size of a one-a-page diagram
};

// Everything the options dialog hands to printing when it closes with OK.
struct TPrintRequest {
  int method = kPrintWholeGame;
  int startMove = 1;  // the range, for kPrintRange
  int endMove = 0;
  int movesPerDiagram = 50;  // for kPrintSplit
  int perPageIndex = 2;      // 0 -> 1, 1 -> 2, 2 -> 4 diagrams a page
  TPageSetup page;
};

// Diagrams a page for a per-page choice; a choice outside 0 to 2 gives 4.
int DiagramsPerPage(int perPageIndex);

// The diagrams of one split page, filled top-left, top-right, bottom-left, bottom-right.
using TDiagramSlots = std::array<std::unique_ptr<TDiagram>, 4>;

// The page operations of one print, reading the dialog's page fields.
class TDiagramPrinter {
 public:
  TDiagramPrinter(platform::Printer& printer, const TGamePInfo& header, int moveCount,
                  const TPageSetup& setup, std::string timeStamp = CurrentTimeStamp());
  // Ends a job still running.
  ~TDiagramPrinter();

  // One job of one diagram of moves start to end under the game header.
  bool PrintSingleDiagramPage(const TDiagram& diagram, int start, int end);
  // Begins the job of a split print.
  bool StartPrintJob();
  // Ends a page of a split print and begins the next.
  bool NextPrintPage();
  // Ends the job; safe when none runs.
  bool EndPrintJob();
  // One split page of perPage diagrams from firstMove, movesPerDiagram moves each.
  bool PrintSplitPage(int perPage, int firstMove, const TDiagramSlots& slots, int movesPerDiagram);

 private:
  // Retake lines that did not fit under their diagram, printed on following pages.
  struct TPendingLines {
    const TRetakeList* list;
    int firstLine;
    int x;  // the list's left edge, kept on the following pages
    int grid;
    std::string caption;
  };

  platform::Canvas* Canvas();
  TPageInfo Page() const;
  void PrintRetakes(const TRetakeList& list, int x, int y, int grid, int bottom,
                    std::string caption);
  bool PrintPendingLines(int start, int end, int mode);

  platform::Printer& printer_;
  const TGamePInfo& header_;
  int moveCount_;
  TPageSetup setup_;
  std::string timeStamp_;
  bool jobRunning_ = false;
  std::vector<TPendingLines> pending_;
};

// Prints the record's moves as request says: one diagram page, or split pages
// (a record without moves then gives a job without pages), laid out in 600-dpi
// dots whatever the printer's resolution. False when the printer failed; the
// job is ended either way.
bool PrintRecord(platform::Printer& printer, const TPrintLine& line, const TGamePInfo& header,
                 const TPrintRequest& request, const std::string& timeStamp = CurrentTimeStamp());

// Whether a member of level may print: levels "0" and "2" may not.
bool MayPrint(const std::string& level);

// The print button: for a level that may not print, notice gets message 30
// (shown under caption message 2); otherwise print runs.
void printBtnClick(const std::string& level, const std::function<void(const std::string&)>& notice,
                   const std::function<void()>& print);

}  // namespace moyo
