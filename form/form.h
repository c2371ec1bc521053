// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The window FormHit as plain data: every control under its designed name,
// with its designed rectangle, colours, font, caption and initial state, plus
// the window variables. Constructing a Form gives the window exactly as
// designed, before start-up runs.

#include <array>
#include <chrono>
#include <vector>

#include "form/control.h"
#include "keyboard/key_slots.h"

namespace arvan {

// A key that is never drilled: an outline, a face on it, and on the face
// either a caption label or a symbol image.
struct DecorativeKey {
  Control outline;
  Control face;
  Control symbol;
};

inline constexpr int kDecorativeKeyCount = 52;
inline constexpr int kHandPictureCount = 6;  // at rest, then fingers 1..5

struct Form {
  Form();

  // A. Menu
  Control lblMenu1, ShapeMenu1;
  Control lblSubMenu1, ShapeSubMenu1;
  Control lblSubMenu2, ShapeSubMenu2;
  Control lblSubMenu3, ShapeSubMenu3;

  // B. Exercise area
  Control Image6, ShapeSambar, Text1, Text2;

  // C. Hand pictures: [0] is ZGar (BGar), [n] is ZGarn (BGarn)
  std::array<Control, kHandPictureCount> ZGar, BGar;

  // D. Option groups and the layout pictures
  Control Frame1, Option1, Option2, Option3;
  Control Frame2, OptMon, OptEng;
  Control Dalbaa1, Dalbaa2, Dalbaa3, ImgEng;

  // E. Label-display buttons
  Control cmdShow, cmdNoView;

  // F. Drill controls
  Control Start, lblExit, Image8, lblElapsedTime, Image1;
  Control Label46, txtCountError, Label47, txtCount, ProgressBar1;
  Timer timSeconds;

  // G. Information labels
  Control Label50, Label49, Label48;

  // H. On-screen keyboard
  Control Shape4, Shape3;
  std::array<Control, kSlotCount> button, Back, fore;
  std::array<Control, kLabelledSlotCount> keyLabel;  // named after the key
  std::array<Control, kHomeKeyCount> toirog;         // [0] is toirog1
  std::array<DecorativeKey, kDecorativeKeyCount> decorativeKeys;

  // Window variables
  int targetSlot = 0;
  int hitCount = 0;
  int missCount = 0;
  bool blindMode = false;
  int textPos = 0;
  std::string typedChar;
  int matchPos = 0;
  std::chrono::nanoseconds startTime{0};  // a reading of the monotonic clock
  std::chrono::nanoseconds elapsedTime{0};

  // The frame that holds an option button, or nullptr.
  [[nodiscard]] const Control* frameOf(const Control& option) const;

  // Every control in drawing order, bottom first: the windowless controls
  // (shapes, labels, images) as they stack, then the child controls.
  [[nodiscard]] std::vector<const Control*> controlsInDrawingOrder() const;
};

// The window's designed client area; the controls reach 10335 twips down.
inline constexpr Rect kDesignArea{0, 0, 15000, 10335};

}  // namespace arvan
