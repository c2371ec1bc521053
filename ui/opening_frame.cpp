#include "ui/opening_frame.h"

#include <QPalette>
#include <QTransform>

#include "ui/design_placement.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

struct Shape {
  Control control;
  QRectF drawn;
};

}  // namespace

OpeningFrame::OpeningFrame(const FormPainter& painter, QSize windowSize, qreal ratio) {
  const double scale = DesignPlacement::forWindow(windowSize).scale;
  const QTransform toDevice = QTransform::fromScale(scale, scale);
  std::vector<Pictures::Request> pictures;
  std::vector<Shape> shapes;
  for (const auto* controls : {&painter.staticControls(), &painter.changingControls()}) {
    for (const Control* c : *controls) {
      if (!c->visible) continue;
      if (c->kind == ControlKind::Image) {
        pictures.push_back(
            {std::string(c->picture), Pictures::deviceSize(toQRectF(c->rect), toDevice, ratio)});
      } else if (c->kind == ControlKind::Shape) {
        shapes.push_back({*c, painter.drawnRect(*c)});
      }
    }
  }
  drawn_ =
      std::async(std::launch::async, [pictures = std::move(pictures), shapes = std::move(shapes),
                                      palette = QPalette(), deviceScale = scale * ratio, ratio] {
        Drawn drawn;
        Pictures rendered;
        rendered.render(pictures);
        drawn.pictures = rendered.takeRendered();
        for (const Shape& shape : shapes) {
          drawn.sprites.render(shape.control, shape.drawn, deviceScale, ratio,
                               DesignPlacement::kRenderHints,
                               [&](QPainter& p) { paintShape(p, shape.control, palette); });
        }
        return drawn;
      });
}

}  // namespace arvan
