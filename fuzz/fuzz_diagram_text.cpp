// Feeds arbitrary bytes to the reference window's diagram-text reader, and opens
// them in the window's session as the viewer does: on a game position, then
// through trial mode and back, which must restore the diagram exactly.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "board/TGoBoard.h"
#include "record/DiagramText.h"
#include "refdiagram/TDiagramSession.h"
#include "refdiagram/TDiagramView.h"
#include "tests/support/FakeCanvas.h"

namespace {

using namespace moyo;

struct SilentView : TDiagramView {
  void SetAreaColour(platform::Rgb) override {}
  void SetCaption(const std::string&) override {}
  void SetMemo(const std::string&) override {}
  void SetTrialCaption(const std::string&) override {}
  void ShowTrialTools(bool) override {}
  void ShowMarking(bool) override {}
  void ShowLetter(int) override {}
  void PlaceBoard(int, int) override {}
  void PlaceStepButton(int, int, int) override {}
};

struct Pictures : platform::BitmapStore {
  const platform::Bitmap* Find(const std::string&) override { return nullptr; }
};

// The reader's results must come from the text itself.
void CheckReading(std::string_view text) {
  const TDiagramText diagram = ReadDiagramText(text);
  const std::size_t read =
      4 + 2 * diagram.Moves.size() + 4 * diagram.Labels.size() + diagram.Comment.size();
  if (diagram.MovesValid && read > text.size()) __builtin_trap();
  if (!diagram.MovesValid && (!diagram.Moves.empty() || diagram.HasRest)) __builtin_trap();
}

struct Window {
  Window() {
    TGoBoard viewer;
    for (int i = 1; i <= 30; ++i) viewer.PlayMove(i % 19 + 1, (i * 7) % 19 + 1, true);
    viewer.SavePosition(*game);
    session.pBBaseResize(294, 280);
  }

  SilentView view;
  testing::FakePaintBox box;
  Pictures pictures;
  testing::FakeBitmap missing{65, 243, "missing"};
  TDiagramSession session{view, box, pictures, missing};
  std::unique_ptr<TBoardSnapshot> game = std::make_unique<TBoardSnapshot>();
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckReading(text);
  static Window window;
  window.box.canvas.Clear();
  window.session.ShowPosition(*window.game, size % 2 == 1, false);
  window.session.LoadDiagram(text);
  auto loaded = std::make_unique<TBoardSnapshot>();
  window.session.Board().SavePosition(*loaded);
  window.session.ToggleTrial();
  window.session.HelpPBPointClick(platform::MouseButton::Left, 10, 10);
  window.session.ToggleTrial();
  auto restored = std::make_unique<TBoardSnapshot>();
  window.session.Board().SavePosition(*restored);
  if (!(*restored == *loaded)) __builtin_trap();
  return 0;
}
