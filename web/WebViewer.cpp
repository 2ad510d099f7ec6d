#include "web/WebViewer.h"

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "record/NgfReader.h"
#include "record/QnaExport.h"
#include "record/TaggedReader.h"

namespace moyo::web {
namespace {

// A picture the artwork lacks is drawn as plain board colour, as on the desktop.
RgbaImage BoardColour() {
  RgbaImage image;
  image.Resize(1, 1);
  image.pixels = {220, 179, 92, 255};
  return image;
}

}  // namespace

WebViewer::WebViewer(const WebViewerServices& services)
    : box_(*services.text), missingPicture_(BoardColour()) {
  TViewerServices session;
  session.notifier = services.notifier;
  session.makeTimer = services.makeTimer;
  session.stoneSound = services.stoneSound;
  session.bitmaps = services.artwork;
  session.missingPicture = &missingPicture_;
  session.paintBox = &box_;
  session.makeReferenceWindow = services.makeReferenceWindow;
  session_ = std::make_unique<TViewerSession>(*services.view, std::move(session));
}

TReadResult WebViewer::Load(std::string_view body, RecordReader reader, const std::string& level) {
  auto record = std::make_unique<TGameRecord>();
  const TReadResult result = reader == RecordReader::Ngf ? ReadNgfRecord(*record, body)
                                                         : ReadTaggedRecord(*record, body, level);
  if (result.failed || !result.show) return result;
  session_->SetLevel(level);
  session_->Record() = std::move(*record);
  session_->ApplyRecord();
  return result;
}

layout::TBoardPlace WebViewer::Place(int width, int height, int cell) {
  if (cell <= 0) return session_->PlaceBoard(width, height);
  TZelGoPB& painter = session_->Painter();
  const int lines = painter.Lines();
  layout::TBoardPlace place;
  place.cell = cell;
  place.pixels = cell * lines;
  place.left = (width - place.pixels - painter.Margin()) / 2;
  place.top = (height - place.pixels - painter.Margin()) / 2;
  if (place.pixels != painter.BoardPixels()) session_->chooseCellSize(place.pixels);
  return place;
}

std::string WebViewer::QnaText() {
  return moyo::QnaText(session_->Record(), session_->Board().MoveCount());
}

}  // namespace moyo::web
