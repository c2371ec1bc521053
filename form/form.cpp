// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "form/form.h"

#include <string>

#include "form/decorative_keys.h"
#include "form/practice_text.h"

namespace arvan {
namespace {

constexpr Font kSmall{8.25, false};
constexpr Font kKeyCaption{12, true};
constexpr Font kSystemFont{8.25, false, true};

Control label(std::string_view name, Rect rect, std::string_view caption, Font font) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Label;
  c.rect = rect;
  c.caption = std::string(caption);
  c.font = font;
  c.foreColour = kWhite;
  return c;
}

Control opaqueLabel(std::string_view name, Rect rect, std::string_view caption, Font font,
                    Colour back) {
  Control c = label(name, rect, caption, font);
  c.opaque = true;
  c.backColour = back;
  return c;
}

Control shape(std::string_view name, ShapeForm form, Rect rect) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Shape;
  c.form = form;
  c.rect = rect;
  return c;
}

Control filledShape(std::string_view name, ShapeForm form, Rect rect, Colour fill, Colour border) {
  Control c = shape(name, form, rect);
  c.opaque = true;
  c.backColour = fill;
  c.borderColour = border;
  return c;
}

Control image(std::string_view name, Rect rect, std::string_view picture) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Image;
  c.rect = rect;
  c.picture = picture;
  return c;
}

Control child(std::string_view name, ControlKind kind, Rect rect, std::string_view caption,
              Colour back, Colour fore, Font font) {
  Control c;
  c.name = name;
  c.kind = kind;
  c.rect = rect;
  c.caption = std::string(caption);
  c.opaque = true;
  c.backColour = back;
  c.foreColour = fore;
  c.font = font;
  return c;
}

Control menuLabel(std::string_view name, Rect rect, std::string_view caption, Font font,
                  Alignment alignment, bool visible) {
  Control c = opaqueLabel(name, rect, caption, font, kLightBlue);
  c.alignment = alignment;
  c.visible = visible;
  return c;
}

Control menuOutline(std::string_view name, Rect rect, bool visible) {
  Control c = shape(name, ShapeForm::Rectangle, rect);
  c.borderColour = kNavy;
  c.visible = visible;
  return c;
}

constexpr std::array<std::string_view, kHandPictureCount> kLeftHandNames{"ZGar",  "ZGar1", "ZGar2",
                                                                         "ZGar3", "ZGar4", "ZGar5"};
constexpr std::array<std::string_view, kHandPictureCount> kRightHandNames{
    "BGar", "BGar1", "BGar2", "BGar3", "BGar4", "BGar5"};
constexpr std::array<std::string_view, kHandPictureCount> kLeftHandPictures{
    "hand-left-0", "hand-left-1", "hand-left-2", "hand-left-3", "hand-left-4", "hand-left-5"};
constexpr std::array<std::string_view, kHandPictureCount> kRightHandPictures{
    "hand-right-0", "hand-right-1", "hand-right-2", "hand-right-3", "hand-right-4", "hand-right-5"};
constexpr std::array<std::string_view, kHomeKeyCount> kCircleNames{
    "toirog1", "toirog2", "toirog3", "toirog4", "toirog5", "toirog6", "toirog7", "toirog8"};

// Names of the per-slot shapes, "button(0)" and so on, kept for the life of
// the program so that controls can refer to them.
const std::array<std::string, kSlotCount>& slotNames(std::string_view array) {
  static const auto make = [](std::string_view prefix) {
    std::array<std::string, kSlotCount> names;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      names[static_cast<std::size_t>(slot)] =
          std::string(prefix) + "(" + std::to_string(slot) + ")";
    }
    return names;
  };
  static const auto buttons = make("button");
  static const auto backs = make("Back");
  static const auto fores = make("fore");
  if (array == "button") return buttons;
  if (array == "Back") return backs;
  return fores;
}

}  // namespace

