#include "kit/TDockPanel.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "kit/BevelFrame.h"

namespace moyo::kit {

TDockPanel::TDockPanel(QWidget* parent) : QWidget(parent) {}

void TDockPanel::DockChild(QWidget* child, Dock where) {
  if (child == nullptr || child->parentWidget() != this) return;
  for (const Docked& entry : docked_) {
    if (entry.widget == child) return;
  }
  docked_.push_back({child, where, Extent(where, child->size())});
  child->installEventFilter(this);
  Relayout();
}

void TDockPanel::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void TDockPanel::SetBevel(BevelKind kind, int width) {
  bevel_ = kind;
  bevelWidth_ = kind == BevelKind::None ? 0 : std::max(width, 0);
  Relayout();
  update();
}

void TDockPanel::Relayout() {
  if (placing_) return;
  placing_ = true;
  QRect free = rect().adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
  // A docked child that has been deleted takes no room.
  std::erase_if(docked_, [](const Docked& entry) { return entry.widget.isNull(); });
  for (Docked& entry : docked_) {
    QWidget* child = entry.widget;
    // An extent the panel did not give was set by the child's owner: it is the one to keep.
    const int current = Extent(entry.where, child->size());
    if (current != entry.placed) entry.wanted = current;
    if (child->isHidden()) continue;
    const int height = std::clamp(entry.wanted, 0, std::max(free.height(), 0));
    const int width = std::clamp(entry.wanted, 0, std::max(free.width(), 0));
    switch (entry.where) {
      case Dock::Top:
        child->setGeometry(free.left(), free.top(), free.width(), height);
        free.setTop(free.top() + height);
        break;
      case Dock::Bottom:
        child->setGeometry(free.left(), free.bottom() + 1 - height, free.width(), height);
        free.setBottom(free.bottom() - height);
        break;
      case Dock::Left:
        child->setGeometry(free.left(), free.top(), width, free.height());
        free.setLeft(free.left() + width);
        break;
      case Dock::Right:
        child->setGeometry(free.right() + 1 - width, free.top(), width, free.height());
        free.setRight(free.right() - width);
        break;
      case Dock::Client:
        child->setGeometry(free.left(), free.top(), std::max(free.width(), 0),
                           std::max(free.height(), 0));
        break;
    }
    entry.placed = Extent(entry.where, child->size());
  }
  placing_ = false;
}

int TDockPanel::Extent(Dock where, const QSize& size) {
  switch (where) {
    case Dock::Top:
    case Dock::Bottom:
      return size.height();
    case Dock::Left:
    case Dock::Right:
      return size.width();
    case Dock::Client:
      break;
  }
  return 0;
}

void TDockPanel::resizeEvent(QResizeEvent*) {
  Relayout();
  if (OnResize) OnResize();
}

void TDockPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintFace(painter);
  if (bevel_ == BevelKind::None) return;
  const bool lowered = bevel_ == BevelKind::Lowered;
  DrawBevelFrame(painter, rect(), lowered ? kBevelShadow : kBevelLight,
                 lowered ? kBevelLight : kBevelShadow, bevelWidth_);
}

void TDockPanel::PaintFace(QPainter& painter) {
  if (colour_.isValid()) painter.fillRect(rect(), colour_);
}

bool TDockPanel::eventFilter(QObject* watched, QEvent* event) {
  // A docked child that changes its own extent, or appears or disappears,
  // moves the children docked after it.
  const QEvent::Type type = event->type();
  if (!placing_ &&
      (type == QEvent::Resize || type == QEvent::ShowToParent || type == QEvent::HideToParent)) {
    Relayout();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace moyo::kit
