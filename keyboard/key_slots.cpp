// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "keyboard/key_slots.h"

#include <algorithm>

namespace arvan {
namespace {

constexpr FingerPicture left(int finger) { return {Hand::Left, finger}; }
constexpr FingerPicture right(int finger) { return {Hand::Right, finger}; }
constexpr FingerPicture kThumbs{Hand::BothThumbs, 1};
constexpr NextLabel kAtPress = NextLabel::AtPress;
constexpr NextLabel kAtRelease = NextLabel::AtRelease;

// A row of keys: its slots and the rectangles of its first key, from which
// each next key stands one pitch to the right.
struct Row {
  int firstSlot;
  int lastSlot;
  Rect outline;
  Rect face;
  int highlightTop;
  Point label;
};

constexpr int kKeyPitch = 840;
constexpr int kZRowLoweredOutlineTop = 8535;  // slots 24 and 26
constexpr int kRingClearance = 120;           // between a home key's outline and its ring

constexpr std::array<Row, 4> kRows{{
    {0, 12, {2400, kKeyRowTops[0], 735, kKeyHeight}, {2520, 7125, 495, 480}, 7155, {2640, 7200}},
    {13, 23, {2760, kKeyRowTops[1], 735, kKeyHeight}, {2880, 7845, 495, 480}, 7875, {3000, 7920}},
    {24, 33, {3120, kKeyRowTops[2], 735, kKeyHeight}, {3240, 8565, 495, 480}, 8595, {3360, 8640}},
    {34,
     34,
     {5520, kKeyRowTops[3], 3495, kKeyHeight},
     {5640, 9300, 3255, 450},
     9360,
     {}},  // the space bar
}};

const Row& rowFor(int slot) {
  for (const Row& row : kRows) {
    if (slot <= row.lastSlot) return row;
  }
  return kRows.back();
}

int stepsIntoRow(int slot) { return slot - rowFor(slot).firstSlot; }

}  // namespace

// Columns: key code, label, the English and Mongolian captions, the design
// caption, the show-labels captions in English and Mongolian, the typed
// character, the home slot, the finger and when a blind drill shows the next
// letter after a hit.
// clang-format off
constexpr std::array<KeySlot, kSlotCount> kKeySlots{{
    {81,  "Q",           "Q",  "Ф", "Q",    "Q",   "Ф", "ф", 13,           left(5),  kAtRelease},
    {87,  "W",           "W",  "Ц", "W",    "W",   "Ц", "ц", 14,           left(4),  kAtRelease},
    {69,  "E",           "E",  "У", "E",    "E",   "У", "у", 15,           left(3),  kAtRelease},
    {82,  "R",           "R",  "Ж", "R",    "R",   "Ж", "ж", 16,           left(2),  kAtRelease},
    {84,  "T",           "T",  "Э", "T",    "T",   "Э", "э", 16,           left(2),  kAtRelease},
    {89,  "Y",           "Y",  "Н", "Y",    "Y",   "Н", "н", 19,           right(2), kAtRelease},
    {85,  "U",           "U",  "Г", "U",    "U",   "Г", "г", 19,           right(2), kAtRelease},
    {73,  "I",           "I",  "Ш", "I",    "I",   "Ш", "ш", 20,           right(3), kAtRelease},
    {79,  "O",           "O",  "Ү", "O",    "O",   "Ү", "ү", 21,           right(4), kAtRelease},
    {80,  "P",           "P",  "З", "P",    "P",   "З", "з", 22,           right(5), kAtRelease},
    {219, "Haalt1",      "{[", "К", "{ [",  "{ [", "к", "к", 22,           right(5), kAtRelease},
    {221, "Haalt2",      "]}", "Ъ", "] }",  "] }", "ъ", "ъ", 22,           right(5), kAtRelease},
    {220, "BosooZuraas", "|",  "—", "|",    "|",   "—", "",  22,           right(5), kAtRelease},
    {65,  "A",           "A",  "Й", "A",    "A",   "Й", "й", std::nullopt, left(5),  kAtRelease},
    {83,  "S",           "S",  "Ы", "S",    "S",   "Ы", "ы", std::nullopt, left(4),  kAtRelease},
    {68,  "D",           "D",  "Б", "D",    "D",   "Б", "б", std::nullopt, left(3),  kAtRelease},
    {70,  "F",           "F",  "Ө", "F",    "F",   "Ө", "ө", std::nullopt, left(2),  kAtRelease},
    {71,  "G",           "G",  "А", "G",    "G",   "А", "а", 16,           left(2),  kAtRelease},
    {72,  "H",           "H",  "Х", "H",    "H",   "Х", "х", 19,           right(2), kAtRelease},
    {74,  "J",           "J",  "Р", "J",    "J",   "Р", "р", std::nullopt, right(2), kAtPress},
    {75,  "K",           "K",  "О", "K",    "K",   "О", "о", std::nullopt, right(3), kAtPress},
    {76,  "L",           "L",  "Л", "L",    "L",   "Л", "л", std::nullopt, right(4), kAtRelease},
    {186, "ZegTaslal",   ":;", "Д", ": ;",  ": ;", "Д", "д", std::nullopt, right(5), kAtRelease},
    {222, "Apostrop",    "'",  "П", "\"  ", "\"",  "П", "п", 22,           right(5), kAtRelease},
    {90,  "Z",           "Z",  "Я", "Z",    "Z",   "Я", "я", 13,           left(5),  kAtRelease},
    {88,  "X",           "X",  "Ч", "X",    "X",   "Ч", "ч", 14,           left(4),  kAtRelease},
    {67,  "C",           "C",  "Ё", "C",    "C",   "Ё", "ё", 15,           left(3),  kAtRelease},
    {86,  "V",           "V",  "С", "V",    "V",   "С", "с", 16,           left(2),  kAtRelease},
    {66,  "B",           "B",  "М", "B",    "B",   "М", "м", 16,           left(2),  kAtRelease},
    {78,  "N",           "N",  "И", "N",    "N",   "И", "и", 19,           right(2), kAtRelease},
    {77,  "M",           "M",  "Т", "M",    "M",   "Т", "т", 19,           right(2), kAtRelease},
    {188, "Ih",          "<,", "Ь", "< ,",  "<,",  "Ь", "ь", 20,           right(3), kAtRelease},
    {190, "Baga",        ">.", "В", "> .",  ">.",  "В", "в", 21,           right(4), kAtRelease},
    {191, "Asuult",      "?/", "Ю", "? /",  "?/",  "Ю", "ю", 22,           right(5), kAtRelease},
    {32,  "",            "",   "",  "",     "",    "",  " ", std::nullopt, kThumbs,  kAtRelease},
}};
// clang-format on

namespace {

constexpr bool isHomeOfSomeKey(int slot) {
  return std::any_of(kKeySlots.begin(), kKeySlots.end(),
                     [slot](const KeySlot& key) { return key.homeSlot == slot; });
}

// The home keys in slot order: ring n stands around the nth.
struct HomeKeys {
  std::array<int, kHomeKeyCount> slots{};
  std::size_t count = 0;
};

constexpr HomeKeys kHomeKeys = [] {
  HomeKeys keys;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (isHomeOfSomeKey(slot)) keys.slots.at(keys.count++) = slot;
  }
  return keys;
}();
static_assert(kHomeKeys.count == kHomeKeyCount, "one ring for each home key");

// The ring around a home key; none around any other key.
std::optional<int> ringAround(int slot) {
  for (int ring = 0; ring < kHomeKeyCount; ++ring) {
    if (kHomeKeys.slots[static_cast<std::size_t>(ring)] == slot) return ring;
  }
  return std::nullopt;
}

}  // namespace

