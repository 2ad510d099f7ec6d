// getFile as a host calls it: a 400-move commented record downloaded from the
// local record server, read, applied, and its first move painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/ModuleHost.h"
#include "app/RecordServer.h"
#include "board/TGoBoard.h"
#include "control/VariantText.h"
#include "platform/Text.h"

namespace {

// A legal 400-move game in the tagged notation, every move with a commentary.
std::string CommentedGame() {
  moyo::TGoBoard board;
  std::string text = "(;EV[" + moyo::platform::Utf8ToCp949("연습기전") + "]PB[Kim]PW[Lee]";
  const std::string note =
      moyo::platform::Utf8ToCp949("이 수는 좋은 수입니다. 백은 손을 뺄 수 없습니다.");
  unsigned state = 11;
  for (int move = 0; move < 400; ++move) {
    for (int attempt = 0; attempt < 2000; ++attempt) {
      state = state * 1103515245u + 12345u;
      const int x = static_cast<int>((state >> 8) % 19) + 1;
      const int y = static_cast<int>((state >> 16) % 19) + 1;
      if (!board.IsLegal(x, y)) continue;
      board.PlayMove(x, y, true);
      text += std::string(";") + (move % 2 == 0 ? "B[" : "W[") + static_cast<char>('a' + x - 1) +
              static_cast<char>('a' + y - 1) + "]C[" + note + "]";
      break;
    }
  }
  return text + ")";
}

void BM_GetFileOf400CommentedMoves(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "retrieval_bench";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);

  char folder[] = "/tmp/moyo-bench-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    std::FILE* file = std::fopen((std::string(folder) + "/bench-400.gib").c_str(), "wb");
    const std::string game = CommentedGame();
    std::fwrite(game.data(), 1, game.size(), file);
    std::fclose(file);
  }
  moyo::app::RecordServer server(folder, "none");
  const int port = server.Bind("127.0.0.1", 0);
  server.Start();
  setenv("MOYOSCOPE_WEB_SERVER", ("127.0.0.1:" + std::to_string(port)).c_str(), 1);

  std::string error;
  std::unique_ptr<moyo::app::TModule> module = moyo::app::TModule::Load(MOYO_MODULE_PATH, error);
  moyo::com::IMoyoscope* control = module ? module->CreateControl(error) : nullptr;
  if (control == nullptr) {
    state.SkipWithError(error.c_str());
    return;
  }
  const moyo::com::VARIANT name400 = moyo::com::MakeBstr(u"bench-400.gib");
  const moyo::com::VARIANT level = moyo::com::MakeBstr(u"1");
  for (auto _ : state) {
    if (moyo::com::Failed(control->getFile(name400, level))) state.SkipWithError("getFile failed");
  }
  control->Release();
  server.Stop();
  std::system((std::string("rm -rf ") + folder).c_str());
}
BENCHMARK(BM_GetFileOf400CommentedMoves)->Unit(benchmark::kMillisecond);

}  // namespace
