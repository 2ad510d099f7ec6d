#include "viewer/TViewerSession.h"

#include <algorithm>
#include <charconv>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/BitmapStore.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Timer.h"
#include "record/ApplyRecord.h"
#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

// A decimal integer with an optional sign, or `fallback` for anything else.
int DecimalOr(const std::string& text, int fallback) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return fallback;
  return value;
}

// What a jump counts a text that is no number as.
constexpr int kNoNumber = 1000;

}  // namespace

TViewerSession::TViewerSession(TViewerView& view, TViewerServices services)
    : view_(view),
      services_(std::move(services)),
      record_(std::make_unique<TGameRecord>()),
      memo_(&view),
      noteMessage_(&memo_) {
  playTimer_ = services_.makeTimer();
  playTimer_->OnTimer = [this] { AutoPlayTick(); };
  noticeTimer_ = services_.makeTimer();
  noticeTimer_->SetInterval(kWrongGuessNoticeMs);
  noticeTimer_->OnTimer = [this] { CloseWrongGuessNotice(); };
  services_.notifier->OnClosed = [this] { noticeTimer_->SetEnabled(false); };

  const platform::Bitmap& wood = BoardPicture("baseb");
  const platform::Bitmap& edge = BoardPicture("bedge");
  BoardPicture("gedge");
  record_->commentCount = 0;
  painter_ = std::make_unique<TZelGoPB>(*services_.paintBox, wood, edge);
  // No size counts as unchanged, so the first placement always sizes the board.
  painter_->SetBoardPixels(0);
  board_ = std::make_unique<TGoBoard>();
  ConnectBoard();
}

TViewerSession::~TViewerSession() {
  // The board reports to the session and the painter; neither may hear it go.
  board_->OnStonePlaced = nullptr;
  board_->OnPointChanged = nullptr;
  board_->OnMove = nullptr;
  services_.notifier->OnClosed = nullptr;
}

void TViewerSession::ConnectBoard() {
  board_->OnStonePlaced = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    OnStonePlaced(x, y, number, colour);
  };
  board_->OnPointChanged = [this](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    painter_->DrawPoint(colour, x, y, number);
  };
  board_->OnMove = [this](const TGoBoard&, const TMoveInfo& info, bool) { OnMove(info); };
  painter_->OnPointClick = [this](TZelGoPB&, platform::MouseButton button, unsigned, int x, int y) {
    BoardClick(button, x, y);
  };
}

const platform::Bitmap& TViewerSession::BoardPicture(const std::string& name) {
  if (const platform::Bitmap* bitmap = services_.bitmaps->Find(name)) return *bitmap;
  return *services_.missingPicture;
}

// ---- Notices ----

void TViewerSession::showNotice(const std::string& text) {
  services_.notifier->ShowNotice(Message(msg::kNoticeCaption), text);
}

void TViewerSession::showNotice2(int first, int second) {
  showNotice(Message(first) + "\r\n\r\n" + Message(second));
}

// ---- Board model events ----

void TViewerSession::OnStonePlaced(int x, int y, int number, std::uint8_t colour) {
  if (!state_.loading && state_.soundOn) {
    services_.stoneSound->Play();
    ++stoneSounds_;
  }
  state_.lastPaintedColour = colour;
  painter_->DrawPoint(colour, x, y, number);
}

void TViewerSession::OnMove(const TMoveInfo& info) {
  const TCaptureLabels labels = CaptureLabels(info);
  view_.SetCaptures(labels.whiteDead, labels.blackDead);
}

// ---- Loading ----

class TViewerSession::RecordView : public TRecordView {
 public:
  explicit RecordView(TViewerSession& session) : s_(session) {}

  void SetHandicapByte(std::uint8_t handicap) override { s_.handicapByte_ = handicap; }
  void BoardCleared() override {
    // A new game raises no point events: wipe the old position from the screen
    // before the handicap stones report themselves, and zero the prisoner counts.
    // A record of another board size gets its own lines and cell size first.
    if (s_.painter_->Lines() != s_.board_->Size()) {
      s_.painter_->SetLines(s_.board_->Size());
      s_.view_.RelayoutBoard();
    }
    // Nothing of the old position's removal, the start stones and the replay
    // is seen: each point that changed is drawn once, when loading ends.
    s_.painter_->BeginHold();
    s_.painter_->LoadBoard(s_.board_->Points());
    s_.OnMove(s_.board_->GetMoveInfo());
  }
  void SetEventName(const std::string& title) override { s_.view_.SetEventName(title); }
  void SetInfoLine(int line, const std::string& text) override { s_.view_.SetInfoLine(line, text); }
  void SetBlackPlayer(const std::string& name, const std::string& rank) override {
    s_.view_.SetBlackPlayer(name, rank);
  }
  void SetWhitePlayer(const std::string& name, const std::string& rank) override {
    s_.view_.SetWhitePlayer(name, rank);
  }
  void ClearMemo() override { s_.memo_.Clear(); }
  void SetLoading(bool loading) override {
    s_.state_.loading = loading;
    if (!loading) s_.painter_->EndHold();
  }
  void RefreshComment() override { s_.refreshComment(); }
  void AppendMemoLine(const std::string& text) override { s_.memo_.AddLine(text); }

