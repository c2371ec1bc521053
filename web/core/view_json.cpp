// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#include "web/core/view_json.h"

#include <cstdio>
#include <string_view>

#include "form/drawing.h"

namespace arvan {
namespace {

std::string_view kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "label";
    case ControlKind::Shape:
      return "shape";
    case ControlKind::Image:
      return "image";
    case ControlKind::TextBox:
      return "textBox";
    case ControlKind::Frame:
      return "frame";
    case ControlKind::OptionButton:
      return "optionButton";
    case ControlKind::CommandButton:
      return "commandButton";
    case ControlKind::ProgressBar:
      return "progressBar";
  }
  return "label";
}

std::string_view formName(ShapeForm form) {
  switch (form) {
    case ShapeForm::Rectangle:
      return "rectangle";
    case ShapeForm::RoundedRectangle:
      return "roundedRectangle";
    case ShapeForm::Oval:
      return "oval";
  }
  return "rectangle";
}

class Json {
 public:
  explicit Json(std::string& out) : out_(out) {}

  void key(std::string_view name) {
    out_ += first_ ? "\"" : ",\"";
    first_ = false;
    out_ += name;
    out_ += "\":";
  }
  void field(std::string_view name, std::string_view text) {
    key(name);
    string(text);
  }
  void field(std::string_view name, const char* text) { field(name, std::string_view(text)); }
  void field(std::string_view name, const std::string& text) {
    field(name, std::string_view(text));
  }
  void field(std::string_view name, bool value) {
    key(name);
    out_ += value ? "true" : "false";
  }
  void field(std::string_view name, int value) {
    key(name);
    out_ += std::to_string(value);
  }
  void field(std::string_view name, unsigned value) {
    key(name);
    out_ += std::to_string(value);
  }
  void field(std::string_view name, double value) {
    key(name);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    out_ += buffer;
  }

 private:
  void string(std::string_view text) {
    out_ += '"';
    for (const char c : text) {
      switch (c) {
        case '"':
          out_ += "\\\"";
          break;
        case '\\':
          out_ += "\\\\";
          break;
        case '\n':
          out_ += "\\n";
          break;
        case '\r':
          out_ += "\\r";
          break;
        case '\t':
          out_ += "\\t";
          break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out_ += buffer;
          } else {
            out_ += c;
          }
      }
    }
    out_ += '"';
  }

  std::string& out_;
  bool first_ = true;
};

void describe(std::string& out, const FormHit& hit, const FormView& view, int index) {
  const Control& c = *view.controls()[static_cast<std::size_t>(index)];
  out += '{';
  Json json(out);
  json.field("index", index);
  json.field("name", c.name);
  json.field("kind", kindName(c.kind));
  json.key("rect");
  out += "{\"left\":" + std::to_string(c.rect.left) + ",\"top\":" + std::to_string(c.rect.top) +
         ",\"width\":" + std::to_string(c.rect.width) +
         ",\"height\":" + std::to_string(c.rect.height) + '}';
  json.field("frame", view.indexOf(hit.form().frameOf(c)));
  json.field("backColour", c.backColour);
  json.field("opaque", c.opaque);
  json.field("foreColour", c.foreColour);
  json.field("form", formName(c.form));
  json.field("borderColour", c.borderColour);
  json.field("penTwips", c.borderWidth * kTwipsPerPixel);
  json.field("penInside", c.borderStyle == kBorderInsideSolid);
  json.field("bordered", c.bordered);
  json.key("font");
  out += '{';
  {
    Json font(out);
    font.field("twips", c.font.points * kTwipsPerPoint);
    font.field("bold", c.font.bold);
    font.field("systemDefault", c.font.systemDefault);
  }
  out += '}';
  json.field("alignment", c.alignment == Alignment::Centre ? "centre" : "left");
  json.field("autoSize", c.autoSize);
  json.field("wordWrap", c.wordWrap);
  json.field("multiLine", c.multiLine);
  json.field("caption", c.caption);
  json.field("picture", c.picture);
  if (c.kind == ControlKind::Image) {
    const PictureDrawing drawn = pictureDrawing(c.picture);
    json.field("drawing", drawn.drawing);
    json.field("mirrored", drawn.mirrored);
    json.field("markedFinger", drawn.markedFinger);
  }
  if (c.kind == ControlKind::Shape && c.form == ShapeForm::RoundedRectangle) {
    // Of the pen's middle line, as the desktop draws it: an inside-solid
    // pen keeps within the rectangle.
    const int pen = c.borderWidth * kTwipsPerPixel;
    const int inset = c.borderStyle == kBorderInsideSolid ? pen : 0;
    json.field("cornerRadius",
               roundedCornerRadius(c.rect.width - inset, c.rect.height - inset) + pen / 2.0);
  }
  json.field("visible", c.visible);
  json.field("enabled", c.enabled);
  json.field("value", c.value);
  json.field("selStart", c.selStart);
  json.field("selLength", c.selLength);
  json.field("clickable", hit.isClickable(c));
  out += '}';
}

void describeTimer(std::string& out, const Timer& timer) {
  out += '{';
  Json json(out);
  json.field("enabled", timer.enabled);
  json.field("interval", timer.interval);
  out += '}';
}

}  // namespace

std::string describeControls(const FormHit& hit, const FormView& view) {
  std::string out = "[";
  for (std::size_t i = 0; i < view.controls().size(); ++i) {
    if (i > 0) out += ',';
    describe(out, hit, view, static_cast<int>(i));
  }
  return out + ']';
}

std::string describeChanges(const FormHit& hit, FormView& view) {
  std::string out = "{\"changed\":[";
  bool first = true;
  for (const int index : view.takeChanged()) {
    if (!first) out += ',';
    first = false;
    describe(out, hit, view, index);
  }
  out += ']';
  Timer timer;
  if (view.takeTimerChange(timer)) {
    out += ",\"timer\":";
    describeTimer(out, timer);
  }
  return out + '}';
}

}  // namespace arvan
