#pragma once
// A panel that places its docked children along its edges, in the order they
// were docked: each top, bottom, left or right child takes its own height (or
// width) from what the earlier ones left, and a client child fills the rest.
// Hidden children take no room. A child keeps the extent it was given: while
// space is short it is laid out smaller, and it grows back when space returns. It can fill itself
// with a colour and draw a raised or lowered bevel around its edge.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace moyo::kit {

enum class Dock { Top, Bottom, Left, Right, Client };

enum class BevelKind { None, Raised, Lowered };

class TDockPanel : public QWidget {
 public:
  explicit TDockPanel(QWidget* parent = nullptr);

  // Docks `child` (a child widget of this panel) at `where`; a docked child
  // may be docked only once.
  void DockChild(QWidget* child, Dock where);
  // Fills the panel with `colour` behind its children.
  void SetColour(const QColor& colour);
  QColor Colour() const { return colour_; }
  // Draws a bevel of `width` pixels around the panel's edge; docked children
  // sit inside it.
  void SetBevel(BevelKind kind, int width);
  // Places every docked child again from the panel's current size.
  void Relayout();

  // Raised after the panel has been resized and its docked children placed.
  std::function<void()> OnResize;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Paints the panel's face; the image panel puts its wallpaper here.
  virtual void PaintFace(QPainter& painter);

 private:
  struct Docked {
    QPointer<QWidget> widget;
    Dock where;
    int wanted = 0;   // the child's own height (top, bottom) or width (left, right)
    int placed = -1;  // the extent the panel last gave it
  };

  // The extent a child docked at `where` has along its docking direction.
  static int Extent(Dock where, const QSize& size);

  std::vector<Docked> docked_;
  QColor colour_;
  BevelKind bevel_ = BevelKind::None;
  int bevelWidth_ = 0;
  bool placing_ = false;
};

}  // namespace moyo::kit
