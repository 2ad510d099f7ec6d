#pragma once
// A sunken box line that separates groups of controls.

#include <QWidget>

namespace moyo::kit {

class TBevel : public QWidget {
 public:
  explicit TBevel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace moyo::kit
