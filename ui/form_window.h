#pragma once

// The tutor's one window. It turns Qt's events into the window's events (a
// physical key into its key code, a mouse click into "this control was
// clicked", the timer into a tick), hands them to FormHit, and then repaints
// what changed.

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "ui/child_controls.h"
#include "ui/form_painter.h"
#include "ui/pictures.h"
#include "ui/qt_platform.h"

namespace arvan {

class FormWindow : public QWidget {
 public:
  // `platform` may be given by tests; by default the window uses the real one.
  explicit FormWindow(Platform* platform = nullptr, QWidget* parent = nullptr);
  // The program's window, about to open at `openingSize`: its pictures start
  // rendering for that size at once, on a thread of their own, while the
  // window makes its child controls.
  explicit FormWindow(QSize openingSize);
  ~FormWindow() override;

  [[nodiscard]] const Form& form() const { return formHit_.form(); }
  [[nodiscard]] const ChildControls& childControls() const { return *children_; }
  [[nodiscard]] const QTimer& timer() const { return timer_; }
  // Twips to pixels and back, for the current window size.
  [[nodiscard]] double scale() const { return scale_; }
  [[nodiscard]] QPointF origin() const { return origin_; }
  [[nodiscard]] QPointF toPixels(QPointF twips) const { return origin_ + twips * scale_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  FormWindow(Platform* platform, QWidget* parent, QSize openingSize);
  // After every event: repaint what changed and bring widgets and timer in
  // line with the form.
  void refresh();
  [[nodiscard]] const Control* controlAt(QPointF pixels) const;
  [[nodiscard]] QRect toPixelRect(const QRectF& twips) const;
  void paintStaticLayer();
  void setUpPainter(QPainter& painter) const;

  std::unique_ptr<QtPlatform> ownPlatform_;
  FormHit formHit_;
  Pictures pictures_;
  FormPainter painter_;
  std::unique_ptr<ChildControls> children_;
  std::vector<Control> painted_;  // the changing controls as last painted
  QPixmap staticLayer_;           // the keyboard's body and decorative keys
  QRect staticLayerRect_;         // where that layer lies in the window
  QTimer timer_;
  double scale_ = 1.0;
  QPointF origin_;
  const Control* pressed_ = nullptr;
  bool pressedBackground_ = false;
};

}  // namespace arvan
