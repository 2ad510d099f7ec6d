#pragma once
// The surface a board painter draws on: a canvas of a given size that a
// window shows, and that reports mouse presses on it.

#include <functional>

#include "platform/Canvas.h"

namespace moyo::platform {

// Which mouse button was pressed.
enum class MouseButton { Left, Right, Middle };

// Shift state bits of a mouse press, combined with |.
enum ShiftState : unsigned {
  kShiftNone = 0,
  kShiftKey = 1,
  kAltKey = 2,
  kCtrlKey = 4,
};

class PaintBox {
 public:
  virtual ~PaintBox() = default;

  // The canvas to draw on; valid until the next SetSize.
  virtual Canvas& GetCanvas() = 0;
  // Resizes the drawing surface; what was drawn is lost.
  virtual void SetSize(int width, int height) = 0;
  // The size of the drawing surface.
  virtual Size GetSize() const = 0;
  // Shows what has been drawn since the last call.
  virtual void Changed() = 0;

  // Raised on a mouse press with the button, shift state and pixel position.
  std::function<void(MouseButton button, unsigned shift, int x, int y)> OnMouseDown;
};

}  // namespace moyo::platform
