#pragma once
// The paint box widget: shows the image its painter draws into, takes the
// painter's size, and passes mouse presses on to it.

#include <QWidget>

#include "platform/PaintBox.h"
#include "platform/qt/QtImageBox.h"

namespace moyo::platform {

class QtPaintBox : public QWidget, public PaintBox {
 public:
  explicit QtPaintBox(QWidget* parent = nullptr);

  Canvas& GetCanvas() override { return box_.GetCanvas(); }
  // Resizes the image and the widget with it.
  void SetSize(int width, int height) override;
  Size GetSize() const override { return box_.GetSize(); }
  // Schedules a repaint of the widget from the image.
  void Changed() override { update(); }

  // The image shown, of PixelRatio() device pixels a logical pixel.
  const QImage& Image() const { return box_.Image(); }
  int PixelRatio() const { return box_.PixelRatio(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int ScreenRatio() const;

  QtImageBox box_;
};

}  // namespace moyo::platform
