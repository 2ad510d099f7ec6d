#pragma once
// What a viewer of the page waits and shows with, over the page's script:
// every call names the element's form by its id, so elements on one page stay
// apart. Texts cross as UTF-8.

#include <map>
#include <string>

#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Timer.h"
#include "viewer/TViewerView.h"
#include "web/PendingTexts.h"

namespace moyo::web {

// A timer on the page's setInterval; its ticks come back through TickTimer.
class PageTimer : public platform::Timer {
 public:
  explicit PageTimer(int formId);
  ~PageTimer() override;
  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

  // Delivers the tick of timer `id`; a timer gone since is not called.
  static void Tick(int id);

 private:
  static std::map<int, PageTimer*>& Live();
  int id_;
  int formId_;
  int interval_ = 1000;
  bool enabled_ = false;
};

// Notices as a modal box inside the element, with one OK button. The page
// cannot wait, so ShowNotice returns at once; the box's button reports back
// through OnClosed.
class PageNotifier : public platform::Notifier {
 public:
  explicit PageNotifier(int formId) : formId_(formId) {}
  void ShowNotice(const std::string& caption, const std::string& text) override;
  void CloseNotice() override;
  bool WaitsForClose() const override { return false; }

 private:
  int formId_;
};

// The stone sound on Web Audio; a page without sound plays nothing.
class PageSound : public platform::SoundPlayer {
 public:
  explicit PageSound(int formId) : formId_(formId) {}
  void Play() override;

 private:
  int formId_;
};

// The form's components in the element's shadow tree.
class PageView : public TViewerView {
 public:
  explicit PageView(int formId) : formId_(formId) {}
  void SetEventName(const std::string& title) override;
  void SetInfoLine(int line, const std::string& text) override;
  void SetBlackPlayer(const std::string& name, const std::string& rank) override;
  void SetWhitePlayer(const std::string& name, const std::string& rank) override;
  void SetCaptures(const std::string& whiteDead, const std::string& blackDead) override;
  void SetStatus(const std::string& text) override;
  void SetMoveText(const std::string& text) override;
  void ShowStopFace(TFacePair pair, bool stop) override;
  void SetModeButtonDown(int tag) override;
  void ClearMemo() override;
  void AddMemoLine(const std::string& line) override;
  void SetTrialFrame(bool trial) override;
  void RelayoutBoard() override;
  void NavigateNews(const std::string& address) override;
  void SetNewsPanel(TNewsPanel panel) override;
  void CopyBoardPicture() override;

  // The labels' and the move edit's new texts since the last call, as the
  // page takes them: each name and its UTF-8 text followed by a NUL.
  std::string TakeTexts();

 private:
  // Sets the text of the component named `name`; the page shows it when it
  // next takes the texts.
  void Label(const char* name, const std::string& cp949);
  int formId_;
  PendingTexts texts_;
};

}  // namespace moyo::web
