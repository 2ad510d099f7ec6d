// Writes every picture of the program as a PNG into the folder given, and
// with --sheet FILE also one contact sheet of them all to look at. The board's
// pictures are written raw as well (NAME.rgba: width and height as 32-bit
// little-endian numbers, then the PNG's pixels as unpremultiplied RGBA), for
// the web page, which hands them to its painter as they arrive.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QtEndian>
#include <cstdio>
#include <utility>
#include <vector>

#include "resources/artwork/ArtworkNames.h"
#include "resources/artwork/ArtworkPainters.h"

namespace {

using namespace moyo::artwork;

std::vector<std::pair<std::string, QImage>> AllPictures() {
  std::vector<std::pair<std::string, QImage>> all;
  all.emplace_back(kBoardWood.name, PaintWood(kBoardWood.width, kBoardWood.height));
  all.emplace_back(kBoardEdge.name, PaintEdge(kBoardEdge.width, kBoardEdge.height, false));
  all.emplace_back(kTrialEdge.name, PaintEdge(kTrialEdge.width, kTrialEdge.height, true));
  for (int cell = kMinStoneCell; cell <= kMaxStoneCell; ++cell) {
    all.emplace_back(StoneName('b', false, cell), PaintStone(false, cell));
    all.emplace_back(StoneName('w', false, cell), PaintStone(true, cell));
    all.emplace_back(StoneName('b', true, cell), PaintStoneMask(cell));
    all.emplace_back(StoneName('w', true, cell), PaintStoneMask(cell));
    all.emplace_back(StoneName('b', false, cell) + kDoubleSuffix, PaintStone(false, 2 * cell));
    all.emplace_back(StoneName('w', false, cell) + kDoubleSuffix, PaintStone(true, 2 * cell));
    all.emplace_back(StoneName('b', true, cell) + kDoubleSuffix, PaintStoneMask(2 * cell));
    all.emplace_back(StoneName('w', true, cell) + kDoubleSuffix, PaintStoneMask(2 * cell));
  }
  for (int i = 0; i < 6; ++i) {
    const Picture& a = kArrows[i];
    all.emplace_back(a.name, PaintFace(a.width, a.height, FaceContent::Arrow, {}, i + 1));
  }
  const std::pair<Picture, const char*> words[] = {
      {kAuto, "자동보기"},  {kAutoEnd, "보기멈춤"},  {kTest, "놓아보기"}, {kTestEnd, "검토마침"},
      {kOrder, "수순보기"}, {kOrderEnd, "수순지움"}, {kPrint, "인쇄"},    {kMove, "N번째"},
      {kHint, "힌트보임"},  {kHintX, "힌트숨김"},
  };
  for (const auto& [face, word] : words) {
    all.emplace_back(face.name, PaintFace(face.width, face.height, FaceContent::Word,
                                          QString::fromUtf8(word), 0));
  }
  const std::pair<Picture, FaceContent> icons[] = {
      {kNewsUp, FaceContent::NewsUp},          {kNewsDown, FaceContent::NewsDown},
      {kBlackButton, FaceContent::BlackStone}, {kWhiteButton, FaceContent::WhiteStone},
      {kBothButton, FaceContent::BothStones},
  };
  for (const auto& [face, content] : icons) {
    all.emplace_back(face.name, PaintFace(face.width, face.height, content, {}, 0));
  }
  all.emplace_back(kTitle.name, PaintTitle(kTitle.width, kTitle.height));
  all.emplace_back(kPlayerStrip.name, PaintPlayerStrip(kPlayerStrip.width, kPlayerStrip.height));
  all.emplace_back(kWallpaper.name, PaintWallpaper(kWallpaper.width, kWallpaper.height));
  return all;
}

// All pictures of one pixel a pixel on one sheet: stones in rows by size, the rest below.
QImage ContactSheet(const std::vector<std::pair<std::string, QImage>>& all) {
  QImage sheet(1500, 1400, QImage::Format_RGB32);
  sheet.fill(QColor(190, 190, 190));
  QPainter p(&sheet);
  int x = 8, y = 8, rowHeight = 0;
  for (const auto& [name, image] : all) {
    if (name.ends_with(kDoubleSuffix)) continue;  // the same stones again, larger
    const QImage shown = image.convertToFormat(QImage::Format_RGB32);
    if (x + shown.width() + 8 > sheet.width()) {
      x = 8;
      y += rowHeight + 8;
      rowHeight = 0;
    }
    p.drawImage(x, y, shown);
    x += shown.width() + 6;
    rowHeight = std::max(rowHeight, shown.height());
  }
  return sheet;
}

bool IsBoardPicture(const std::string& name) {
  if (name == kBoardWood.name || name == kBoardEdge.name || name == kTrialEdge.name) return true;
  const bool stone = name.size() >= 3 && (name[0] == 'b' || name[0] == 'w') &&
                     (name[1] == 's' || name[1] == 'm') && name[2] >= '0' && name[2] <= '9';
  return stone && !name.ends_with(kDoubleSuffix);
}

// The pixels exactly as a browser decodes the PNG, with no colour conversion.
bool WriteRaw(const QString& png, const QString& path) {
  const QImage rgba = QImage(png).convertToFormat(QImage::Format_RGBA8888);
  QFile file(path);
  if (rgba.isNull() || !file.open(QIODevice::WriteOnly)) return false;
  const quint32 size[2] = {qToLittleEndian(quint32(rgba.width())),
                           qToLittleEndian(quint32(rgba.height()))};
  bool written = file.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
  for (int y = 0; y < rgba.height() && written; ++y) {
    const qint64 row = qint64(rgba.width()) * 4;
    written = file.write(reinterpret_cast<const char*>(rgba.constScanLine(y)), row) == row;
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: generate_artwork OUTDIR [--sheet FILE.png]\n", stderr);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  const auto all = AllPictures();
  for (const auto& [name, image] : all) {
    const QString path = folder + "/" + QString::fromStdString(name) + ".png";
    const QString raw = folder + "/" + QString::fromStdString(name) + ".rgba";
    if (!image.save(path, "PNG") || (IsBoardPicture(name) && !WriteRaw(path, raw))) {
      std::fprintf(stderr, "generate_artwork: cannot write %s\n", path.toLocal8Bit().constData());
      return 1;
    }
  }
  if (argc >= 4 && QString(argv[2]) == "--sheet") {
    if (!ContactSheet(all).save(QString::fromLocal8Bit(argv[3]))) return 1;
  }
  return 0;
}