 private:
  TViewerSession& s_;
};

void TViewerSession::ApplyRecord() {
  CancelReplies();
  AbandonTrial();
  RecordView view(*this);
  moyo::ApplyRecord(*record_, level_, *board_, view);
}

// ---- Navigation ----

void TViewerSession::Navigate(int tag) {
  if (state_.replying) return;
  if (IsGuessing(state_.mode)) {
    showNotice2(msg::kNotWhileGuessing, msg::kBackToViewing);
    return;
  }
  state_.autoPlaying = false;
  if (state_.mode != ViewerMode::Viewing && state_.mode != ViewerMode::Trial) return;
  TGoBoard& board = *board_;
  switch (tag) {
    case 0:
      state_.soundOn = false;
      while (board.MoveCount() >= 1 && board.Back()) {
      }
      break;
    case 1:
      state_.soundOn = false;
      for (int i = 0; i < 5; ++i) board.Back();
      break;
    case 2:
      state_.soundOn = false;
      board.Back();
      break;
    case 3:
      state_.soundOn = true;
      board.Forward();
      break;
    case 4:
      state_.soundOn = false;
      for (int i = 0; i < 5; ++i) board.Forward();
      break;
    case 5:
      state_.soundOn = false;
      while (board.Forward()) {
      }
      break;
    default:
      return;
  }
  refreshComment();
}

void TViewerSession::Key(TViewerKey key) {
  if (key == TViewerKey::Copy) return view_.CopyBoardPicture();
  if (state_.replying) return;
  if (key == TViewerKey::Turn) return ToggleFlip();
  // A key is its navigation button, but a quiz is not to be answered with a
  // notice per keystroke.
  if (IsGuessing(state_.mode)) return;
  switch (key) {
    case TViewerKey::Home:
      return Navigate(0);
    case TViewerKey::PageUp:
      return Navigate(1);
    case TViewerKey::Left:
    case TViewerKey::WheelBack:
      return Navigate(2);
    case TViewerKey::Right:
    case TViewerKey::WheelForward:
      return Navigate(3);
    case TViewerKey::PageDown:
      return Navigate(4);
    case TViewerKey::End:
      return Navigate(5);
    default:
      return;
  }
}

void TViewerSession::BoardClick(platform::MouseButton button, int x, int y) {
  if (state_.replying) return;
  state_.autoPlaying = false;
  const bool left = button == platform::MouseButton::Left;
  switch (state_.mode) {
    case ViewerMode::Viewing:
      if (left) {
        state_.soundOn = true;
        if (!board_->Forward()) showNotice(Message(msg::kLastMove));
      } else {
        state_.soundOn = false;
        board_->Back();
      }
      refreshComment();
      break;
    case ViewerMode::Trial:
      TrialBoardClick(button, x, y);
      break;
    case ViewerMode::GuessBlack:
    case ViewerMode::GuessWhite:
    case ViewerMode::GuessBoth:
      if (!left) {
        showNotice2(msg::kNotWhileGuessing, msg::kBackToViewing);
        refreshComment();
      } else {
        JudgeGuess(x, y);
      }
      break;
  }
}

void TViewerSession::Jump(const std::string& text) {
  if (state_.replying) return;
  if (state_.mode != ViewerMode::Viewing) {
    showNotice2(msg::kOnlyWhileViewing, msg::kBackToViewing);
    return;
  }
  const int n = DecimalOr(text, kNoNumber);
  if (n == kNoNumber || n <= 0) {
    showNotice(Message(msg::kEnterANumber));
    view_.SetMoveText("");
    return;
  }
  if (state_.autoStopShown) StopAutoPlay();
  TGoBoard& board = *board_;
  state_.soundOn = false;
  while (board.MoveCount() >= 1 && board.Back()) {
  }
  refreshComment();
  if (n < board.LastMove()) {
    // A stored move the board refuses ends the walk where it stands.
    while (board.MoveCount() < n && board.Forward()) {
    }
  } else {
    while (board.Forward()) {
    }
  }
  refreshComment();
  view_.SetMoveText(std::to_string(board.MoveCount()));
}

// ---- Automatic play ----

void TViewerSession::SetAutoStopShown(bool shown) {
  state_.autoStopShown = shown;
  view_.ShowStopFace(TFacePair::AutoPlay, shown);
}

void TViewerSession::StartAutoPlay(int seconds) {
  if (state_.replying || state_.mode != ViewerMode::Viewing) return;
  playTimer_->SetInterval(seconds * 1000);
  playTimer_->SetEnabled(true);
  state_.autoPlaying = true;
  SetAutoStopShown(true);
}

