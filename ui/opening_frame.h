#pragma once

// The slow part of the window's first frame, the keyboard's static layer and
// the pictures, drawn on a thread of its own for the size the window opens
// at, while the window makes its child controls.

#include <QSize>
#include <future>
#include <vector>

#include "app/form.h"
#include "ui/pictures.h"
#include "ui/static_layer.h"

namespace arvan {

struct OpeningFrame {
  StaticLayer staticLayer;
  std::vector<Pictures::Rendered> pictures;
};

// `form` must outlive the drawing; only its never-changing controls are read.
[[nodiscard]] std::future<OpeningFrame> drawOpeningFrame(const Form& form, QSize windowSize,
                                                         qreal ratio);

}  // namespace arvan
