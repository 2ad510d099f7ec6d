#pragma once
// A flat button whose face is a strip of four equal bitmap frames side by side:
// up, disabled, highlighted (mouse over it) and down. Buttons that share a
// nonzero group index on the same parent form a radio group in which exactly
// one stays down once chosen.

#include <QAbstractButton>
#include <QPixmap>
#include <functional>

namespace moyo::kit {

class TFrameButton : public QAbstractButton {
 public:
  // The frame index of each state in the face strip.
  enum Frame { kUp = 0, kDisabled = 1, kHighlighted = 2, kDown = 3 };

  explicit TFrameButton(QWidget* parent = nullptr);

  // Sets the face: `strip` holds `frames` equal frames side by side. A strip
  // whose width does not divide by `frames` still shows, cut into equal parts.
  void SetGlyph(const QPixmap& strip, int frames = 4);
  // The whole face strip as last set (null when the button has none).
  const QPixmap& Glyph() const { return strip_; }
  // Joins the radio group `group` of this button's parent; 0 leaves any group.
  void SetGroupIndex(int group);
  int GroupIndex() const { return group_; }
  // Puts a grouped button down and every other button of its group up.
  void SetDownInGroup(bool down);
  // True while a grouped button is the chosen one of its group.
  bool IsDownInGroup() const { return group_ != 0 && isChecked(); }

  // A number the owner uses to tell its buttons apart (the navigation step, the mode).
  int tag = 0;
  // Raised on every completed click, after a grouped button has gone down.
  std::function<void(TFrameButton&)> OnClick;

  // The frame the button paints now, for its state.
  int CurrentFrame() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void nextCheckState() override;
  bool event(QEvent* event) override;

 private:
  void ReleaseOthersInGroup();

  QPixmap strip_;
  int frames_ = 4;
  int group_ = 0;
};

}  // namespace moyo::kit
