#include "ui/pictures.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace arvan {
namespace {

constexpr char kHandPrefix[] = "hand-";

QByteArray readAsset(const QString& name) {
  QFile file(QStringLiteral(":/assets/") + name + QStringLiteral(".svg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// A missing picture still shows where it belongs.
void drawPlaceholder(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setPen(QPen(Qt::white, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect);
  painter.drawLine(rect.topLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomLeft());
  painter.restore();
}

}  // namespace

QByteArray markFinger(QByteArray handSvg, int finger) {
  if (finger < 1 || finger > 5) return handSvg;
  const QByteArray id = "id=\"finger" + QByteArray::number(finger) + "\" fill=\"";
  const qsizetype at = handSvg.indexOf(id);
  if (at < 0) return handSvg;
  const qsizetype colour = at + id.size();
  const qsizetype end = handSvg.indexOf('"', colour);
  return handSvg.replace(colour, end - colour, "#FF0000");
}

Pictures::Pictures() = default;
Pictures::~Pictures() = default;

Pictures::Picture& Pictures::load(std::string_view picture) {
  const QString name = QString::fromUtf8(picture.data(), static_cast<qsizetype>(picture.size()));
  auto found = pictures_.find(std::string(picture));
  if (found != pictures_.end()) return found->second;

  Picture loaded;
  QByteArray svg;
  if (name.startsWith(QLatin1String(kHandPrefix))) {
    // "hand-left-3": the left hand with its middle finger marked.
    const QStringList parts = name.split(QLatin1Char('-'));
    loaded.mirrored = parts.value(1) == QLatin1String("right");
    svg = markFinger(readAsset(QStringLiteral("hand")), parts.value(2).toInt());
  } else {
    svg = readAsset(name);
  }
  loaded.renderer = std::make_unique<QSvgRenderer>(svg);
  return pictures_.emplace(std::string(picture), std::move(loaded)).first->second;
}

bool Pictures::has(std::string_view picture) { return load(picture).renderer->isValid(); }

const QPixmap& Pictures::renderedAt(Picture& p, QSize devicePixels) {
  if (p.rendered.size() == devicePixels) return p.rendered;
  QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  if (p.mirrored) {
    painter.translate(devicePixels.width(), 0);
    painter.scale(-1, 1);
  }
  p.renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
  painter.end();
  p.rendered = QPixmap::fromImage(std::move(image));
  return p.rendered;
}

void Pictures::draw(QPainter& painter, std::string_view picture, const QRectF& rect) {
  Picture& p = load(picture);
  if (!p.renderer->isValid()) {
    drawPlaceholder(painter, rect);
    return;
  }
  // The rectangle on the device, rounded to whole pixels.
  const qreal ratio = painter.device()->devicePixelRatioF();
  const QRectF device = painter.transform().mapRect(rect);
  const QPoint topLeft(qRound(device.left() * ratio), qRound(device.top() * ratio));
  const QSize size(qRound(device.width() * ratio), qRound(device.height() * ratio));
  if (size.isEmpty()) return;
  const QPixmap& rendered = renderedAt(p, size);
  painter.save();
  painter.resetTransform();
  painter.drawPixmap(QRectF(QPointF(topLeft) / ratio, QSizeF(size) / ratio), rendered,
                     QRectF(rendered.rect()));
  painter.restore();
}

}  // namespace arvan