const KeySlot& keyAt(int slot) { return kKeySlots[static_cast<std::size_t>(slot)]; }

std::optional<int> slotForKeyCode(int keyCode) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (keyAt(slot).keyCode == keyCode) return slot;
  }
  return std::nullopt;
}

bool typesNothing(int slot) { return keyAt(slot).typedChar.empty(); }

std::optional<int> slotTyping(std::string_view character) {
  if (character.empty()) return std::nullopt;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (keyAt(slot).typedChar == character) return slot;
  }
  return std::nullopt;
}

Rect outlineRect(int slot) {
  Rect r = rowFor(slot).outline;
  r.left += kKeyPitch * stepsIntoRow(slot);
  if (slot == 24 || slot == 26) r.top = kZRowLoweredOutlineTop;
  return r;
}

Rect faceRect(int slot) {
  Rect r = rowFor(slot).face;
  r.left += kKeyPitch * stepsIntoRow(slot);
  return r;
}

Rect highlightRect(int slot) {
  Rect r = faceRect(slot);
  r.top = rowFor(slot).highlightTop;
  return r;
}

Point labelRestPosition(int slot) {
  const Point first = rowFor(slot).label;
  return {first.x + kKeyPitch * stepsIntoRow(slot), first.y};
}

bool isHomeKey(int slot) { return ringAround(slot).has_value(); }

Colour restOutlineColour(int slot) { return isHomeKey(slot) ? kRed : kGrey; }

Rect ringRect(int ring) {
  const Rect key = outlineRect(kHomeKeys.slots[static_cast<std::size_t>(ring)]);
  return {key.left - kRingClearance, key.top - kRingClearance, key.width + 2 * kRingClearance,
          key.height + 2 * kRingClearance};
}

std::optional<int> ringOfTarget(int slot) {
  const std::optional<int> home = keyAt(slot).homeSlot;
  return home ? ringAround(*home) : std::nullopt;
}

}  // namespace arvan
