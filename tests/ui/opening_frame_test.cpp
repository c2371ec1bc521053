#include "ui/opening_frame.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "app/main_window.h"
#include "fake_platform.h"

namespace arvan {
namespace {

// The first frame drawn ahead on other threads must be the frame the window
// would have drawn itself: the same static layer, pixel for pixel, in the
// same place, and the same pictures at the sizes they are shown.
TEST(OpeningFrame, IsTheFrameTheWindowWouldHaveDrawnItself) {
  testing::FakePlatform platform;
  FormHit window(platform);
  window.load();
  Pictures pictures;
  FormPainter painter(window.form(), pictures);

  for (const QSize size : {QSize(1920, 1080), QSize(1000, 689), QSize(700, 900)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    for (const qreal ratio : {1.0, 2.0}) {
      OpeningFrame opening(window.form(), painter, size, ratio);
      const OpeningFrame::Drawn drawn = opening.take();
      const DesignPlacement placement = DesignPlacement::forWindow(size);
      const StaticLayer own = StaticLayer::paint(painter, placement, size, ratio);
      EXPECT_TRUE(drawn.staticLayer.isFor(size, ratio));
      EXPECT_EQ(drawn.staticLayer.rect, own.rect);
      EXPECT_EQ(drawn.staticLayer.image, own.image);

      // Every shown picture of the changing controls is there, as the
      // window's own Pictures draws it.
      int shownImages = 0;
      for (const Control* c : painter.changingControls()) {
        if (c->kind == ControlKind::Image && c->visible) ++shownImages;
      }
      int drawnChanging = 0;
      for (const Pictures::Rendered& r : drawn.pictures) {
        const QSize devicePixels = r.image.size();
        QImage expected(devicePixels, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter p(&expected);
        pictures.draw(p, r.picture, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
        p.end();
        EXPECT_EQ(r.image.convertToFormat(expected.format()), expected) << r.picture;
        if (r.picture.rfind("hand", 0) == 0 || r.picture == "clock" || r.picture == "flag") {
          ++drawnChanging;
        }
      }
      EXPECT_GE(static_cast<int>(drawn.pictures.size()), shownImages);
      EXPECT_GT(drawnChanging, 0);
    }
  }
}

}  // namespace
}  // namespace arvan