Form::Form() {
  constexpr Font kMenuTitle{14.25, true};
  constexpr Font kMenuEntry{12, true};
  lblMenu1 = menuLabel("lblMenu1", {0, 0, 1215, 375}, " Дасгал", kMenuTitle, Alignment::Left, true);
  ShapeMenu1 = menuOutline("ShapeMenu1", {0, 0, 1215, 375}, true);
  lblSubMenu1 = menuLabel("lblSubMenu1", {0, 360, 2415, 375}, "   Үг харж бичих", kMenuEntry,
                          Alignment::Left, false);
  ShapeSubMenu1 = menuOutline("ShapeSubMenu1", {0, 360, 2415, 375}, false);
  lblSubMenu2 = menuLabel("lblSubMenu2", {0, 720, 2415, 375}, " Текст бичих", kMenuEntry,
                          Alignment::Centre, false);
  ShapeSubMenu2 = menuOutline("ShapeSubMenu2", {0, 720, 2415, 375}, false);
  lblSubMenu3 = menuLabel("lblSubMenu3", {0, 1080, 2415, 375}, "            Буцах", kMenuEntry,
                          Alignment::Left, false);
  ShapeSubMenu3 = menuOutline("ShapeSubMenu3", {0, 1080, 2415, 375}, false);

  Image6 = image("Image6", {5520, 120, 4455, 3255}, "hands-on-keys");
  ShapeSambar = filledShape("ShapeSambar", ShapeForm::RoundedRectangle, {3720, 240, 7935, 1455},
                            kBlack, kYellow);
  ShapeSambar.borderWidth = 3;
  ShapeSambar.visible = false;
  Text1 = child("Text1", ControlKind::TextBox, {4440, 480, 6015, 975}, kPracticeText, kBlack,
                kWhite, {12, true});
  Text1.multiLine = true;
  Text1.selLength = 1;  // the first character is the first to type
  Text1.enabled = false;
  Text1.visible = false;
  Text2 = child("Text2", ControlKind::TextBox, {5160, 240, 5055, 3135}, "Алив бичээд байгаарай\r\n",
                kBlack, kWhite, {12, false});
  Text2.bordered = true;
  Text2.multiLine = true;
  Text2.enabled = false;
  Text2.visible = false;

  for (std::size_t n = 0; n < kHandPictureCount; ++n) {
    const int side = n == 0 ? 1185 : 1215;
    ZGar[n] = image(kLeftHandNames[n], {3840, 1800, side, side}, kLeftHandPictures[n]);
    BGar[n] = image(kRightHandNames[n], {10320, 1800, 1215, 1215}, kRightHandPictures[n]);
    ZGar[n].visible = BGar[n].visible = n == 0;
  }

  Frame1 = child("Frame1", ControlKind::Frame, {1560, 3480, 3855, 735}, "Хурдны сонголт", kBlue,
                 kWhite, kSmall);
  Option1 = child("Option1", ControlKind::OptionButton, {120, 240, 1095, 255}, "Хурдан", kLightBlue,
                  kBlack, kSmall);
  Option2 = child("Option2", ControlKind::OptionButton, {1440, 240, 975, 255}, "Дунд", kLightBlue,
                  kBlack, kSmall);
  Option3 = child("Option3", ControlKind::OptionButton, {2640, 240, 975, 255}, "Удаан", kLightBlue,
                  kBlack, kSmall);
  Frame2 = child("Frame2", ControlKind::Frame, {6240, 3480, 2775, 735}, "Гарны сонголт", kBlue,
                 kWhite, kSmall);
  OptMon = child("OptMon", ControlKind::OptionButton, {240, 240, 975, 255}, "Монгол", kLightBlue,
                 kBlack, kSmall);
  OptEng = child("OptEng", ControlKind::OptionButton, {1440, 240, 975, 255}, "Англи", kLightBlue,
                 kBlack, kSmall);
  Dalbaa1 = filledShape("Dalbaa1", ShapeForm::Rectangle, {6600, 4320, 210, 375}, kRed, kRed);
  Dalbaa2 = filledShape("Dalbaa2", ShapeForm::Rectangle, {6720, 4320, 315, 375}, kNavy, kNavy);
  Dalbaa3 = filledShape("Dalbaa3", ShapeForm::Rectangle, {7030, 4320, 210, 375}, kRed, kRed);
  ImgEng = image("ImgEng", {8040, 4320, 495, 495}, "flag");
  ImgEng.enabled = false;

  cmdShow = child("cmdShow", ControlKind::CommandButton, {12360, 1320, 1455, 495},
                  "Үсгээ харж бичих", kLightBlue, kBlack, kSmall);
  cmdNoView = child("cmdNoView", ControlKind::CommandButton, {12360, 1920, 1455, 495},
                    "Үсгээ харахгүй бичиж сурах", kLightBlue, kBlack, kSmall);

  Start = opaqueLabel("Start", {9240, 3600, 720, 225}, "Эхлэх", kSmall, kRed);
  Start.alignment = Alignment::Centre;
  Start.autoSize = true;
  lblExit = opaqueLabel("lblExit", {9240, 3960, 720, 225}, "Гарах", kSmall, kRed);
  lblExit.alignment = Alignment::Centre;
  Image8 = image("Image8", {11880, 2880, 495, 495}, "clock");
  Image8.enabled = false;
  lblElapsedTime =
      opaqueLabel("lblElapsedTime", {12480, 2880, 1305, 435}, "Time", kSystemFont, kLightBlue);
  lblElapsedTime.foreColour = kBlack;
  lblElapsedTime.bordered = true;
  Image1 = image("Image1", {11160, 3600, 615, 495}, "key-press");
  Image1.enabled = false;
  Label46 = opaqueLabel("Label46", {11760, 3600, 1290, 180}, "Буруу дарагдсан", kSmall, kBlue);
  Label46.autoSize = true;
  Label46.enabled = false;
  txtCountError = child("txtCountError", ControlKind::TextBox, {13200, 3480, 615, 375}, "",
                        kLightBlue, kBlack, kSystemFont);
  txtCountError.bordered = true;
  Label47 = label("Label47", {11760, 4080, 1155, 180}, "Зөв дарагдсан ", kSmall);
  Label47.autoSize = true;
  Label47.enabled = false;
  txtCount = child("txtCount", ControlKind::TextBox, {13200, 3960, 615, 375}, "", kLightBlue,
                   kBlack, kSystemFont);
  txtCount.bordered = true;
  ProgressBar1 = child("ProgressBar1", ControlKind::ProgressBar, {1440, 4920, 12495, 375}, "",
                       kLightBlue, kBlue, kSmall);

  Label50 = label("Label50", {960, 2400, 2655, 615},
                  "Компьпютер дээр 10 хуруугаар хурдан бичиж сурахад тань энэхүү  програм "
                  "туслах болно",
                  kSmall);
  Label50.wordWrap = true;
  Label49 = label("Label49", {12240, 720, 2430, 180}, "Alt - Товчлуурыг дарж зогсооно.", kSmall);
  Label49.autoSize = true;
  Label48 = label("Label48", {1680, 4440, 3495, 375}, "Arvan © хөгжүүлэгчид", {9.75, true});
  Label48.foreColour = kSystemHighlightText;

  Shape4 =
      filledShape("Shape4", ShapeForm::RoundedRectangle, {960, 5400, 13455, 4935}, kNavy, kWhite);
  Shape3 =
      filledShape("Shape3", ShapeForm::RoundedRectangle, {1080, 5520, 13215, 4695}, kBlue, kWhite);

  for (int slot = 0; slot < kSlotCount; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    button[i] = filledShape(slotNames("button")[i], ShapeForm::RoundedRectangle, outlineRect(slot),
                            restOutlineColour(slot), kSystemWindowText);
    Back[i] = filledShape(slotNames("Back")[i], ShapeForm::RoundedRectangle, faceRect(slot),
                          kLightGrey, kSystemWindowText);
    fore[i] = filledShape(slotNames("fore")[i], ShapeForm::RoundedRectangle, highlightRect(slot),
                          kYellow, kSystemWindowText);
    fore[i].visible = false;
  }
  for (int slot = 0; slot < kLabelledSlotCount; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    const KeySlot& key = kKeySlots[i];
    const Point at = labelRestPosition(slot);
    Control& l = keyLabel[i];
    l = label(key.labelName, {at.x, at.y, kKeyLabelWidth, kLabelHeight}, key.designCaption,
              kKeyCaption);
    l.foreColour = kBlack;
    l.autoSize = true;
  }
  for (std::size_t n = 0; n < kHomeKeyCount; ++n) {
    Control& ring = toirog[n];
    ring = shape(kCircleNames[n], ShapeForm::Oval, ringRect(static_cast<int>(n)));
    ring.borderColour = kRed;
    ring.borderWidth = 2;
    ring.visible = false;
  }
  decorativeKeys = makeDecorativeKeys();
}

