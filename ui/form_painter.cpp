// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/form_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "form/drawing.h"
#include "ui/design_placement.h"
#include "ui/device_pixels.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

double cornerRadius(const QRectF& r) { return roundedCornerRadius(r.width(), r.height()); }

// Whether an opaque shape is its one colour all over `area` (twips): clear
// of its border, its rounded corners and a pixel of antialiasing.
bool isSolidOver(const Control& c, const QRectF& area, double twipsPerPixel) {
  if (!c.visible || c.kind != ControlKind::Shape || !c.opaque || c.form == ShapeForm::Oval) {
    return false;
  }
  const double edge = c.borderWidth * kTwipsPerPixel + twipsPerPixel;
  const QRectF inner = toQRectF(c.rect).adjusted(edge, edge, -edge, -edge);
  const double corner =
      c.form == ShapeForm::RoundedRectangle ? cornerRadius(toQRectF(c.rect)) : 0.0;
  return inner.adjusted(corner, 0, -corner, 0).contains(area) ||
         inner.adjusted(0, corner, 0, -corner).contains(area);
}

// Whether two rectangles of positive size overlap: QRectF::intersects, but
// inline, as a frame asks it of every control for every repainted area.
bool overlap(const QRectF& a, const QRectF& b) {
  return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
         b.top() < a.bottom();
}

// Fills the device pixels of an area whose edges lie between them.
void fillPixels(QPainter& painter, const QRectF& area, const QColor& colour) {
  const QRect pixels = toDevicePixels(area, painter.deviceTransform());
  const DevicePixels devicePixels(painter);
  // Qt fills for less under a clip of one rectangle than under a region.
  painter.setClipRect(pixels, Qt::IntersectClip);
  fillInBands(painter, pixels, colour);
}

// Where a label's caption is drawn in its drawn rectangle, and how.
struct CaptionPlace {
  QRectF rect;
  int flags;
};

CaptionPlace captionPlaceOf(const Control& c, const QRectF& drawn) {
  int flags = c.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
  flags |= c.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
  if (c.bordered) flags |= Qt::AlignVCenter;
  return {drawn.adjusted(c.bordered ? kTwipsPerPixel * 3 : 0, 0, 0, 0), flags};
}

}  // namespace

bool isWindowless(const Control& control) {
  return control.kind == ControlKind::Label || control.kind == ControlKind::Shape ||
         control.kind == ControlKind::Image;
}

void paintShape(QPainter& painter, const Control& c, const QPalette& palette) {
  const double penWidth = c.borderWidth * kTwipsPerPixel;
  QRectF r = toQRectF(c.rect);
  // Solid borders straddle the edge; inside-solid ones keep within it.
  const double inset = c.borderStyle == kBorderInsideSolid ? penWidth / 2 : 0;
  r.adjust(inset, inset, -inset, -inset);
  painter.setPen(QPen(toQColor(c.borderColour, palette), penWidth));
  painter.setBrush(c.opaque ? QBrush(toQColor(c.backColour, palette)) : QBrush(Qt::NoBrush));
  switch (c.form) {
    case ShapeForm::Rectangle:
      painter.drawRect(r);
      break;
    case ShapeForm::RoundedRectangle:
      painter.drawRoundedRect(r, cornerRadius(r), cornerRadius(r));
      break;
    case ShapeForm::Oval:
      painter.drawEllipse(r);
      break;
  }
}

FormPainter::FormPainter(const Form& form, Pictures& pictures) : pictures_(pictures) {
  std::vector<const Control*> keyboardBody{&form.Shape4, &form.Shape3};
  for (const DecorativeKey& key : form.decorativeKeys) {
    keyboardBody.insert(keyboardBody.end(), {&key.outline, &key.face, &key.symbol});
  }
  for (const Control* c : form.controlsInDrawingOrder()) {
    if (!isWindowless(*c)) continue;
    if (std::find(keyboardBody.begin(), keyboardBody.end(), c) == keyboardBody.end()) {
      changing_.push_back({windowless_.size(), *c});
    }
    if (c == &form.Shape4 || c == &form.Shape3) panels_.insert(panels_.begin(), windowless_.size());
    windowless_.push_back({c, drawnRect(*c), {}});
  }
}

QList<QRectF> FormPainter::takeChanges(const QTransform& toWindow, qreal ratio) {
  QList<QRectF> areas;
  for (Changing& c : changing_) {
    Windowless& w = windowless_[c.index];
    // A control hidden before and after shows nothing of what else changed.
    if (!w.control->visible && !c.painted.visible) continue;
    if (*w.control == c.painted) continue;
    areas.append(w.drawn);
    const QRectF drawn = drawnRect(*w.control);
    if (drawn != w.drawn) areas.append(drawn);  // most changes are of colour, in place
    w.drawn = drawn;
    prepare(w, toWindow, ratio);
    c.painted = *w.control;
  }
  return areas;
}

