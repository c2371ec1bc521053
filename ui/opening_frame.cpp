#include "ui/opening_frame.h"

#include <QTransform>
#include <utility>

#include "ui/form_painter.h"

namespace arvan {
namespace {

std::vector<Pictures::Request> shownPictures(const Form& form, double scale, qreal ratio) {
  std::vector<Pictures::Request> requests;
  const QTransform toDevice = QTransform::fromScale(scale, scale);
  for (const Control* c : form.controlsInDrawingOrder()) {
    if (c->kind != ControlKind::Image || !c->visible) continue;
    requests.push_back(
        {std::string(c->picture), Pictures::deviceSize(toQRectF(c->rect), toDevice, ratio)});
  }
  return requests;
}

}  // namespace

std::future<OpeningFrame> drawOpeningFrame(const Form& form, QSize windowSize, qreal ratio) {
  const DesignPlacement placement = DesignPlacement::forWindow(windowSize);
  // The pictures are picked here, so that the drawing thread reads no
  // control that can change.
  std::vector<Pictures::Request> requests = shownPictures(form, placement.scale, ratio);
  return std::async(
      std::launch::async, [&form, placement, windowSize, ratio, requests = std::move(requests)] {
        Pictures pictures;
        pictures.render(requests);
        FormPainter painter(form, pictures);
        OpeningFrame frame{StaticLayer::paint(painter, placement, windowSize, ratio), {}};
        frame.pictures = pictures.takeRendered();
        return frame;
      });
}

}  // namespace arvan
