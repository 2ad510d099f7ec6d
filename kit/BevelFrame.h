#pragma once
// The sunken or raised edge of boxes, panels and plain buttons.

#include <QColor>
#include <QRect>

class QPainter;

namespace moyo::kit {

inline const QColor kBevelShadow{128, 128, 128};
inline const QColor kBevelLight{255, 255, 255};

// Draws `width` nested one-pixel rings just inside `box`, each with its top row
// and left column in `topLeft` and its bottom row and right column in
// `bottomRight`; the bottom-left and top-right corners take `bottomRight`. A box
// only one ring thick in a direction (a 2-pixel bevel line) keeps both colours.
void DrawBevelFrame(QPainter& painter, const QRect& box, const QColor& topLeft,
                    const QColor& bottomRight, int width = 1);

}  // namespace moyo::kit
