#pragma once
// The painters of the artwork generator, one function a picture.

#include <QImage>
#include <QString>

namespace moyo::artwork {

// Whether pixel (x, y) of a cell-sized stone picture lies on the stone's
// disc; the stone and its mask both follow this.
bool OnStoneDisc(int cell, int x, int y);
// A shaded stone of a cell, black outside the disc, in 256 colours.
QImage PaintStone(bool white, int cell);
// The stone's mask: white outside the disc, black on it, one bit a pixel.
QImage PaintStoneMask(int cell);

// The kaya wood texture, seamless both ways, in 256 colours.
QImage PaintWood(int width, int height);
// The edge shadow picture; trial gives the teal variant.
QImage PaintEdge(int width, int height, bool trial);

// What a button face shows in each frame.
enum class FaceContent { Word, Arrow, NewsUp, NewsDown, BlackStone, WhiteStone, BothStones };
// A face of four frames (up, disabled, highlighted, down) side by side; arrow
// is 1..6 for the navigation glyphs, word the Korean caption.
QImage PaintFace(int width, int height, FaceContent content, const QString& word, int arrow);

// The title picture, the players' strip and the button bar's wallpaper.
QImage PaintTitle(int width, int height);
QImage PaintPlayerStrip(int width, int height);
QImage PaintWallpaper(int width, int height);

}  // namespace moyo::artwork
