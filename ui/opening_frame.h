#pragma once

// The slow part of the window's first frame, drawn for the size the window
// opens at while the window makes its child controls: the keyboard's static
// layer on one thread, and the pictures of the other controls on another.

#include <QSize>
#include <future>
#include <vector>

#include "app/form.h"
#include "ui/form_painter.h"
#include "ui/pictures.h"
#include "ui/static_layer.h"

namespace arvan {

class OpeningFrame {
 public:
  // Starts drawing at once. `form` must outlive the drawing, which reads
  // only the controls that never change; the pictures to draw are picked
  // here, from `painter`'s changing controls as they are now.
  OpeningFrame(const Form& form, const FormPainter& painter, QSize windowSize, qreal ratio);

  struct Drawn {
    StaticLayer staticLayer;
    std::vector<Pictures::Rendered> pictures;
  };
  // Waits for the drawing to finish.
  [[nodiscard]] Drawn take();

 private:
  std::future<Drawn> staticLayer_;  // with the pictures it shows
  std::future<std::vector<Pictures::Rendered>> pictures_;
};

}  // namespace arvan
