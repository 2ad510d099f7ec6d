#pragma once
// A viewer session with every outside effect recorded: a view of plain
// values, the shared fakes of the system, pictures that are only sizes and a
// board surface that draws nothing.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/BitmapStore.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "record/TGameRecord.h"
#include "resources/Messages.h"
#include "tests/support/BoardDiagram.h"
#include "tests/support/ViewerFakes.h"
#include "viewer/TViewerSession.h"

namespace moyo::test {

// What the form would show, as values (texts in UTF-8).
class FakeView : public TViewerView {
 public:
  void SetEventName(const std::string& title) override { eventName = Utf8(title); }
  void SetInfoLine(int line, const std::string& text) override { infoLines[line] = Utf8(text); }
  void SetBlackPlayer(const std::string& name, const std::string& rank) override {
    black = Utf8(name) + " " + Utf8(rank);
  }
  void SetWhitePlayer(const std::string& name, const std::string& rank) override {
    white = Utf8(name) + " " + Utf8(rank);
  }
  void SetCaptures(const std::string& whiteDeadText, const std::string& blackDeadText) override {
    whiteDead = whiteDeadText;
    blackDead = blackDeadText;
  }
  void SetStatus(const std::string& text) override { status = Utf8(text); }
  void SetMoveText(const std::string& text) override { moveText = text; }
  void ShowStopFace(TFacePair pair, bool stop) override { stopFace[pair] = stop; }
  void SetModeButtonDown(int tag) override { modeButtonDown = tag; }
  void ClearMemo() override { memo.clear(); }
  void AddMemoLine(const std::string& line) override { memo.push_back(Utf8(line)); }
  void SetTrialFrame(bool trial) override { trialFrame = trial; }
  void NavigateNews(const std::string& address) override { newsAddresses.push_back(address); }
  void SetNewsPanel(TNewsPanel panel) override { news = panel; }
  void RelayoutBoard() override { ++relayouts; }
  void CopyBoardPicture() override { ++copies; }

  bool StopFace(TFacePair pair) const {
    const auto found = stopFace.find(pair);
    return found != stopFace.end() && found->second;
  }

  std::string eventName, black, white, status, moveText;
  std::map<int, std::string> infoLines;
  std::string whiteDead = "0", blackDead = "0";
  std::map<TFacePair, bool> stopFace;
  int modeButtonDown = 0;
  std::vector<std::string> memo;
  bool trialFrame = false;
  std::vector<std::string> newsAddresses;
  TNewsPanel news = TNewsPanel::Hidden;
  int relayouts = 0;
  int copies = 0;

 private:
  static std::string Utf8(const std::string& cp949) { return platform::Cp949ToUtf8(cp949); }
};

// A picture that is only its size.
class NamedPicture : public platform::Bitmap {
 public:
  explicit NamedPicture(int side) : side_(side) {}
  int Width() const override { return side_; }
  int Height() const override { return side_; }

 private:
  int side_;
};

// Every stone picture the viewer asks for exists; board pictures are 16 pixels.
class PictureStore : public platform::BitmapStore {
 public:
  const platform::Bitmap* Find(const std::string& name) override {
    auto& picture = pictures_[name];
    if (!picture) picture = std::make_unique<NamedPicture>(16);
    return picture.get();
  }

 private:
  std::map<std::string, std::unique_ptr<NamedPicture>> pictures_;
};

// A canvas that draws nothing, and the surface around it.
class NullCanvas : public platform::Canvas {
 public:
  void CopyRect(const platform::Rect&, const platform::Bitmap&, int, int,
                platform::RasterOp) override {}
  void SetPen(const platform::Pen&) override {}
  void SetBrush(const platform::Brush&) override {}
  void Line(int, int, int, int) override {}
  void Ellipse(const platform::Rect&) override {}
  void Rectangle(const platform::Rect&) override {}
  void FillRect(const platform::Rect&) override {}
  void SetFont(const platform::FontSpec& font) override { size_ = font.pointSize; }
  platform::Size TextExtent(const std::string& text) override {
    return {static_cast<int>(text.size()) * size_, 2 * size_};
  }
  void TextOut(int, int, const std::string&, platform::Rgb, platform::TextAnchor) override {}
  int DotsPerInchY() const override { return 96; }

 private:
  int size_ = 9;
};

class NullPaintBox : public platform::PaintBox {
 public:
  platform::Canvas& GetCanvas() override { return canvas_; }
  void SetSize(int width, int height) override { size_ = {width, height}; }
  platform::Size GetSize() const override { return size_; }
  void Changed() override { ++changes; }

  int changes = 0;

 private:
  NullCanvas canvas_;
  platform::Size size_;
};

// A session of a full member on a 494-pixel board, every effect recorded.
struct Viewer {
  Viewer() {
    TViewerServices services;
    services.notifier = &notices;
    services.makeTimer = [this] {
      auto timer = std::make_unique<ManualTimer>();
      timers.push_back(timer.get());
      return timer;
    };
    services.stoneSound = &sound;
    services.bitmaps = &pictures;
    services.missingPicture = &missing;
    services.paintBox = &paintBox;
    services.makeReferenceWindow = [this] {
      ++referenceWindowsMade;
      auto window = std::make_unique<FakeReferenceWindow>();
      reference = window.get();
      return window;
    };
    session = std::make_unique<TViewerSession>(view, std::move(services));
    session->SetLevel("1");
    session->PlaceBoard(524, 565);
  }

  TViewerSession* operator->() { return session.get(); }
  TGoBoard& Board() { return session->Board(); }
  int Move() { return session->Board().MoveCount(); }
  ManualTimer& PlayTimer() { return *timers.at(0); }
  ManualTimer& NoticeTimer() { return *timers.at(1); }
  ManualTimer& ReplyTimer() { return *timers.at(2); }
  // Ticks the reply pause until the replies are over.
  void PlayReplies() {
    for (int i = 0; i < 600 && session->State().replying; ++i) ReplyTimer().Tick();
  }
  // The painter's picture of the board as a diagram.
  std::string Screen() {
    TPointGrid points{};
    for (int y = 1; y <= 19; ++y) {
      for (int x = 1; x <= 19; ++x) points[y - 1][x - 1] = session->Painter().PointAt(x, y);
    }
    return DiagramOf(points, 19);
  }

  FakeView view;
  RecordingNotifier notices;
  std::vector<ManualTimer*> timers;
  CountingSound sound;
  PictureStore pictures;
  NamedPicture missing{1};
  NullPaintBox paintBox;
  FakeReferenceWindow* reference = nullptr;
  int referenceWindowsMade = 0;
  std::unique_ptr<TViewerSession> session;
};

// Loads the moves (an even game) into the session as a read record would be shown.
inline void Load(Viewer& v, const std::vector<TRecordMove>& moves) {
  TGameRecord& record = v->Record();
  record.Clear();
  for (const TRecordMove& move : moves) record.AddMove(move);
  v->ApplyRecord();
}

}  // namespace moyo::test