void TViewerSession::AutoPlayTick() {
  if (!state_.autoPlaying) {
    playTimer_->SetEnabled(false);
    return;
  }
  state_.soundOn = true;
  if (!board_->Forward()) StopAutoPlay();
  refreshComment();
}

void TViewerSession::StopAutoPlay() {
  if (state_.mode != ViewerMode::Viewing) return;
  playTimer_->SetEnabled(false);
  state_.autoPlaying = false;
  SetAutoStopShown(false);
}

void TViewerSession::ChangePace(int seconds) {
  if (state_.autoStopShown) playTimer_->SetInterval(seconds * 1000);
}

// ---- Commentary ----

bool TViewerSession::CommentaryHidden() const {
  return SummaryOnly(record_->info, level_);
}

int TViewerSession::CommentaryMove() const {
  // In trial mode, the record's move from which the trial line branches off.
  return state_.mode == ViewerMode::Trial ? trialBranch_ : board_->MoveCount();
}

void TViewerSession::refreshComment() {
  if (CommentaryHidden()) return;
  const int move = CommentaryMove();
  memo_.Clear();
  noteMessage_.AddLink("", false);
  const int count = std::clamp(record_->commentCount, 0, kMaxCommentEntries);
  int references = 0;
  for (int i = 0; i < count; ++i) {
    const TCommentEntry& entry = record_->comments[static_cast<std::size_t>(i)];
    if (entry.moveNo != move) continue;
    if (entry.kind == kCommentText) {
      noteMessage_.AddText(entry.text, true);
    } else {
      ++references;
      noteMessage_.AddLink(
          Message(msg::kReference) + " " + std::to_string(move) + "-" + std::to_string(references),
          true);
    }
  }
}

void TViewerSession::OpenLink(const std::string& text) {
  if (state_.replying) return;
  const std::string& caption = Message(msg::kReference);
  if (text.size() < 8 || text.compare(0, caption.size(), caption) != 0 || text[6] != ' ') return;
  for (std::size_t i = 7; i < text.size(); ++i) {
    if (!(text[i] >= '0' && text[i] <= '9') && text[i] != '-') return;
  }
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos || dash <= 7) return;
  // The number after the first dash; another dash in it makes it no number.
  const int wanted = DecimalOr(text.substr(dash + 1), 0);
  if (wanted <= 0) return;
  const int move = CommentaryMove();
  const int count = std::clamp(record_->commentCount, 0, kMaxCommentEntries);
  int seen = 0;
  for (int i = 0; i < count; ++i) {
    const TCommentEntry& entry = record_->comments[static_cast<std::size_t>(i)];
    if (entry.moveNo == move && entry.kind == kReferenceDiagram && ++seen == wanted) {
      openReference(entry.text);
      return;
    }
  }
}

void TViewerSession::openReference(const std::string& text) {
  if (!referenceWindow_) {
    if (!services_.makeReferenceWindow) return;
    referenceWindow_ = services_.makeReferenceWindow();
    if (!referenceWindow_) return;
  }
  auto snapshot = std::make_unique<TBoardSnapshot>();
  board_->SavePosition(*snapshot);
  referenceWindow_->ShowPosition(board_->Size(), *snapshot, painter_->Flipped(), false);
  referenceWindow_->ShowWindow();
  referenceWindow_->LoadDiagram(text);
}

// ---- News ----

void TViewerSession::SetNews(const std::string& address) {
  if (address.empty()) return;
  view_.NavigateNews(address);
  // The button keeps its state: a folded panel opens, its next click opens it again.
  view_.SetNewsPanel(TNewsPanel::Open);
}

void TViewerSession::ToggleNews() {
  newsFolded_ = !newsFolded_;
  view_.SetNewsPanel(newsFolded_ ? TNewsPanel::Folded : TNewsPanel::Open);
}

// ---- Board ----

layout::TBoardPlace TViewerSession::PlaceBoard(int width, int height) {
  const layout::TBoardPlace place =
      layout::PlaceBoard(width, height, painter_->Margin(), painter_->Lines());
  if (place.pixels != painter_->BoardPixels()) chooseCellSize(place.pixels);
  return place;
}

void TViewerSession::chooseCellSize(int pixels) {
  const int n = pixels / painter_->Lines();
  if (n >= 10 && n <= 59) {
    const std::string size = std::to_string(n);
    platform::BitmapStore& bitmaps = *services_.bitmaps;
    painter_->SetStoneBitmaps(bitmaps.Find("bs" + size), bitmaps.Find("ws" + size),
                              bitmaps.Find("bm" + size), bitmaps.Find("wm" + size));
    ++stonePictureLoads_;
  }
  painter_->SetBoardSize(pixels);
}

void TViewerSession::ToggleFlip() {
  painter_->ToggleFlip();
}

}  // namespace moyo
