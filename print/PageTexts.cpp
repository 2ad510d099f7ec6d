#include "print/PageTexts.h"

#include <algorithm>
#include <ctime>

#include "platform/Text.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

using platform::TextAnchor;

std::string Range(int start, int end) {
  return " : " + std::to_string(start) + " ~ " + std::to_string(end);
}

}  // namespace

std::string CurrentTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32] = "", time[32] = "";
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return std::string(date) + "   " + time;
}

const std::string& FooterNotice() {
  static const std::string notice = platform::Utf8ToCp949(
      "이 기보는 젤 기보 서비스에서 인쇄되었습니다. 무단 전재와 재배포를 금합니다.");
  return notice;
}

void PrintPageFrame(platform::Canvas& canvas, const TPageInfo& page, int top, int left, int start,
                    int end, int mode) {
  const platform::FontSpec font = LFontDesc(kPrintFontName, platform::kItalic, 10).MakeFont(canvas);
  const int h = font.pixelHeight;
  const int W = page.width, H = page.height;
  canvas.SetPen({platform::kBlack, 1, platform::PenStyle::Null, false});
  canvas.SetBrush({platform::kBlack, platform::BrushStyle::Solid});
  canvas.FillRect({left / 2, top - h / 4, W - left / 2, top});
  canvas.FillRect({left / 2, H - top, W - left / 2, H - top + h / 4});

  const int d = h / 2 + 10;
  canvas.SetFont(font);
  if (mode == kFrameWholeGame || mode == kFramePartial) {
    const std::string caption = Message(mode == kFrameWholeGame ? 45 : 43) + Range(start, end);
    canvas.TextOut(left / 2, top - d, caption, platform::kBlack, TextAnchor::BottomLeft);
  }
  canvas.TextOut(W - left / 2, top - d, page.timeStamp + "   " + page.title, platform::kBlack,
                 TextAnchor::BottomRight);
  canvas.TextOut(W - left / 2, H - top + d, FooterNotice(), platform::kBlack, TextAnchor::TopRight);
}

int PrintGameHeader(platform::Canvas& canvas, const TPageInfo& page, const TGamePInfo& header,
                    int y, int x, const LFontDesc& titleFont, const LFontDesc& lineFont) {
  const platform::FontSpec title = titleFont.MakeFont(canvas);
  const platform::FontSpec line = lineFont.MakeFont(canvas);
  const int Ht = title.pixelHeight, Hl = line.pixelHeight;
  canvas.SetFont(title);
  canvas.TextOut(page.width / 2, y + Ht / 2, header.EventName, platform::kBlack,
                 TextAnchor::TopCentre);

  const int pitch = Hl + Hl / 2;
  const std::string lines[] = {
      Message(msg::kBlack) + "   : " + header.BlackName,
      Message(msg::kWhite) + "   : " + header.WhiteName,
      Message(msg::kPrintMethod) + " : " + header.GameTerms,
      Message(msg::kPrintResult) + " : " + header.GameResult,
      Message(msg::kPrintDate) + " : " + header.GameDate,
  };
  canvas.SetFont(line);
  for (int k = 0; k < 5; ++k) {
    canvas.TextOut(x, y + 2 * Ht + k * pitch, lines[k], platform::kBlack, TextAnchor::TopLeft);
  }
  return 2 * Ht + 6 * pitch;
}

std::string DiagramCaption(int first, int last, int moveCount) {
  const std::string& move = Message(msg::kMoveSuffix);
  return "[" + Message(msg::kPartial) + " : " + std::to_string(first) + " " + move + " ~ " +
         std::to_string(std::min(last, moveCount)) + " " + move + "]";
}

void PrintDiagramCaption(platform::Canvas& canvas, int y, int x, int first, int last, int moveCount,
                         platform::TextAnchor anchor) {
  canvas.TextOut(x, y, DiagramCaption(first, last, moveCount), platform::kBlack, anchor);
}

}  // namespace moyo
