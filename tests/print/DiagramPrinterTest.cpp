#include "print/DiagramPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "resources/Messages.h"
#include "tests/print/FakePrinter.h"

namespace moyo {
namespace {

using testing::DrawnOp;
using testing::FakePrinter;
using testing::RecordingCanvas;

constexpr const char* kStamp = "2026-12-08   12:00:00";

// A game of count moves on distinct points, row by row from the top left.
TMoveList DistinctMoves(int count) {
  TMoveList list;
  for (int i = 0; i < count; ++i) {
    list.Moves[list.Count++] = {static_cast<std::uint8_t>(i % 19 + 1),
                                static_cast<std::uint8_t>(i / 19 % 19 + 1)};
  }
  return list;
}

TGamePInfo Header() {
  TGamePInfo header;
  header.EventName = "Cup final";
  header.Title = Message(29);
  header.BlackName = "Lee";
  header.WhiteName = "Cho";
  header.GameTerms = "6.5";
  header.GameResult = "B+R";
  header.GameDate = "2001-05-05";
  return header;
}

TPrintRequest Split(int movesPerDiagram, int perPageIndex) {
  TPrintRequest request;
  request.method = kPrintSplit;
  request.movesPerDiagram = movesPerDiagram;
  request.perPageIndex = perPageIndex;
  return request;
}

bool HasText(const RecordingCanvas& page, const std::string& text) {
  const std::vector<std::string> texts = page.Texts();
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const DrawnOp* FindText(const RecordingCanvas& page, const std::string& text) {
  for (const DrawnOp& op : page.ops) {
    if (op.kind == DrawnOp::Kind::Text && op.text == text) return &op;
  }
  return nullptr;
}

// The move numbers drawn on a page, in drawing order.
std::vector<int> Numbers(const RecordingCanvas& page) {
  std::vector<int> numbers;
  for (const std::string& text : page.Texts()) {
    if (!text.empty() && std::all_of(text.begin(), text.end(), ::isdigit)) {
      numbers.push_back(std::stoi(text));
    }
  }
  return numbers;
}

TEST(SplitPrinting, OneAPageGivesAPagePerDiagramWithItsCaption) {
  FakePrinter printer;
  const TGamePInfo header = Header();
  ASSERT_TRUE(PrintRecord(printer, {DistinctMoves(101), {}, 0}, header, Split(50, 0), kStamp));
  EXPECT_EQ(printer.jobs, 1);
  EXPECT_EQ(printer.endedJobs, 1);
  EXPECT_EQ(printer.Title(), "Zel Gibo");
  ASSERT_EQ(printer.pages.size(), 3u);
  EXPECT_TRUE(HasText(*printer.pages[0], DiagramCaption(1, 50, 101)));
  EXPECT_TRUE(HasText(*printer.pages[1], DiagramCaption(51, 100, 101)));
  EXPECT_TRUE(HasText(*printer.pages[2], DiagramCaption(101, 150, 101)));
  EXPECT_EQ(DiagramCaption(101, 150, 101),
            "[" + Message(43) + " : 101 " + Message(44) + " ~ 101 " + Message(44) + "]");
  // Moves keep their game numbers: the second page numbers 51 to 100.
  const std::vector<int> second = Numbers(*printer.pages[1]);
  EXPECT_EQ(second.front(), 51);
  EXPECT_EQ(second.back(), 100);
  // The caption of a one-a-page diagram sits half a cell above and left of it.
  const int G = 185, x0 = 400 + (4958 - 800 - 19 * G) / 2;
  const DrawnOp* caption = FindText(*printer.pages[0], DiagramCaption(1, 50, 101));
  EXPECT_EQ(caption->x, x0);
  EXPECT_EQ(caption->y, 500 + 800 - G / 2);
  EXPECT_EQ(caption->anchor, platform::TextAnchor::BottomLeft);
  EXPECT_EQ(caption->font.pixelHeight, 14 * 600 / 72);
}

TEST(SplitPrinting, FourAPageFillsSlotsInReadingOrder) {
  FakePrinter printer;
  ASSERT_TRUE(PrintRecord(printer, {DistinctMoves(120), {}, 0}, Header(), Split(50, 2), kStamp));
  ASSERT_EQ(printer.pages.size(), 1u);
  const RecordingCanvas& page = *printer.pages[0];
  const int left = (4958 - 4620) / 2 + 262, right = (4958 - 4620) / 2 + 2467;
  const int top = 500 + 400, bottom = 500 + (7017 - 1000) / 2 + 300;
  const DrawnOp* first = FindText(page, DiagramCaption(1, 50, 120));
  const DrawnOp* second = FindText(page, DiagramCaption(51, 100, 120));
  const DrawnOp* third = FindText(page, DiagramCaption(101, 150, 120));
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(third->text,
            "[" + Message(43) + " : 101 " + Message(44) + " ~ 120 " + Message(44) + "]");
  EXPECT_EQ(std::make_pair(first->x, first->y), std::make_pair(left + 52, top - 52));
  EXPECT_EQ(std::make_pair(second->x, second->y), std::make_pair(right + 52, top - 52));
  EXPECT_EQ(std::make_pair(third->x, third->y), std::make_pair(left + 52, bottom - 52));
  EXPECT_EQ(first->font.pixelHeight, 10 * 600 / 72);
  // Move 101 (point 6-6) is in the bottom-left diagram.
  const DrawnOp* stone101 = FindText(page, "101");
  ASSERT_NE(stone101, nullptr);
  EXPECT_EQ(stone101->x, left + 5 * 105 + 105 / 2);
  EXPECT_GT(stone101->y, bottom + 5 * 105);
  EXPECT_LT(stone101->y, bottom + 6 * 105);
  // No caption of the page frame on split pages.
  EXPECT_FALSE(HasText(page, Message(45) + " : 1 ~ 120"));
}

TEST(SplitPrinting, TwoAPageAndUnsetChoices) {
  FakePrinter two;
  ASSERT_TRUE(PrintRecord(two, {DistinctMoves(120), {}, 0}, Header(), Split(50, 1), kStamp));
  EXPECT_EQ(two.pages.size(), 2u);
  const DrawnOp* lower = FindText(*two.pages[0], DiagramCaption(51, 100, 120));
  ASSERT_NE(lower, nullptr);
  EXPECT_EQ(lower->y, 500 + (7017 - 1000) / 2 + 200 - 57);

  FakePrinter unset;
  ASSERT_TRUE(PrintRecord(unset, {DistinctMoves(120), {}, 0}, Header(), Split(50, 7), kStamp));
  EXPECT_EQ(unset.pages.size(), 1u);  // four a page
  EXPECT_EQ(DiagramsPerPage(-1), 4);

  FakePrinter zeroSplit;
  ASSERT_TRUE(PrintRecord(zeroSplit, {DistinctMoves(3), {}, 0}, Header(), Split(0, 0), kStamp));
  EXPECT_EQ(zeroSplit.pages.size(), 3u);  // at least one move a diagram
}

TEST(SplitPrinting, AGameWithoutMovesBeginsAndEndsAJobWithoutPages) {
  FakePrinter printer;
  ASSERT_TRUE(PrintRecord(printer, {TMoveList{}, {}, 0}, Header(), Split(50, 2), kStamp));
  EXPECT_EQ(printer.jobs, 1);
  EXPECT_EQ(printer.endedJobs, 1);
  EXPECT_TRUE(printer.pages.empty());
}

// Moves from first on: stones on count separate points, then each point played
// again, giving count retake groups, seven to a line of 28 cells. Passes before
// first and up to total.
TMoveList RetakeGroups(int first, int count, int total) {
  TMoveList moves;
  for (int i = 1; i < first; ++i) moves.Moves[moves.Count++] = {0, 0};
  for (int i = 0; i < count; ++i) {
    moves.Moves[moves.Count++] = {static_cast<std::uint8_t>(i % 10 * 2 + 1),
                                  static_cast<std::uint8_t>(i / 10 * 2 + 1)};
  }
  for (int i = 0; i < count; ++i) moves.Moves[moves.Count++] = moves.Moves[first - 1 + i];
  while (moves.Count < total) moves.Moves[moves.Count++] = {0, 0};
  return moves;
}

// Checks that the later plays first to last are each printed once, all on page.
void ExpectAllRetakesOn(const FakePrinter& printer, std::size_t page, int first, int last) {
  std::multiset<int> printed;
  for (int n : Numbers(*printer.pages[page])) printed.insert(n);
  for (int n = first; n <= last; ++n) EXPECT_EQ(printed.count(n), 1u) << n;
  for (const DrawnOp& op : printer.pages[page]->Of(DrawnOp::Kind::Ellipse)) {
    EXPECT_LE(op.box.bottom, 7017 - 500);
  }
}

TEST(SingleDiagramPage, WholeGameAndRangeCaptionsAndTheHeaderBlock) {
  FakePrinter whole;
  ASSERT_TRUE(PrintRecord(whole, {DistinctMoves(250), {}, 0}, Header(), TPrintRequest{}, kStamp));
  ASSERT_EQ(whole.pages.size(), 1u);
  const RecordingCanvas& page = *whole.pages[0];
  EXPECT_TRUE(HasText(page, Message(45) + " : 1 ~ 250"));
  EXPECT_TRUE(HasText(page, std::string(kStamp) + "   " + Message(29)));
  EXPECT_TRUE(HasText(page, Message(38) + "   : Lee"));
  EXPECT_TRUE(HasText(page, Message(39) + "   : Cho"));
  EXPECT_TRUE(HasText(page, Message(40) + " : 6.5"));
  EXPECT_TRUE(HasText(page, Message(41) + " : B+R"));
  EXPECT_TRUE(HasText(page, Message(42) + " : 2001-05-05"));
  EXPECT_TRUE(HasText(page, FooterNotice()));
  const DrawnOp* event = FindText(page, "Cup final");
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->x, 4958 / 2);
  EXPECT_EQ(event->anchor, platform::TextAnchor::TopCentre);
  // The top rule spans the page less half the left margin on each side.
  const std::vector<DrawnOp> rules = page.Of(DrawnOp::Kind::FillRect);
  ASSERT_GE(rules.size(), 2u);
  const int h = 10 * 600 / 72;
  EXPECT_EQ(rules[0].box, (platform::Rect{200, 500 - h / 4, 4958 - 200, 500}));
  EXPECT_EQ(rules[1].box, (platform::Rect{200, 7017 - 500, 4958 - 200, 7017 - 500 + h / 4}));

  FakePrinter range;
  TPrintRequest request;
  request.method = kPrintRange;
  request.startMove = 51;
  request.endMove = 100;
  ASSERT_TRUE(PrintRecord(range, {DistinctMoves(250), {}, 0}, Header(), request, kStamp));
  EXPECT_TRUE(HasText(*range.pages[0], Message(43) + " : 51 ~ 100"));
  const std::vector<int> numbers = Numbers(*range.pages[0]);
  EXPECT_EQ(numbers.front(), 51);
  EXPECT_EQ(numbers.back(), 100);
}

// The left edges of the stones drawn on a page, in drawing order.
std::vector<int> StoneLefts(const RecordingCanvas& page) {
  std::vector<int> lefts;
  for (const DrawnOp& op : page.Of(DrawnOp::Kind::Ellipse)) {
    if (op.pen.style == platform::PenStyle::Solid) lefts.push_back(op.box.left);
  }
  return lefts;
}

TEST(SmallerBoards, StandCentredWhereAFullBoardWouldWithTheirListBelow) {
  // One stone on the top-left point, played on again so that a retake list follows.
  TMoveList full;
  full.Moves[full.Count++] = {1, 1};
  full.Moves[full.Count++] = {1, 1};
  TMoveList nine = full;
  nine.Size = 9;
  for (const TPrintRequest& request : {TPrintRequest{}, Split(2, 2)}) {
    FakePrinter fullPrinter, ninePrinter;
    ASSERT_TRUE(PrintRecord(fullPrinter, {full, {}, 0}, Header(), request, kStamp));
    ASSERT_TRUE(PrintRecord(ninePrinter, {nine, {}, 0}, Header(), request, kStamp));
    const int G = request.method == kPrintSplit ? 105 : 185;
    const std::vector<int> fullStones = StoneLefts(*fullPrinter.pages[0]);
    const std::vector<int> nineStones = StoneLefts(*ninePrinter.pages[0]);
    ASSERT_EQ(nineStones.size(), fullStones.size());
    for (std::size_t i = 0; i < nineStones.size(); ++i) {
      EXPECT_EQ(nineStones[i] - fullStones[i], 10 * G / 2) << i;
    }
    // The list's stone comes right under the ninth line instead of the nineteenth.
    const std::vector<DrawnOp> fullEllipses = fullPrinter.pages[0]->Of(DrawnOp::Kind::Ellipse);
    const std::vector<DrawnOp> nineEllipses = ninePrinter.pages[0]->Of(DrawnOp::Kind::Ellipse);
    EXPECT_EQ(fullEllipses.back().box.top - nineEllipses.back().box.top, 10 * G);
  }
}

TEST(SingleDiagramPage, AGameWithoutMovesPrintsHeaderAndHandicapStones) {
  FakePrinter printer;
  ASSERT_TRUE(PrintRecord(printer, {TMoveList{}, {}, 4}, Header(), TPrintRequest{}, kStamp));
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_TRUE(HasText(*printer.pages[0], Message(38) + "   : Lee"));
  int stones = 0;
  for (const DrawnOp& op : printer.pages[0]->Of(DrawnOp::Kind::Ellipse)) {
    stones += op.pen.style == platform::PenStyle::Solid;
  }
  EXPECT_EQ(stones, 4);
}

TEST(SingleDiagramPage, RetakeLinesPastTheBottomRuleContinueOnAnotherPage) {
  // 70 stones on separate points, each played on again: 70 groups, ten lines of seven.
  TMoveList moves;
  for (int i = 0; i < 70; ++i) {
    moves.Moves[moves.Count++] = {static_cast<std::uint8_t>(i % 10 * 2 + 1),
                                  static_cast<std::uint8_t>(i / 10 * 2 + 1)};
  }
  for (int i = 0; i < 70; ++i) moves.Moves[moves.Count++] = moves.Moves[i];
  FakePrinter printer;
  ASSERT_TRUE(PrintRecord(printer, {moves, {}, 0}, Header(), TPrintRequest{}, kStamp));
  ASSERT_EQ(printer.pages.size(), 2u);
  // Every later play is printed once, on one page or the other, inside the bottom rule.
  std::multiset<int> printed;
  for (const auto& page : printer.pages) {
    for (int n : Numbers(*page)) printed.insert(n);
    for (const DrawnOp& op : page->Of(DrawnOp::Kind::Text)) EXPECT_LE(op.y, 7017 - 500 + 100);
  }
  for (int n = 71; n <= 140; ++n) EXPECT_EQ(printed.count(n), 1u) << n;
  EXPECT_TRUE(HasText(*printer.pages[1], Message(45) + " : 1 ~ 140"));
}

TEST(RetakeListsThatFit, StayUnderTheirDiagram) {
  // Range 200 to 405: 56 groups, eight lines of 123 dots from 5520 down to 6504,
  // above the bottom rule at 6517.
  FakePrinter range;
  TPrintRequest request;
  request.method = kPrintRange;
  request.startMove = 200;
  request.endMove = 405;
  ASSERT_TRUE(PrintRecord(range, {RetakeGroups(200, 56, 405), {}, 0}, Header(), request, kStamp));
  ASSERT_EQ(range.pages.size(), 1u);
  ExpectAllRetakesOn(range, 0, 256, 311);

  // 500 moves by 150, one a page: the first diagram's eleven lines of 138 dots fit
  // between 4953 and the rule, so four pages for four diagrams.
  FakePrinter split;
  ASSERT_TRUE(
      PrintRecord(split, {RetakeGroups(1, 75, 500), {}, 0}, Header(), Split(150, 0), kStamp));
  ASSERT_EQ(split.pages.size(), 4u);
  ExpectAllRetakesOn(split, 0, 76, 150);
  for (std::size_t page = 0; page < 4; ++page) {
    const int first = static_cast<int>(page) * 150 + 1;
    EXPECT_TRUE(HasText(*split.pages[page], DiagramCaption(first, first + 149, 500))) << page;
  }
}

TEST(RetakeListsThatFit, TopDiagramListsStopAboveTheCaptionBelow) {
  // Four a page: a top diagram's list may run down to the caption of the diagram
  // below it, and no further; what would run into it goes on a later page.
  // Nine lines of 79 dots from 2974 would reach 3685, past the caption at 3673.
  FakePrinter printer;
  ASSERT_TRUE(
      PrintRecord(printer, {RetakeGroups(1, 50, 200), {}, 0}, Header(), Split(100, 2), kStamp));
  EXPECT_EQ(printer.pages.size(), 1u);  // nothing below: the list runs on
  FakePrinter crowded;
  ASSERT_TRUE(
      PrintRecord(crowded, {RetakeGroups(1, 50, 300), {}, 0}, Header(), Split(100, 2), kStamp));
  ASSERT_EQ(crowded.pages.size(), 2u);
  const int captionBelow = FindText(*crowded.pages[0], DiagramCaption(201, 300, 300))->y;
  const int captionHeight = 10 * 600 / 72;
  for (const DrawnOp& op : crowded.pages[0]->Of(DrawnOp::Kind::Ellipse)) {
    if (op.box.top < captionBelow) {
      EXPECT_LE(op.box.bottom, captionBelow - captionHeight);
    }
  }
  std::multiset<int> printed;
  for (const auto& page : crowded.pages) {
    for (int n : Numbers(*page)) printed.insert(n);
  }
  for (int n = 51; n <= 100; ++n) EXPECT_EQ(printed.count(n), 1u) << n;
}

TEST(PrintFailures, TheJobIsEndedWhenAPageFails) {
  FakePrinter failing;
  failing.newPagesLeft = 1;
  EXPECT_FALSE(PrintRecord(failing, {DistinctMoves(150), {}, 0}, Header(), Split(50, 0), kStamp));
  EXPECT_EQ(failing.endedJobs, 1);
  EXPECT_FALSE(failing.running);
  EXPECT_EQ(failing.pages.size(), 2u);

  FakePrinter refusing;
  refusing.beginSucceeds = false;
  EXPECT_FALSE(
      PrintRecord(refusing, {DistinctMoves(10), {}, 0}, Header(), TPrintRequest{}, kStamp));
  EXPECT_FALSE(PrintRecord(refusing, {DistinctMoves(10), {}, 0}, Header(), Split(5, 0), kStamp));
  EXPECT_TRUE(refusing.pages.empty());
}

TEST(PrintButton, LevelsZeroAndTwoGetTheMemberNotice) {
  for (const char* level : {"0", "2", "1", "10", ""}) {
    std::string notice;
    bool printed = false;
    printBtnClick(
        level, [&](const std::string& text) { notice = text; }, [&] { printed = true; });
    const bool refused = std::string(level) == "0" || std::string(level) == "2";
    EXPECT_EQ(printed, !refused) << level;
    EXPECT_EQ(notice, refused ? Message(30) : "") << level;
  }
}

}  // namespace
}  // namespace moyo
