// Speed of the page's reference panel on its RGBA canvas, without the browser:
// opening a ten-move diagram on a game position (the viewer's three calls, with
// the board painted), and one step of the diagram with its painting.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "board/TGoBoard.h"
#include "record/RecordReplay.h"
#include "record/TaggedReader.h"
#include "web/ReferencePanel.h"
#include "web/WebArtwork.h"

namespace {

using namespace moyo;
using namespace moyo::web;

class SizedText : public TextPainter {
 public:
  platform::Size Extent(const platform::FontSpec&, const std::string&) override { return {8, 12}; }
  void Draw(RgbaImage&, int, int, const platform::FontSpec&, const std::string&,
            platform::Rgb) override {}
};

// Pictures of the artwork's sizes; what they show does not change the cost.
RgbaImage Picture(int width, int height) {
  RgbaImage image;
  image.Resize(width, height);
  return image;
}

struct Scene {
  Scene() {
    artwork.Add("baseb", Picture(65, 243));
    artwork.Add("bedge", Picture(10, 12));
    artwork.Add("gedge", Picture(10, 12));
    for (const char* stone : {"bs14", "ws14", "bm14", "wm14"}) artwork.Add(stone, Picture(14, 14));
    std::ifstream in(MOYO_SOURCE_DIR "/samples/selfplay-commented-ko-fight.gib", std::ios::binary);
    const std::string body{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto record = std::make_unique<TGameRecord>();
    ReadTaggedRecord(*record, body, "1");
    TGoBoard board;
    ReplayRecord(*record, 200, board);
    board.SavePosition(game);
  }
  WebArtwork artwork;
  SizedText text;
  TBoardSnapshot game;
  ReferencePanelWindow window{artwork, text, {}};
};

// Moves 187 to 196 of the sample again, a ko fight with captures.
constexpr const char* kDiagram = "HFAKBGFFDFBFHFGFBGMJLJBF\\!\\!";

void BM_OpenDiagram(benchmark::State& state) {
  auto scene = std::make_unique<Scene>();
  for (auto _ : state) {
    scene->window.ShowPosition(19, scene->game, false, false);
    scene->window.ShowWindow();
    scene->window.LoadDiagram(kDiagram);
    benchmark::DoNotOptimize(scene->window.Panel().PaintBox().TakeDirty());
  }
}
BENCHMARK(BM_OpenDiagram)->Unit(benchmark::kMicrosecond);

void BM_StepDiagram(benchmark::State& state) {
  auto scene = std::make_unique<Scene>();
  scene->window.ShowPosition(19, scene->game, false, false);
  scene->window.LoadDiagram(kDiagram);
  TDiagramSession& session = scene->window.Panel().Session();
  int tag = 1;
  for (auto _ : state) {
    session.navButtonClick(tag);
    tag = 3 - tag;  // one back, one forward
    benchmark::DoNotOptimize(scene->window.Panel().PaintBox().TakeDirty());
  }
}
BENCHMARK(BM_StepDiagram)->Unit(benchmark::kMicrosecond);

}  // namespace
