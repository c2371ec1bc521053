#include "ui/flat_button.h"

#include <QPainter>

namespace arvan {

void FlatButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& p = palette();
  const QRect r = rect();
  painter.fillRect(r, p.color(QPalette::Button));
  // A raised edge at rest, a sunken one while held down.
  const QColor light = isDown() ? p.color(QPalette::Dark) : p.color(QPalette::Light);
  const QColor dark = isDown() ? p.color(QPalette::Light) : p.color(QPalette::Dark);
  painter.setPen(light);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(dark);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
  painter.setPen(
      p.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const int margin = r.height() / 8;
  painter.drawText(r.adjusted(margin, 0, -margin, 0).translated(isDown() ? QPoint(1, 1) : QPoint()),
                   Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace arvan
