// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The key slot table as the tests expect it, typed in by hand: one row per
// slot, 0 to 34. The tests compare the program with these values; nothing
// here is derived from the code under test.

#include <array>
#include <string_view>

#include "keyboard/geometry.h"

namespace arvan::testing {

struct ExpectedKey {
  int code;
  std::string_view label;      // label control, empty for the space bar
  std::string_view english;    // caption of the layout actions
  std::string_view mongolian;  // caption of the layout actions
  std::string_view typed;      // typed character, empty for the backslash
  std::string_view finger;     // hand pictures shown while it is the target
  int home;                    // home key greyed while it is the target, -1 none
  int circle;                  // toirogN shown while it is the target, 0 none
};

// clang-format off
inline constexpr std::array<ExpectedKey, 35> kExpectedKeys{{
    {81,  "Q",           "Q",  "Ф", "ф", "ZGar5",       13, 1},
    {87,  "W",           "W",  "Ц", "ц", "ZGar4",       14, 2},
    {69,  "E",           "E",  "У", "у", "ZGar3",       15, 3},
    {82,  "R",           "R",  "Ж", "ж", "ZGar2",       16, 4},
    {84,  "T",           "T",  "Э", "э", "ZGar2",       16, 4},
    {89,  "Y",           "Y",  "Н", "н", "BGar2",       19, 5},
    {85,  "U",           "U",  "Г", "г", "BGar2",       19, 5},
    {73,  "I",           "I",  "Ш", "ш", "BGar3",       20, 6},
    {79,  "O",           "O",  "Ү", "ү", "BGar4",       21, 7},
    {80,  "P",           "P",  "З", "з", "BGar5",       22, 8},
    {219, "Haalt1",      "{[", "К", "к", "BGar5",       22, 8},
    {221, "Haalt2",      "]}", "Ъ", "ъ", "BGar5",       22, 8},
    {220, "BosooZuraas", "|",  "—", "",  "BGar5",       22, 8},
    {65,  "A",           "A",  "Й", "й", "ZGar5",       -1, 0},
    {83,  "S",           "S",  "Ы", "ы", "ZGar4",       -1, 0},
    {68,  "D",           "D",  "Б", "б", "ZGar3",       -1, 0},
    {70,  "F",           "F",  "Ө", "ө", "ZGar2",       -1, 0},
    {71,  "G",           "G",  "А", "а", "ZGar2",       16, 4},
    {72,  "H",           "H",  "Х", "х", "BGar2",       19, 5},
    {74,  "J",           "J",  "Р", "р", "BGar2",       -1, 0},
    {75,  "K",           "K",  "О", "о", "BGar3",       -1, 0},
    {76,  "L",           "L",  "Л", "л", "BGar4",       -1, 0},
    {186, "ZegTaslal",   ":;", "Д", "д", "BGar5",       -1, 0},
    {222, "Apostrop",    "'",  "П", "п", "BGar5",       22, 8},
    {90,  "Z",           "Z",  "Я", "я", "ZGar5",       13, 1},
    {88,  "X",           "X",  "Ч", "ч", "ZGar4",       14, 2},
    {67,  "C",           "C",  "Ё", "ё", "ZGar3",       15, 3},
    {86,  "V",           "V",  "С", "с", "ZGar2",       16, 4},
    {66,  "B",           "B",  "М", "м", "ZGar2",       16, 4},
    {78,  "N",           "N",  "И", "и", "BGar2",       19, 5},
    {77,  "M",           "M",  "Т", "т", "BGar2",       19, 5},
    {188, "Ih",          "<,", "Ь", "ь", "BGar3",       20, 6},
    {190, "Baga",        ">.", "В", "в", "BGar4",       21, 7},
    {191, "Asuult",      "?/", "Ю", "ю", "BGar5",       22, 8},
    {32,  "",            "",   "",  " ", "BGar1 ZGar1", -1, 0},
}};
// clang-format on

inline constexpr int kSpaceBar = 34;
inline constexpr int kAlt = 18;
inline constexpr Colour kRestFace = 12632256;
inline constexpr Colour kGreyOutline = 8421504;
inline constexpr Colour kRedOutline = 255;
inline constexpr Colour kGreenFace = 65280;
inline constexpr Colour kYellowHighlight = 65535;

inline constexpr bool isHomeRowKey(int slot) {
  return (slot >= 13 && slot <= 16) || (slot >= 19 && slot <= 22);
}

inline constexpr Colour expectedRestOutline(int slot) {
  return isHomeRowKey(slot) ? kRedOutline : kGreyOutline;
}

// One rule per letter row: positions step 840 twips from the row's first key.
struct ExpectedRow {
  int first, last;
  int outlineLeft, outlineTop;
  int faceLeft, faceTop, highlightTop;
  int labelLeft, labelTop;
};

inline constexpr std::array<ExpectedRow, 3> kExpectedRows{{
    {0, 12, 2400, 7080, 2520, 7125, 7155, 2640, 7200},
    {13, 23, 2760, 7800, 2880, 7845, 7875, 3000, 7920},
    {24, 33, 3120, 8520, 3240, 8565, 8595, 3360, 8640},
}};

inline constexpr const ExpectedRow& expectedRow(int slot) {
  return slot <= 12 ? kExpectedRows[0] : slot <= 23 ? kExpectedRows[1] : kExpectedRows[2];
}

inline constexpr Rect expectedOutline(int slot) {
  if (slot == kSpaceBar) return {5520, 9240, 3495, 615};
  const ExpectedRow& row = expectedRow(slot);
  const int top = (slot == 24 || slot == 26) ? 8535 : row.outlineTop;
  return {row.outlineLeft + 840 * (slot - row.first), top, 735, 615};
}

inline constexpr Rect expectedFace(int slot) {
  if (slot == kSpaceBar) return {5640, 9300, 3255, 450};
  const ExpectedRow& row = expectedRow(slot);
  return {row.faceLeft + 840 * (slot - row.first), row.faceTop, 495, 480};
}

inline constexpr Rect expectedHighlight(int slot) {
  if (slot == kSpaceBar) return {5640, 9360, 3255, 450};
  const ExpectedRow& row = expectedRow(slot);
  return {row.faceLeft + 840 * (slot - row.first), row.highlightTop, 495, 480};
}

inline constexpr Point expectedLabelRest(int slot) {
  const ExpectedRow& row = expectedRow(slot);
  return {row.labelLeft + 840 * (slot - row.first), row.labelTop};
}

}  // namespace arvan::testing
