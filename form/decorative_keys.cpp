// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "form/decorative_keys.h"

#include <string>

namespace arvan {
namespace {

struct RowStyle {
  int top;
  int height;
  int faceInsetX;
  int faceInsetY;
  int faceHeight;
  int faceNarrowing;  // the face is this much narrower than its outline
  int captionDown;    // the caption stands this far below the outline's top
};

constexpr RowStyle kFunctionRow{5760, 495, 75, 45, 360, 150, 120};
constexpr RowStyle kNumberRow{6360, kKeyHeight, 90, 45, 480, 180, 150};
constexpr RowStyle kQRow{kKeyRowTops[0], kKeyHeight, 90, 45, 480, 180, 150};
constexpr RowStyle kARow{kKeyRowTops[1], kKeyHeight, 90, 45, 480, 180, 150};
constexpr RowStyle kZRow{kKeyRowTops[2], kKeyHeight, 90, 45, 480, 180, 150};
constexpr RowStyle kBottomRow{kKeyRowTops[3], kKeyHeight, 90, 45, 480, 180, 150};

constexpr int kCaptionRight = 150;  // from the outline's left
constexpr Font kCaptionFont{9, true};
constexpr Font kSmallCaptionFont{8.25, true};

struct Symbol {
  std::string_view name;
  std::string_view picture;
  Rect rect;
};

struct KeyPlan {
  const RowStyle* row;
  std::string_view caption;  // empty for a symbol key
  int left;
  int width;
  Font font = kCaptionFont;
  int faceInsetX = 0;  // 0: the row's inset
  const Symbol* symbol = nullptr;
};

constexpr Symbol kUpArrow{"Image2", "arrow-up", {12600, 8640, 495, 375}};
constexpr Symbol kDownArrow{"Image3", "arrow-down", {12600, 9360, 495, 375}};
constexpr Symbol kLeftArrow{"Image4", "arrow-left", {11760, 9360, 495, 375}};
constexpr Symbol kRightArrow{"Image5", "arrow-right", {13440, 9360, 495, 375}};
constexpr Symbol kInformation{"Image10", "info", {3960, 9330, 495, 375}};
constexpr Symbol kMenuKey{"Image7", "menu-key", {4830, 9330, 495, 390}};
constexpr Symbol kWindowLogo{"Image9", "window-logo", {9240, 9330, 495, 375}};

constexpr Font kDigitFont{11.25, true};
constexpr Font kLargeCaptionFont{12, true};

const std::array<KeyPlan, kDecorativeKeyCount> kKeys{{
    {&kFunctionRow, "Esc", 1320, 615},
    {&kFunctionRow, "F1", 2040, 615},
    {&kFunctionRow, "F2", 2760, 615},
    {&kFunctionRow, "F3", 3480, 615},
    {&kFunctionRow, "F4", 4200, 615},
    {&kFunctionRow, "F5", 4920, 615},
    {&kFunctionRow, "F6", 5640, 615},
    {&kFunctionRow, "F7", 6360, 615},
    {&kFunctionRow, "F8", 7080, 615},
    {&kFunctionRow, "F9", 7800, 615},
    {&kFunctionRow, "F10", 8520, 615},
    {&kFunctionRow, "F11", 9240, 615},
    {&kFunctionRow, "F12", 9960, 615},
    {&kFunctionRow, "Num", 10680, 735, kSmallCaptionFont},
    {&kFunctionRow, "Pause", 11520, 735, kSmallCaptionFont},
    {&kFunctionRow, "Insert", 12360, 735},
    {&kFunctionRow, "Delete", 13200, 855, kSmallCaptionFont, 60},
    {&kNumberRow, "~", 1320, 735, kLargeCaptionFont},
    {&kNumberRow, "1", 2160, 735, kDigitFont, 120},
    {&kNumberRow, "2", 3000, 735, kDigitFont},
    {&kNumberRow, "3", 3840, 735, kLargeCaptionFont},
    {&kNumberRow, "4", 4680, 735, kDigitFont},
    {&kNumberRow, "5", 5520, 735, kDigitFont},
    {&kNumberRow, "6", 6360, 735, kDigitFont},
    {&kNumberRow, "7", 7200, 735, kDigitFont},
    {&kNumberRow, "8", 8040, 735, kDigitFont},
    {&kNumberRow, "9", 8880, 735, kDigitFont},
    {&kNumberRow, "0", 9720, 735, kDigitFont},
    {&kNumberRow, "_", 10560, 735, kCaptionFont, 120},
    {&kNumberRow, "+ =", 11400, 735},
    {&kNumberRow, "Backspace", 12240, 975, {6.75, true}},
    {&kNumberRow, "Home", 13320, 735, kSmallCaptionFont},
    {&kQRow, "Tab", 1320, 975},
    {&kQRow, "PgUp", 13320, 735, kSmallCaptionFont},
    {&kARow, "Caps Lock", 1320, 1335},
    {&kARow, "Enter", 12000, 1215},
    {&kARow, "PgDn", 13320, 735, kSmallCaptionFont, 120},
    {&kZRow, "Shift", 1350, 1695},
    {&kZRow, "Shift", 11550, 855, kSmallCaptionFont},
    {&kZRow, "", 12480, 735, kCaptionFont, 0, &kUpArrow},
    {&kZRow, "End", 13320, 735, kSmallCaptionFont},
    {&kBottomRow, "Fn", 1320, 735},
    {&kBottomRow, "Ctrl", 2160, 735},
    {&kBottomRow, "Alt", 3000, 735},
    {&kBottomRow, "", 3840, 735, kCaptionFont, 0, &kInformation},
    {&kBottomRow, "", 4680, 735, kCaptionFont, 120, &kMenuKey},
    {&kBottomRow, "", 9120, 735, kCaptionFont, 0, &kWindowLogo},
    {&kBottomRow, "Alt", 9960, 735},
    {&kBottomRow, "Ctrl", 10800, 735},
    {&kBottomRow, "", 11640, 735, kCaptionFont, 0, &kLeftArrow},
    {&kBottomRow, "", 12480, 735, kCaptionFont, 0, &kDownArrow},
    {&kBottomRow, "", 13320, 735, kCaptionFont, 0, &kRightArrow},
}};

// Designed names: outlines Shape2, Shape11, ... and the even Shape50 to
// Shape136; faces Shape1, Shape36, ... and the odd Shape49 to Shape135;
// captions Label1 to Label45.
struct Names {
  std::array<std::string, kDecorativeKeyCount> outlines;
  std::array<std::string, kDecorativeKeyCount> faces;
  std::array<std::string, kDecorativeKeyCount> captions;
};

const Names& names() {
  static const Names all = [] {
    Names n;
    constexpr std::array<int, 8> kFirstOutlines{2, 11, 23, 39, 41, 43, 45, 48};
    constexpr std::array<int, 8> kFirstFaces{1, 36, 38, 40, 42, 44, 46, 47};
    for (std::size_t k = 0; k < kDecorativeKeyCount; ++k) {
      const int outline = k < 8 ? kFirstOutlines[k] : 50 + 2 * static_cast<int>(k - 8);
      const int face = k < 8 ? kFirstFaces[k] : 49 + 2 * static_cast<int>(k - 8);
      n.outlines[k] = "Shape" + std::to_string(outline);
      n.faces[k] = "Shape" + std::to_string(face);
    }
    int caption = 0;
    for (std::size_t k = 0; k < kDecorativeKeyCount; ++k) {
      if (kKeys[k].symbol == nullptr) n.captions[k] = "Label" + std::to_string(++caption);
    }
    return n;
  }();
  return all;
}

}  // namespace

std::array<DecorativeKey, kDecorativeKeyCount> makeDecorativeKeys() {
  std::array<DecorativeKey, kDecorativeKeyCount> keys;
  for (std::size_t k = 0; k < kDecorativeKeyCount; ++k) {
    const KeyPlan& plan = kKeys[k];
    const RowStyle& row = *plan.row;
    DecorativeKey& key = keys[k];

    key.outline.name = names().outlines[k];
    key.outline.kind = ControlKind::Shape;
    key.outline.form = ShapeForm::RoundedRectangle;
    key.outline.rect = {plan.left, row.top, plan.width, row.height};
    key.outline.opaque = true;
    key.outline.backColour = kGrey;

    const int insetX = plan.faceInsetX != 0 ? plan.faceInsetX : row.faceInsetX;
    key.face.name = names().faces[k];
    key.face.kind = ControlKind::Shape;
    key.face.form = ShapeForm::RoundedRectangle;
    key.face.rect = {plan.left + insetX, row.top + row.faceInsetY, plan.width - row.faceNarrowing,
                     row.faceHeight};
    key.face.opaque = true;
    key.face.backColour = kLightBlue;

    if (plan.symbol != nullptr) {
      key.symbol.name = plan.symbol->name;
      key.symbol.kind = ControlKind::Image;
      key.symbol.rect = plan.symbol->rect;
      key.symbol.picture = plan.symbol->picture;
    } else {
      key.symbol.name = names().captions[k];
      key.symbol.kind = ControlKind::Label;
      key.symbol.rect = {plan.left + kCaptionRight, row.top + row.captionDown,
                         plan.width - kCaptionRight, row.height - row.captionDown};
      key.symbol.caption = std::string(plan.caption);
      key.symbol.font = plan.font;
      key.symbol.foreColour = kBlack;
      key.symbol.autoSize = true;
    }
  }
  return keys;
}

}  // namespace arvan
