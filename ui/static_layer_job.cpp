#include "ui/static_layer_job.h"

#include "ui/design_placement.h"
#include "ui/form_painter.h"
#include "ui/pictures.h"

namespace arvan {

void StaticLayerJob::start(QSize windowSize, qreal ratio, std::function<void()> done) {
  layer_ =
      std::async(std::launch::async, [&form = form_, windowSize, ratio, done = std::move(done)] {
        Pictures pictures;
        FormPainter painter(form, pictures);
        StaticLayer layer =
            StaticLayer::paint(painter, DesignPlacement::forWindow(windowSize), windowSize, ratio);
        done();
        return layer;
      });
}

}  // namespace arvan
