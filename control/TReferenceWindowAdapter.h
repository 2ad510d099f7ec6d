#pragma once
// The reference-diagram window the form opens from a commentary link.

#include <memory>

#include "control/TMoyoscope.h"

namespace moyo {

// A TCHelpForm owned by `owner`, using the owner's pictures (null: the artwork).
std::unique_ptr<TReferenceWindow> MakeHelpFormWindow(QWidget* owner,
                                                     platform::BitmapStore* bitmaps);

}  // namespace moyo
