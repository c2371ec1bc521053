// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/pictures.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "form/drawing.h"
#include "ui/device_pixels.h"
#include "ui/preparations.h"

namespace arvan {
namespace {

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

// The drawing of a picture and whether it is drawn mirrored.
std::pair<QByteArray, bool> drawingOf(std::string_view picture) {
  const PictureDrawing drawn = pictureDrawing(picture);
  const QString name =
      QString::fromUtf8(drawn.drawing.data(), static_cast<qsizetype>(drawn.drawing.size()));
  return {markFinger(readAsset(name), drawn.markedFinger), drawn.mirrored};
}

QImage renderSvg(QSvgRenderer& renderer, bool mirrored, QSize devicePixels) {
  countPreparation();
  QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  if (mirrored) {
    painter.translate(devicePixels.width(), 0);
    painter.scale(-1, 1);
  }
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
  return image;
}

// The size of a picture drawn at `rect` (twips), in whole device pixels.
QSize deviceSize(const QRectF& rect, const QTransform& toWindow, qreal ratio) {
  const QRectF window = toWindow.mapRect(rect);
  return {qRound(window.width() * ratio), qRound(window.height() * ratio)};
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

QSvgRenderer& Pictures::rendererOf(const std::string& picture, Picture& p) {
  if (p.renderer == nullptr) {
    auto [svg, mirrored] = drawingOf(picture);
    p.renderer = std::make_unique<QSvgRenderer>(svg);
    p.mirrored = mirrored;
  }
  return *p.renderer;
}

Pictures::Picture& Pictures::renderedAt(const std::string& picture, QSize devicePixels) {
  Picture& p = pictures_[picture];
  if (p.rendered.size() != devicePixels) {
    QSvgRenderer& renderer = rendererOf(picture, p);
    p.rendered = renderer.isValid() ? renderSvg(renderer, p.mirrored, devicePixels) : QImage();
  }
  return p;
}

bool Pictures::has(std::string_view picture) {
  const std::string name(picture);
  return rendererOf(name, pictures_[name]).isValid();
}

void Pictures::prepare(std::string_view picture, const QRectF& rect, const QTransform& toWindow,
                       qreal ratio) {
  const QSize size = deviceSize(rect, toWindow, ratio);
  if (!size.isEmpty()) renderedAt(std::string(picture), size);
}

void Pictures::draw(QPainter& painter, std::string_view picture, const QRectF& rect) {
  // The rectangle on the device, its corner rounded to a whole pixel.
  const QPoint topLeft = painter.deviceTransform().map(rect.topLeft()).toPoint();
  const QSize size = deviceSize(rect, painter.transform(), painter.device()->devicePixelRatioF());
  if (size.isEmpty()) return;
  const Picture& p = renderedAt(std::string(picture), size);
  if (p.rendered.isNull()) {
    drawPlaceholder(painter, rect);
    return;
  }
  const DevicePixels devicePixels(painter);
  drawImageInBands(painter, topLeft, p.rendered);
}

}  // namespace arvan
