#pragma once
// A docking panel whose face is a wallpaper picture repeated across it.

#include <QPixmap>

#include "kit/TDockPanel.h"

namespace moyo::kit {

class TImagePanel : public TDockPanel {
 public:
  explicit TImagePanel(QWidget* parent = nullptr);

  // Sets the wallpaper, tiled from the panel's top-left corner.
  void SetWallpaper(const QPixmap& wallpaper);
  const QPixmap& Wallpaper() const { return wallpaper_; }

 protected:
  void PaintFace(QPainter& painter) override;

 private:
  QPixmap wallpaper_;
};

}  // namespace moyo::kit