const Control* Form::frameOf(const Control& option) const {
  if (&option == &Option1 || &option == &Option2 || &option == &Option3) return &Frame1;
  if (&option == &OptMon || &option == &OptEng) return &Frame2;
  return nullptr;
}

std::vector<const Control*> Form::controlsInDrawingOrder() const {
  std::vector<const Control*> order{
      &lblMenu1,    &ShapeMenu1,    &lblSubMenu1,    &ShapeSubMenu1, &lblSubMenu2, &ShapeSubMenu2,
      &lblSubMenu3, &ShapeSubMenu3, &Image6,         &ShapeSambar,   &Label50,     &Label49,
      &Label48,     &Dalbaa2,       &Dalbaa1,        &Dalbaa3,       &ImgEng,      &Start,
      &lblExit,     &Image8,        &lblElapsedTime, &Image1,        &Label46,     &Label47,
  };
  for (const Control& c : ZGar) order.push_back(&c);
  for (const Control& c : BGar) order.push_back(&c);
  order.push_back(&Shape4);
  order.push_back(&Shape3);
  for (const DecorativeKey& key : decorativeKeys) order.push_back(&key.outline);
  for (const Control& c : button) order.push_back(&c);
  for (const Control& c : Back) order.push_back(&c);
  for (const Control& c : fore) order.push_back(&c);
  for (const DecorativeKey& key : decorativeKeys) order.push_back(&key.face);
  for (const Control& c : keyLabel) order.push_back(&c);
  for (const DecorativeKey& key : decorativeKeys) order.push_back(&key.symbol);
  for (const Control& c : toirog) order.push_back(&c);
  for (const Control* c :
       {&Text1, &Text2, &Frame1, &Option1, &Option2, &Option3, &Frame2, &OptMon, &OptEng, &cmdShow,
        &cmdNoView, &txtCountError, &txtCount, &ProgressBar1}) {
    order.push_back(c);
  }
  return order;
}

}  // namespace arvan
