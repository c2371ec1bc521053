#include "ui/form_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include "ui/key_event_codes.h"
#include "ui/prefault.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

// The sound system and the static layer's thread wait this long after the
// first frame: started at once, they would take the processor from the X
// server while it puts that frame on the screen.
constexpr std::chrono::milliseconds kAfterFirstFrame{100};

}  // namespace

FormWindow::FormWindow(Platform* platform, QWidget* parent) : FormWindow(platform, parent, {}) {}

FormWindow::FormWindow(QSize openingSize) : FormWindow(nullptr, nullptr, openingSize) {}

FormWindow::FormWindow(Platform* platform, QWidget* parent, QSize openingSize)
    : QWidget(parent),
      ownPlatform_(platform == nullptr ? std::make_unique<QtPlatform>([this] { close(); })
                                       : nullptr),
      formHit_(platform != nullptr ? *platform : *ownPlatform_),
      painter_(formHit_.form(), pictures_) {
  setWindowTitle(QStringLiteral("Arvan — арван хуруугаар бичиж сурах"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(kBlue));
  setPalette(p);

  formHit_.load();
  if (openingSize.isValid()) openingFrame_.emplace(painter_, openingSize, devicePixelRatioF());

  children_ = std::make_unique<ChildControls>(formHit_.form(), this, [this](const Control& c) {
    formHit_.click(c);
    refresh();
  });
  for (const Control* c : painter_.changingControls()) painted_.push_back(*c);

  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    formHit_.tick();
    refresh();
  });
  refresh();
}

FormWindow::~FormWindow() = default;

void FormWindow::refresh() {
  const auto& changing = painter_.changingControls();
  QRegion dirty;
  for (std::size_t i = 0; i < changing.size(); ++i) {
    const Control& now = *changing[i];
    Control& was = painted_[i];
    if (now == was) continue;
    dirty += placement_.toPixelRect(painter_.drawnRect(was));
    dirty += placement_.toPixelRect(painter_.drawnRect(now));
    was = now;
  }
  if (!dirty.isEmpty()) update(dirty);
  children_->sync();

  const Timer& timer = form().timSeconds;
  if (timer_.interval() != timer.interval) timer_.setInterval(timer.interval);
  if (timer.enabled && !timer_.isActive()) timer_.start();
  if (!timer.enabled && timer_.isActive()) timer_.stop();
}

void FormWindow::resizeEvent(QResizeEvent*) {
  placement_ = DesignPlacement::forWindow(size());
  children_->layout(placement_.scale, placement_.origin);
}

void FormWindow::takeOpeningFrame() {
  OpeningFrame::Drawn opening = openingFrame_->take();
  openingFrame_.reset();
  pictures_.adopt(std::move(opening.pictures));
  painter_.adoptSprites(std::move(opening.sprites));
}

void FormWindow::startStaticLayer() {
  if (hasStaticLayer() || staticLayerJob_.busy()) return;
  staticLayerJob_.start(size(), devicePixelRatioF(), [this] {
    QMetaObject::invokeMethod(this, &FormWindow::takeStaticLayer, Qt::QueuedConnection);
  });
}

void FormWindow::takeStaticLayer() {
  StaticLayer layer = staticLayerJob_.take();
  if (layer.isFor(size(), devicePixelRatioF())) {
    staticLayer_ = std::move(layer);
  } else {
    startStaticLayer();  // the window changed size meanwhile
  }
}

// The background colour, and the static layer where it is painted.
void FormWindow::paintBackground(QPainter& painter, const QRegion& region) {
  const QRect layerRect = hasStaticLayer() ? staticLayer_.rect : QRect();
  const qreal ratio = staticLayer_.ratio;
  for (const QRect& r : region) {
    const QRect fromLayer = r & layerRect;
    for (const QRect& around : QRegion(r).subtracted(fromLayer)) {
      painter.fillRect(around, toQColor(kBlue));
    }
    if (fromLayer.isEmpty()) continue;
    painter.drawImage(
        fromLayer, staticLayer_.image,
        QRectF((fromLayer.topLeft() - layerRect.topLeft()) * ratio, fromLayer.size() * ratio));
  }
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const bool layered = hasStaticLayer();
  // A frame of the whole window (but for the child controls, which paint
  // themselves) at a new size is the first to write to its backing store.
  if (!layered && event->region().boundingRect() == rect()) prefaultTarget(painter);
  paintBackground(painter, event->region());
  // The opening frame's thread has had the time of the fill above.
  if (openingFrame_) takeOpeningFrame();
  placement_.setUp(painter);
  // The controls to paint are those that meet a rectangle of the region,
  // not its bounding rectangle: the two hands of the finger guide would
  // otherwise bring in everything between them.
  const QTransform toTwips = painter.transform().inverted();
  QList<QRectF> areas;
  for (const QRect& r : event->region()) areas.append(toTwips.mapRect(QRectF(r)));
  if (!layered) {
    painter_.paintStatic(painter, areas);
    // Once this frame is out.
    if (drawnOnce_) {
      QMetaObject::invokeMethod(this, &FormWindow::startStaticLayer, Qt::QueuedConnection);
    }
  }
  painter_.paint(painter, areas);

  if (!drawnOnce_) {
    drawnOnce_ = true;
    QTimer::singleShot(kAfterFirstFrame, this, [this] {
      if (ownPlatform_) ownPlatform_->openSound();
      startStaticLayer();
    });
  }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<int> code = keyCodeOf(*event)) {
    formHit_.keyDown(*code);
    refresh();
  }
  event->accept();
}

void FormWindow::keyReleaseEvent(QKeyEvent* event) {
  // X11 and Wayland put a release between auto-repeated presses; one
  // physical release gives one key-up.
  if (!event->isAutoRepeat()) {
    if (const std::optional<int> code = keyCodeOf(*event)) {
      formHit_.keyUp(*code);
      refresh();
    }
  }
  event->accept();
}

const Control* FormWindow::controlAt(QPointF pixels) const {
  return painter_.labelOrImageAt((pixels - placement_.origin) / placement_.scale);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  pressed_ = nullptr;
  pressedBackground_ = false;
  if (event->button() != Qt::LeftButton) return;
  // A disabled child control passes its clicks up; it still covers the window.
  if (children_->isChildControl(childAt(event->position().toPoint()))) return;
  pressed_ = controlAt(event->position());
  pressedBackground_ = pressed_ == nullptr;
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (children_->isChildControl(childAt(event->position().toPoint()))) return;
  const Control* released = controlAt(event->position());
  if (pressedBackground_ && released == nullptr) {
    formHit_.clickBackground();
  } else if (pressed_ != nullptr && released == pressed_) {
    formHit_.click(*released);
  }
  pressed_ = nullptr;
  pressedBackground_ = false;
  refresh();
}

bool FormWindow::focusNextPrevChild(bool) { return false; }

}  // namespace arvan