QRectF FormPainter::drawnRect(const Control& c) const {
  QRectF r = toQRectF(c.rect);
  if (c.kind == ControlKind::Label && c.autoSize) {
    r.setWidth(fonts_.width(c.font, c.caption));
    r.setHeight(std::max(r.height(), fonts_.lineHeight(c.font)));
  }
  if (c.kind == ControlKind::Label && c.wordWrap) {
    // A wrapped caption may need more lines than the designed face gives it.
    r.setHeight(std::max(r.height(), fonts_.wrappedHeight(c.font, r.width(), c.caption)));
  }
  if (c.kind == ControlKind::Shape) {
    const double spill = c.borderWidth * kTwipsPerPixel;
    r.adjust(-spill, -spill, spill, spill);
  }
  return r;
}

QRectF FormPainter::drawnRectOf(const Control& control) const {
  for (const Windowless& w : windowless_) {
    if (w.control == &control) return w.drawn;
  }
  return {};
}

const Control* FormPainter::labelOrImageAt(QPointF twips) const {
  for (auto it = windowless_.rbegin(); it != windowless_.rend(); ++it) {
    const Control& c = *it->control;
    if (c.visible && c.kind != ControlKind::Shape && it->drawn.contains(twips)) return &c;
  }
  return nullptr;
}

void FormPainter::prepare(const QTransform& toWindow, qreal ratio) {
  for (Windowless& w : windowless_) prepare(w, toWindow, ratio);
}

void FormPainter::prepare(Windowless& w, const QTransform& toWindow, qreal ratio) {
  const Control& c = *w.control;
  if (!c.visible) return;
  if (c.kind == ControlKind::Label && !c.caption.empty()) {
    const CaptionPlace place = captionPlaceOf(c, w.drawn);
    w.caption.prepare(fonts_.font(c.font), place.rect.size(), place.flags, toQString(c.caption));
  } else if (c.kind == ControlKind::Shape) {
    sprites_.prepare(c, w.drawn, toWindow.m11() * ratio, ratio, DesignPlacement::kRenderHints,
                     [this, &c](QPainter& p) { paintShape(p, c, palette_); });
  } else if (c.kind == ControlKind::Image) {
    pictures_.prepare(c.picture, toQRectF(c.rect), toWindow, ratio);
  }
}

void FormPainter::paint(QPainter& painter, const QList<QRectF>& areas) {
  const double twipsPerPixel = 1.0 / painter.transform().m11();
  // Inside a panel of the keyboard, nothing under the panel shows: an area
  // there is filled once, with the panel's colour rather than the window's.
  std::vector<std::size_t> floors;
  QRectF bounds;
  for (const QRectF& area : areas) {
    bounds |= area;
    const auto panel = std::find_if(panels_.begin(), panels_.end(), [&](std::size_t i) {
      return isSolidOver(*windowless_[i].control, area, twipsPerPixel);
    });
    floors.push_back(panel != panels_.end() ? *panel : 0);
    if (panel == panels_.end()) fillPixels(painter, area, toQColor(kBlue));
  }
  for (std::size_t i = 0; i < windowless_.size(); ++i) {
    Windowless& w = windowless_[i];
    if (!overlap(w.drawn, bounds)) continue;
    const Control* c = w.control;
    if (!c->visible) continue;
    QRectF met;
    for (qsizetype a = 0; a < areas.size(); ++a) {
      if (i < floors[a] || !overlap(w.drawn, areas[a])) continue;
      if (!isSolidOver(*c, areas[a], twipsPerPixel)) {
        met |= areas[a];
        continue;
      }
      fillPixels(painter, areas[a], toQColor(c->backColour, palette_));
    }
    if (!met.isEmpty()) {
      painter.save();
      painter.setClipRect(met, Qt::IntersectClip);
      paintControl(painter, w);
      painter.restore();
    }
  }
}

void FormPainter::paintControl(QPainter& painter, Windowless& w) {
  const Control& c = *w.control;
  switch (c.kind) {
    case ControlKind::Shape:
      sprites_.draw(painter, c, w.drawn, [this, &c](QPainter& p) { paintShape(p, c, palette_); });
      break;
    case ControlKind::Label:
      paintLabel(painter, w);
      break;
    case ControlKind::Image:
      pictures_.draw(painter, c.picture, toQRectF(c.rect));
      break;
    default:
      break;
  }
}

void FormPainter::paintLabel(QPainter& painter, Windowless& w) {
  const Control& c = *w.control;
  const QRectF& r = w.drawn;
  if (c.opaque) painter.fillRect(r, toQColor(c.backColour, palette_));
  if (c.bordered) {
    painter.setPen(QPen(palette_.color(QPalette::Dark), kTwipsPerPixel));
    painter.setBrush(Qt::NoBrush);
    const double half = kTwipsPerPixel / 2.0;
    painter.drawRect(r.adjusted(half, half, -half, -half));
  }
  if (c.caption.empty()) return;
  painter.setFont(fonts_.font(c.font));
  painter.setPen(c.enabled ? toQColor(c.foreColour, palette_)
                           : palette_.color(QPalette::Disabled, QPalette::WindowText));
  const CaptionPlace place = captionPlaceOf(c, r);
  w.caption.draw(painter, place.rect, place.flags, toQString(c.caption));
}

}  // namespace arvan
