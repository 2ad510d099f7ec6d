#pragma once
// One board of the page: a record read by the desktop's readers, applied to a
// board model as the viewer applies it, painted by the desktop's painter into
// an RGBA image, and stepped through its main line. The viewer form with its
// modes takes this place's navigation over once it runs in the page.

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/BitmapStore.h"
#include "record/ApplyRecord.h"
#include "record/TGameRecord.h"
#include "record/TReadResult.h"
#include "web/RecordRoad.h"
#include "web/RgbaPaintBox.h"

namespace moyo::web {

// The texts the page shows beside the board (CP949).
struct BoardTexts {
  std::string event;
  std::array<std::string, 6> infoLines;
  std::string blackPlayer, blackRank, whitePlayer, whiteRank;
  std::string blackCaptures, whiteCaptures;  // stones each side has taken
};

class BoardViewer : private TRecordView {
 public:
  // Paints with the pictures of artwork, text by text; both outlive the viewer.
  BoardViewer(platform::BitmapStore& artwork, TextPainter& text);
  ~BoardViewer() override;

  // Paints the board at cell pixels a point with margin pixels for shadow and
  // labels. False when the board pictures are missing.
  bool SetCell(int cell, int margin);
  // Reads body with reader and shows the record at its first move. A failed or
  // refused read leaves the board as it was.
  TReadResult Load(std::string_view body, RecordReader reader, std::string_view level);

  // Moves along the main line by delta moves (negative: back), as far as it goes.
  void Step(int delta);
  // Shows the position after move n of the main line.
  void GoTo(int n);
  // A mouse press on the board picture at pixel (x, y): in viewing, the left
  // button steps forward and any other back, wherever the point.
  void MouseDown(platform::MouseButton button, int x, int y);
  int MoveNumber() const { return board_.MoveCount(); }
  int LastMove() const { return board_.LastMove(); }

  const BoardTexts& Texts() const { return texts_; }
  // The commentary of the move on the board (CP949), items separated by line breaks.
  std::string Comment() const;

  // The question-and-answer text (CP949) of the game up to the move on the board.
  std::string QnaText() const;

  RgbaPaintBox& PaintBox() { return box_; }

  // What the print button prints from.
  const TGoBoard& Board() const { return board_; }
  const TGameRecord& Record() const { return *record_; }
  std::uint8_t HandicapByte() const { return handicap_; }
  const std::string& Level() const { return level_; }

 private:
  void SetHandicapByte(std::uint8_t handicap) override { handicap_ = handicap; }
  void BoardCleared() override;
  void SetEventName(const std::string& title) override { texts_.event = title; }
  void SetInfoLine(int line, const std::string& text) override;
  void SetBlackPlayer(const std::string& name, const std::string& rank) override;
  void SetWhitePlayer(const std::string& name, const std::string& rank) override;
  void ClearMemo() override {}
  void SetLoading(bool) override {}
  void RefreshComment() override {}
  void AppendMemoLine(const std::string&) override {}

  platform::BitmapStore& artwork_;
  RgbaPaintBox box_;
  std::unique_ptr<TZelGoPB> painter_;
  TGoBoard board_;
  std::unique_ptr<TGameRecord> record_;
  std::string level_;
  std::uint8_t handicap_ = 0;
  BoardTexts texts_;
};

}  // namespace moyo::web
