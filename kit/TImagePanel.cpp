#include "kit/TImagePanel.h"

#include <QPainter>

namespace moyo::kit {

TImagePanel::TImagePanel(QWidget* parent) : TDockPanel(parent) {}

void TImagePanel::SetWallpaper(const QPixmap& wallpaper) {
  wallpaper_ = wallpaper;
  update();
}

void TImagePanel::PaintFace(QPainter& painter) {
  TDockPanel::PaintFace(painter);
  if (!wallpaper_.isNull()) painter.drawTiledPixmap(rect(), wallpaper_);
}

}  // namespace moyo::kit
