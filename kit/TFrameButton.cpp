#include "kit/TFrameButton.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "kit/BevelFrame.h"

namespace moyo::kit {

TFrameButton::TFrameButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) OnClick(*this);
  });
  // Both a click from code and one with the mouse end here; only the first
  // passes through checkStateSet(), so the group is kept from the signal.
  connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
    if (checked) ReleaseOthersInGroup();
  });
}

void TFrameButton::SetGlyph(const QPixmap& strip, int frames) {
  strip_ = strip;
  frames_ = frames > 0 ? frames : 1;
  update();
}

void TFrameButton::SetGroupIndex(int group) {
  group_ = group;
  setCheckable(group != 0);
}

void TFrameButton::SetDownInGroup(bool down) {
  if (group_ == 0) return;
  setChecked(down);
}

int TFrameButton::CurrentFrame() const {
  if (!isEnabled()) return kDisabled;
  if (isDown() || isChecked()) return kDown;
  if (underMouse()) return kHighlighted;
  return kUp;
}

QSize TFrameButton::sizeHint() const {
  if (strip_.isNull()) return {56, 20};
  return {strip_.width() / frames_, strip_.height()};
}

void TFrameButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int frame = CurrentFrame();
  if (strip_.isNull()) {
    // A caption-only button: a plain bevelled face that sinks when down.
    const bool sunk = frame == kDown;
    painter.fillRect(rect(), sunk ? QColor(214, 214, 214) : QColor(240, 240, 240));
    DrawBevelFrame(painter, rect(), sunk ? kBevelShadow : kBevelLight,
                   sunk ? kBevelLight : kBevelShadow);
  } else {
    const int frameWidth = strip_.width() / frames_;
    const int index = frame < frames_ ? frame : 0;
    const QRect source(index * frameWidth, 0, frameWidth, strip_.height());
    const QPoint at((width() - frameWidth) / 2, (height() - strip_.height()) / 2);
    painter.drawPixmap(at, strip_, source);
  }
  if (!text().isEmpty()) {
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
    painter.drawText(rect().translated(frame == kDown ? 1 : 0, frame == kDown ? 1 : 0),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
  }
}

void TFrameButton::nextCheckState() {
  // A grouped button that is down stays down when clicked again.
  if (group_ != 0 && !isChecked()) setChecked(true);
}

bool TFrameButton::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::EnabledChange:
      update();
      break;
    default:
      break;
  }
  return QAbstractButton::event(event);
}

void TFrameButton::ReleaseOthersInGroup() {
  if (group_ == 0 || parentWidget() == nullptr) return;
  const auto siblings =
      parentWidget()->findChildren<TFrameButton*>(QString(), Qt::FindDirectChildrenOnly);
  for (TFrameButton* other : siblings) {
    if (other != this && other->group_ == group_ && other->isChecked()) other->setChecked(false);
  }
}

}  // namespace moyo::kit
