// Speed of the page's viewer on the RGBA canvas, without the browser: reading
// and showing a 255-move record, and one step forward with its painting.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "resources/artwork/ArtworkNames.h"
#include "tests/web/PageViewer.h"
#include "web/WebArtwork.h"

namespace {

using namespace moyo::web;

class NoText : public TextPainter {
 public:
  moyo::platform::Size Extent(const moyo::platform::FontSpec&, const std::string&) override {
    return {8, 12};
  }
  void Draw(RgbaImage&, int, int, const moyo::platform::FontSpec&, const std::string&,
            moyo::platform::Rgb) override {}
};

// Pictures of the artwork's sizes; what they show does not change the cost.
RgbaImage Picture(int width, int height) {
  RgbaImage image;
  image.Resize(width, height);
  return image;
}

struct Page {
  explicit Page(int cell) {
    namespace art = moyo::artwork;
    artwork.Add(art::kBoardWood.name, Picture(art::kBoardWood.width, art::kBoardWood.height));
    artwork.Add(art::kBoardEdge.name, Picture(art::kBoardEdge.width, art::kBoardEdge.height));
    for (char colour : {'b', 'w'}) {
      for (bool mask : {false, true})
        artwork.Add(art::StoneName(colour, mask, cell), Picture(cell, cell));
    }
    web = std::make_unique<test::PageViewer>(artwork, text, cell, 20);
    std::ifstream in(MOYO_SOURCE_DIR "/samples/selfplay-commented-ko-fight.gib", std::ios::binary);
    record.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  WebArtwork artwork;
  NoText text;
  std::unique_ptr<test::PageViewer> web;
  std::string record;
};

void BM_LoadAndShowRecord(benchmark::State& state) {
  Page page(26);
  for (auto _ : state) {
    page.web->viewer.Load(page.record, RecordReader::Tagged, "1");
    benchmark::DoNotOptimize(page.web->viewer.PaintBox().TakeDirty());
  }
}
BENCHMARK(BM_LoadAndShowRecord)->Unit(benchmark::kMicrosecond);

void BM_StepForwardWithPainting(benchmark::State& state) {
  Page page(static_cast<int>(state.range(0)));
  page.web->viewer.Load(page.record, RecordReader::Tagged, "1");
  for (auto _ : state) {
    if (page.web->MoveNumber() == page.web->LastMove()) {
      state.PauseTiming();
      page.web->GoTo(0);
      state.ResumeTiming();
    }
    page.web->viewer.Session().Navigate(3);
    benchmark::DoNotOptimize(page.web->viewer.PaintBox().TakeDirty());
  }
}
BENCHMARK(BM_StepForwardWithPainting)->Arg(19)->Arg(26)->Arg(44)->Unit(benchmark::kMicrosecond);

void BM_WholeRepaint(benchmark::State& state) {
  Page page(26);
  page.web->viewer.Load(page.record, RecordReader::Tagged, "1");
  page.web->GoTo(255);
  int cell = 26;
  for (auto _ : state) {
    // A new size repaints everything; alternate between two.
    cell = cell == 26 ? 27 : 26;
    state.PauseTiming();
    page.artwork.Add(moyo::artwork::StoneName('b', false, cell), Picture(cell, cell));
    page.artwork.Add(moyo::artwork::StoneName('w', false, cell), Picture(cell, cell));
    page.artwork.Add(moyo::artwork::StoneName('b', true, cell), Picture(cell, cell));
    page.artwork.Add(moyo::artwork::StoneName('w', true, cell), Picture(cell, cell));
    state.ResumeTiming();
    page.web->viewer.Place(0, 0, cell);
  }
}
BENCHMARK(BM_WholeRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
