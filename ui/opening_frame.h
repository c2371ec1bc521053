#pragma once

// The slow part of the window's first frame, rendered for the size the
// window opens at on a thread of its own while the window makes its child
// controls: the pictures and the shape sprites that the frame shows.

#include <QSize>
#include <future>
#include <vector>

#include "ui/form_painter.h"
#include "ui/pictures.h"
#include "ui/shape_sprites.h"

namespace arvan {

class OpeningFrame {
 public:
  // Starts rendering at once. What to render is picked here, from
  // `painter`'s controls as they are now; the thread reads nothing else.
  OpeningFrame(const FormPainter& painter, QSize windowSize, qreal ratio);

  struct Drawn {
    std::vector<Pictures::Rendered> pictures;
    ShapeSprites sprites;
  };
  // Waits for the rendering to finish.
  [[nodiscard]] Drawn take() { return drawn_.get(); }

 private:
  std::future<Drawn> drawn_;
};

}  // namespace arvan
