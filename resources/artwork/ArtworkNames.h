#pragma once
// The names and sizes of the program's pictures. The artwork generator makes
// each of them; the bitmap store finds them by these names (in any case).

#include <string>

namespace moyo::artwork {

// A picture of the form: a button face of so many equal frames side by side
// (up, disabled, highlighted, down), or a plain picture of one frame.
struct Picture {
  const char* name;
  int width, height;  // of the whole picture
  int frames;
};

// Board pictures.
inline constexpr Picture kBoardWood{"baseb", 65, 243, 1};
inline constexpr Picture kBoardEdge{"bedge", 10, 12, 1};
inline constexpr Picture kTrialEdge{"gedge", 10, 12, 1};

// Stone pictures exist for cells of this many pixels.
inline constexpr int kMinStoneCell = 10;
inline constexpr int kMaxStoneCell = 59;

// The stone pictures of a cell size: kind 'b' or 'w' and stone or mask,
// "bs26", "wm26" and so on.
std::string StoneName(char colour, bool mask, int cell);

// Each stone picture also exists painted at twice its size for screens of two
// device pixels a pixel, named with this suffix ("bs26_2x", 52 pixels wide).
inline constexpr const char* kDoubleSuffix = "_2x";

// Navigation arrows, in order: to the start, five back, one back, one
// forward, five forward, to the end.
inline constexpr Picture kArrows[] = {
    {"arrow1", 156, 20, 4}, {"arrow2", 148, 20, 4}, {"arrow3", 148, 20, 4},
    {"arrow4", 148, 20, 4}, {"arrow5", 148, 20, 4}, {"arrow6", 156, 20, 4},
};

// Button faces with words.
inline constexpr Picture kAuto{"auto", 224, 21, 4};          // 자동보기
inline constexpr Picture kAutoEnd{"autoend", 224, 21, 4};    // 보기멈춤
inline constexpr Picture kTest{"test", 384, 35, 4};          // 놓아보기
inline constexpr Picture kTestEnd{"testend", 384, 35, 4};    // 검토마침
inline constexpr Picture kOrder{"order", 384, 35, 4};        // 수순보기
inline constexpr Picture kOrderEnd{"orderend", 384, 35, 4};  // 수순지움
inline constexpr Picture kPrint{"printbtn", 384, 35, 4};     // 인쇄
inline constexpr Picture kMove{"movebtn", 184, 20, 4};       // N번째
inline constexpr Picture kHint{"hintbtn", 224, 20, 4};       // 힌트보임
inline constexpr Picture kHintX{"hintxbtn", 224, 20, 4};     // 힌트숨김
inline constexpr Picture kNewsUp{"newsup", 64, 14, 4};       // opens the news panel
inline constexpr Picture kNewsDown{"newsdown", 64, 14, 4};   // closes it

// Stone icons of the guessing-mode buttons: Black, White, both.
inline constexpr Picture kBlackButton{"bbtn", 88, 20, 4};
inline constexpr Picture kWhiteButton{"wbtn", 88, 20, 4};
inline constexpr Picture kBothButton{"bwbtn", 108, 20, 4};

// Plain pictures of the form.
inline constexpr Picture kTitle{"title", 310, 25, 1};              // Image1
inline constexpr Picture kPlayerStrip{"playerstrip", 233, 66, 1};  // PlayerPanel
inline constexpr Picture kWallpaper{"wallpaper", 44, 35, 1};       // functionP

}  // namespace moyo::artwork
