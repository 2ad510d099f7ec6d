#pragma once
// The viewer form's geometry in one table: where every panel and control sits
// (left, top, width, height inside its parent) and the rules the resize
// handlers follow. Plain numbers, shared by every view of the viewer.

#include <array>

namespace moyo::layout {

struct TBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// ---- Docked panels: their one fixed extent ----
inline constexpr int kRightPWidth = 252;
inline constexpr int kRightTopPHeight = 266;
inline constexpr int kMovesPHeight = 101;
inline constexpr int kMovesPHeightWithoutQuiz = 38;
inline constexpr int kTopPHeight = 26;
inline constexpr int kSidePWidth = 13;
inline constexpr int kButtonPHeight = 37;
inline constexpr int kFunctionPHeight = 37;
// The room buttonP leaves free left of functionP.
inline constexpr int kFunctionPLeftFree = 14;
inline constexpr int kNewsPOpen = 165;
inline constexpr int kNewsPFolded = 22;
inline constexpr int kPanPBevel = 2;

// ---- rightTopP: players and game information ----
inline constexpr TBox kMatchNameL{10, 10, 237, 14};
inline constexpr TBox kPlayerPanel{10, 26, 233, 66};
inline constexpr int kBlackRowTop = 39;
inline constexpr int kWhiteRowTop = 68;
inline constexpr TBox kPlayerL{44, 0, 104, 14};  // top: the row's
inline constexpr TBox kRankL{142, 0, 68, 14};    // right-aligned, ends at 210
inline constexpr TBox kDiedSL{220, 0, 16, 14};   // right-aligned
inline constexpr TBox kBevel1{10, 100, 233, 2};
inline constexpr TBox kEventNameL{10, 110, 237, 16};
// Information line i (1 to 6) sits at top kInfoLineTop + kInfoLineStep * i.
inline constexpr TBox kInfoLine{10, 113, 237, 14};
inline constexpr int kInfoLineStep = 20;
inline constexpr TBox kBevel2{10, 259, 233, 2};

// ---- Panel1: commentary and news ----
inline constexpr TBox kLabel1{10, 4, 200, 14};
inline constexpr TBox kCommentM{10, 22, 238, 100};  // height follows commentP
inline constexpr int kCommentMBelow = 29;           // commentP height - memo height
inline constexpr TBox kNewsL{10, 4, 200, 14};
inline constexpr TBox kNewsBtn{231, 4, 16, 13};
inline constexpr TBox kWebNews{10, 22, 238, 142};

// ---- movesP: the play and guessing rows ----
inline constexpr TBox kAutoBtn{18, 7, 56, 20};
inline constexpr TBox kSecondSE{83, 7, 43, 21};
inline constexpr TBox kMoveBtn{144, 7, 46, 20};
inline constexpr TBox kMoveEd{195, 7, 41, 20};
inline constexpr TBox kBevel3{10, 37, 233, 2};
inline constexpr TBox kLabel2{10, 47, 160, 14};
inline constexpr TBox kGiboBtn{183, 45, 56, 20};
inline constexpr TBox kBBtn{19, 70, 22, 20};
inline constexpr TBox kWBtn{41, 70, 22, 20};
inline constexpr TBox kBWBtn{63, 70, 27, 20};
inline constexpr TBox kStatusL{96, 74, 68, 14};
inline constexpr TBox kBevel4{168, 70, 2, 20};
inline constexpr TBox kHintBtn{183, 70, 56, 20};

// ---- leftP: title, function bar and board ----
inline constexpr TBox kImage1{13, 1, 310, 25};
// testBtn's left is functionP's width less this; numBtn and printBtn follow a button apart.
inline constexpr int kTestBtnFromRight = 294;
inline constexpr TBox kWordButton{0, 0, 96, 35};
// Navigation buttons: the two outer ones 39 wide, the inner four 37, edge to edge.
inline constexpr int kNavTop = 8;
inline constexpr int kNavHeight = 20;
inline constexpr int kNavOuterWidth = 39;
inline constexpr int kNavInnerWidth = 37;
inline constexpr int kNavSpreadAtCreation = 463;
inline constexpr int kNavSpreadOnResize = 500;
// Room kept around the board inside panP besides the painter's margin.
inline constexpr int kBoardSlack = 5;

// The width of navigation button k (0 to 5).
constexpr int NavButtonWidth(int k) {
  return k == 0 || k == 5 ? kNavOuterWidth : kNavInnerWidth;
}

// The left of every navigation button on a functionP `functionWidth` wide;
// button 0 centres `spread` pixels, the rest follow edge to edge.
constexpr std::array<int, 6> NavButtonLefts(int functionWidth, int spread) {
  std::array<int, 6> lefts{};
  lefts[0] = (functionWidth - spread) / 2;
  for (int k = 1; k < 6; ++k) lefts[k] = lefts[0] + kNavOuterWidth + kNavInnerWidth * (k - 1);
  return lefts;
}

// testBtn, numBtn and printBtn on a functionP `functionWidth` wide.
constexpr std::array<int, 3> WordButtonLefts(int functionWidth) {
  const int test = functionWidth - kTestBtnFromRight;
  return {test, test + kWordButton.width, test + 2 * kWordButton.width};
}

// Where the board goes in panP: the cell size, the board's pixels and its
// paint box's left and top, centred with the painter's margin.
struct TBoardPlace {
  int cell = 0;
  int pixels = 0;
  int left = 0;
  int top = 0;
};
constexpr TBoardPlace PlaceBoard(int width, int height, int margin, int lines) {
  const int byWidth = (width - kBoardSlack - margin) / lines;
  const int byHeight = (height - kBoardSlack - margin) / lines;
  TBoardPlace place;
  place.cell = byWidth < byHeight ? byWidth : byHeight;
  place.pixels = lines * place.cell;
  place.left = (width - place.pixels - margin) / 2;
  place.top = (height - place.pixels - margin) / 2;
  return place;
}

}  // namespace moyo::layout
