#pragma once
// A step button of the reference window: a gradient face from the kit with a
// picture or a caption, lit in the active colours while the mouse is over it
// or it is held down.

#include <QPixmap>

#include "kit/TGradientButton.h"

namespace moyo {

class THelpNavButton : public kit::TGradientButton {
 public:
  explicit THelpNavButton(QWidget* parent = nullptr);

  // The picture drawn in the middle of the face, over any caption.
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }
  // Which step this button takes: 0..3 the four steps, 4 the trial switch.
  int tag = 0;
  // Whether the face shows its active colours.
  bool Active() const { return active_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetActive(bool active);

  QPixmap picture_;
  bool active_ = false;
};

}  // namespace moyo
