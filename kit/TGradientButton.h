#pragma once
// A push button whose face is a vertical colour gradient under its caption.

#include <QColor>
#include <QPushButton>
#include <functional>

namespace moyo::kit {

class TGradientButton : public QPushButton {
 public:
  explicit TGradientButton(QWidget* parent = nullptr);

  // The face runs from `top` at the upper edge to `bottom` at the lower edge.
  void SetGradient(const QColor& top, const QColor& bottom);

  // Raised on every completed click.
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor top_{255, 255, 255};
  QColor bottom_{200, 200, 200};
};

}  // namespace moyo::kit
