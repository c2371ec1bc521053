#include "ui/opening_frame.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <map>
#include <set>
#include <string>

#include "app/main_window.h"
#include "fake_platform.h"
#include "ui/design_placement.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

// Every windowless control of the form painted into an image of `size`
// pixels at device pixel ratio `ratio`, as the window's first frame paints
// them.
QImage paintFrame(FormPainter& painter, QSize size, qreal ratio) {
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(toQColor(kBlue));
  QPainter p(&image);
  DesignPlacement::forWindow(size).setUp(p);
  const QList<QRectF> everything{p.transform().inverted().mapRect(QRectF(QPointF(), size))};
  painter.paintStatic(p, everything);
  painter.paint(p, everything);
  return image;
}

// The pictures and shape sprites rendered ahead on the opening frame's
// thread give the frame that the window paints when it renders them itself,
// and the window's thread renders no picture again.
TEST(OpeningFrame, GivesTheFrameTheWindowWouldHavePaintedItself) {
  testing::FakePlatform platform;
  FormHit window(platform);
  window.load();

  for (const QSize size : {QSize(1920, 1080), QSize(1000, 689), QSize(700, 900)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    for (const qreal ratio : {1.0, 2.0}) {
      SCOPED_TRACE(ratio);
      Pictures ownPictures;
      FormPainter own(window.form(), ownPictures);
      OpeningFrame opening(own, size, ratio);
      OpeningFrame::Drawn drawn = opening.take();

      std::set<std::string> shownPictures;
      for (const auto* controls : {&own.staticControls(), &own.changingControls()}) {
        for (const Control* c : *controls) {
          if (c->kind == ControlKind::Image && c->visible) shownPictures.emplace(c->picture);
        }
      }
      std::map<std::string, qint64> renderedAhead;
      for (const Pictures::Rendered& r : drawn.pictures) {
        renderedAhead[r.picture] = r.image.cacheKey();
      }
      EXPECT_EQ(renderedAhead.size(), shownPictures.size());
      for (const std::string& picture : shownPictures) {
        EXPECT_TRUE(renderedAhead.contains(picture)) << picture;
      }
      EXPECT_GT(drawn.sprites.size(), 0);

      Pictures aheadPictures;
      aheadPictures.adopt(std::move(drawn.pictures));
      FormPainter ahead(window.form(), aheadPictures);
      ahead.adoptSprites(std::move(drawn.sprites));
      EXPECT_EQ(paintFrame(ahead, size, ratio), paintFrame(own, size, ratio));
      for (const Pictures::Rendered& r : aheadPictures.takeRendered()) {
        EXPECT_EQ(r.image.cacheKey(), renderedAhead[r.picture]) << r.picture;
      }
    }
  }
}

}  // namespace
}  // namespace arvan
