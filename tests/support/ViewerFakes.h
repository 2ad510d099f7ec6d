#pragma once
// Plain stand-ins for what the viewer uses of the system, shared by the
// viewer's tests and the form's: notices kept instead of shown, timers that
// tick when the test says, a counted sound, a reference window that records
// its calls; and record builders and message texts.

#include <functional>
#include <string>
#include <vector>

#include "board/BoardRecords.h"
#include "board/TGoBoard.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "record/TGameRecord.h"
#include "resources/Messages.h"
#include "viewer/TReferenceWindow.h"
#include "viewer/TViewerView.h"

namespace moyo::test {

// Notices are kept (as UTF-8) instead of shown; `whileOpen` runs as if the
// user or a timer acted while the notice is up.
class RecordingNotifier : public platform::Notifier {
 public:
  void ShowNotice(const std::string& caption, const std::string& text) override {
    captions.push_back(platform::Cp949ToUtf8(caption));
    texts.push_back(platform::Cp949ToUtf8(text));
    if (whileOpen) whileOpen();
  }
  void CloseNotice() override { ++closes; }
  bool WaitsForClose() const override { return waits; }

  std::vector<std::string> captions;
  std::vector<std::string> texts;
  int closes = 0;
  std::function<void()> whileOpen;
  bool waits = true;  // false: behaves as a page's notices, which return at once
};

// A timer that ticks only when the test says so.
class ManualTimer : public platform::Timer {
 public:
  void SetInterval(int milliseconds) override { interval = milliseconds; }
  int Interval() const override { return interval; }
  void SetEnabled(bool on) override {
    if (on && !enabled) ++starts;
    enabled = on;
  }
  bool Enabled() const override { return enabled; }
  // One tick, as the message loop would deliver it while enabled.
  void Tick() {
    if (enabled && OnTimer) OnTimer();
  }

  int interval = 1000;
  bool enabled = false;
  int starts = 0;
};

class CountingSound : public platform::SoundPlayer {
 public:
  void Play() override { ++plays; }
  int plays = 0;
};

// A view that shows nothing, for checks that look only at the board.
class SilentView : public TViewerView {
 public:
  void SetEventName(const std::string&) override {}
  void SetInfoLine(int, const std::string&) override {}
  void SetBlackPlayer(const std::string&, const std::string&) override {}
  void SetWhitePlayer(const std::string&, const std::string&) override {}
  void SetCaptures(const std::string&, const std::string&) override {}
  void SetStatus(const std::string&) override {}
  void SetMoveText(const std::string&) override {}
  void ShowStopFace(TFacePair, bool) override {}
  void SetModeButtonDown(int) override {}
  void ClearMemo() override {}
  void AddMemoLine(const std::string&) override {}
  void SetTrialFrame(bool) override {}
  void RelayoutBoard() override {}
  void NavigateNews(const std::string&) override {}
  void SetNewsPanel(TNewsPanel) override {}
  void CopyBoardPicture() override {}
};

class FakeReferenceWindow : public TReferenceWindow {
 public:
  void ShowPosition(int lines, const TBoardSnapshot& snapshot, bool flipped, bool draw) override {
    calls.push_back("ShowPosition " + std::to_string(lines) + " " +
                    std::to_string(snapshot.MoveCount) + (flipped ? " flipped" : "") +
                    (draw ? " draw" : ""));
  }
  void ShowWindow() override { calls.push_back("ShowWindow"); }
  void LoadDiagram(const std::string& diagram) override { calls.push_back("Load " + diagram); }

  std::vector<std::string> calls;
};

// A game of `count` moves that a board accepts, with captures along the way:
// points are tried in a fixed pseudo-random order for the side to move.
inline std::vector<TRecordMove> LegalGame(int count, unsigned seed = 7) {
  TGoBoard board;
  std::vector<TRecordMove> moves;
  unsigned state = seed;
  while (static_cast<int>(moves.size()) < count) {
    bool played = false;
    for (int attempt = 0; attempt < 400 && !played; ++attempt) {
      state = state * 1103515245u + 12345u;
      const int x = static_cast<int>((state >> 8) % 19) + 1;
      const int y = static_cast<int>((state >> 16) % 19) + 1;
      if (board.IsLegal(x, y)) {
        const std::uint8_t colour = board.ToMove() == kBlack ? kRecordBlack : kRecordWhite;
        board.PlayMove(x, y, true);
        moves.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), colour});
        played = true;
      }
    }
    if (!played) {
      board.Pass();
      moves.push_back({0, 0, kRecordBlack});
    }
  }
  return moves;
}

inline std::string Cp(const char* utf8) {
  return platform::Utf8ToCp949(utf8);
}
inline std::string Utf8Message(int id) {
  return platform::Cp949ToUtf8(Message(id));
}
inline std::string TwoMessages(int first, int second) {
  return Utf8Message(first) + "\r\n\r\n" + Utf8Message(second);
}

}  // namespace moyo::test
