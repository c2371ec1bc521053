// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// One control of the window as plain data: the properties that the window's
// handlers read and write, in twips and 0x00BBGGRR colours. The front end
// draws from these; it never decides anything itself.

#include <string>
#include <string_view>

#include "keyboard/geometry.h"

namespace arvan {

enum class ControlKind {
  Label,
  Shape,
  Image,
  TextBox,
  Frame,
  OptionButton,
  CommandButton,
  ProgressBar,
};

enum class ShapeForm { Rectangle, RoundedRectangle, Oval };

enum class Alignment { Left, Centre };

// Shape border styles: 1 is plain solid; 6 (inside solid) on a key outline is
// the target flag of the drill.
inline constexpr int kBorderSolid = 1;
inline constexpr int kBorderInsideSolid = 6;

struct Font {
  double points = 8.25;
  bool bold = false;
  bool systemDefault = false;  // the desktop's dialog font, not the display face
  friend bool operator==(const Font&, const Font&) = default;
};

struct Control {
  std::string_view name;
  ControlKind kind = ControlKind::Label;
  Rect rect;  // inside its frame for option buttons

  Colour backColour = kWhite;
  bool opaque = false;  // labels: background drawn; shapes: filled
  Colour foreColour = kBlack;

  ShapeForm form = ShapeForm::Rectangle;
  Colour borderColour = kSystemWindowText;
  int borderWidth = 1;  // pixels, as designed
  int borderStyle = kBorderSolid;
  bool bordered = false;  // labels and text boxes: single-line border

  Font font;
  Alignment alignment = Alignment::Left;
  bool autoSize = false;  // labels: sized to the caption
  bool wordWrap = false;
  bool multiLine = false;    // text boxes: several lines with a vertical scroll bar
  std::string caption;       // Caption of labels and buttons, Text of text boxes
  std::string_view picture;  // images: the picture's file name in assets/

  bool visible = true;
  bool enabled = true;
  int value = 0;     // option buttons: 1 selected; progress bar: 0..100
  int selStart = 0;  // text boxes: the highlight, 0-based in characters
  int selLength = 0;

  friend bool operator==(const Control&, const Control&) = default;
};

struct Timer {
  bool enabled = true;
  int interval = 100;  // milliseconds
  friend bool operator==(const Timer&, const Timer&) = default;
};

}  // namespace arvan
