#include "ui/opening_frame.h"

#include <QTransform>
#include <iterator>
#include <utility>

#include "ui/display_font.h"

namespace arvan {
namespace {

std::vector<Pictures::Request> shownPictures(const std::vector<const Control*>& controls,
                                             double scale, qreal ratio) {
  std::vector<Pictures::Request> requests;
  const QTransform toDevice = QTransform::fromScale(scale, scale);
  for (const Control* c : controls) {
    if (c->kind != ControlKind::Image || !c->visible) continue;
    requests.push_back(
        {std::string(c->picture), Pictures::deviceSize(toQRectF(c->rect), toDevice, ratio)});
  }
  return requests;
}

}  // namespace

OpeningFrame::OpeningFrame(const Form& form, const FormPainter& painter, QSize windowSize,
                           qreal ratio) {
  // The display face is chosen here, before the threads start: they, and
  // the window's own thread after them, would otherwise wait while the first
  // of them chooses it.
  (void)displayFamily();
  const DesignPlacement placement = DesignPlacement::forWindow(windowSize);
  staticLayer_ = std::async(std::launch::async, [&form, placement, windowSize, ratio] {
    Pictures pictures;
    FormPainter painter(form, pictures);
    Drawn drawn{StaticLayer::paint(painter, placement, windowSize, ratio), {}};
    drawn.pictures = pictures.takeRendered();
    return drawn;
  });
  pictures_ =
      std::async(std::launch::async,
                 [requests = shownPictures(painter.changingControls(), placement.scale, ratio)] {
                   Pictures pictures;
                   pictures.render(requests);
                   return pictures.takeRendered();
                 });
}

OpeningFrame::Drawn OpeningFrame::take() {
  Drawn drawn = staticLayer_.get();
  std::vector<Pictures::Rendered> pictures = pictures_.get();
  drawn.pictures.insert(drawn.pictures.end(), std::make_move_iterator(pictures.begin()),
                        std::make_move_iterator(pictures.end()));
  return drawn;
}

}  // namespace arvan
