// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/physical_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>
#include <Qt>
#include <array>

#include "keyboard/key_slots.h"

namespace arvan {
namespace {

struct PhysicalKey {
  std::uint32_t xkb;
  std::uint32_t pcSet1;
  int keyCode;
};

// clang-format off
constexpr auto kPhysicalKeys = std::to_array<PhysicalKey>({
    // The letter rows and the space bar
    {24, 0x10, 81}, {25, 0x11, 87}, {26, 0x12, 69}, {27, 0x13, 82}, {28, 0x14, 84},
    {29, 0x15, 89}, {30, 0x16, 85}, {31, 0x17, 73}, {32, 0x18, 79}, {33, 0x19, 80},
    {34, 0x1A, 219}, {35, 0x1B, 221}, {51, 0x2B, 220},
    {38, 0x1E, 65}, {39, 0x1F, 83}, {40, 0x20, 68}, {41, 0x21, 70}, {42, 0x22, 71},
    {43, 0x23, 72}, {44, 0x24, 74}, {45, 0x25, 75}, {46, 0x26, 76}, {47, 0x27, 186},
    {48, 0x28, 222},
    {52, 0x2C, 90}, {53, 0x2D, 88}, {54, 0x2E, 67}, {55, 0x2F, 86}, {56, 0x30, 66},
    {57, 0x31, 78}, {58, 0x32, 77}, {59, 0x33, 188}, {60, 0x34, 190}, {61, 0x35, 191},
    {65, 0x39, 32},
    // Alt, left and right (AltGr in many layouts)
    {64, 0x38, 18}, {108, 0x138, 18},
    // Keys that are never drilled
    {9, 0x01, 27}, {22, 0x0E, 8}, {23, 0x0F, 9}, {36, 0x1C, 13}, {37, 0x1D, 17},
    {105, 0x11D, 17}, {50, 0x2A, 16}, {62, 0x36, 16}, {66, 0x3A, 20}, {49, 0x29, 192},
    {10, 0x02, 49}, {11, 0x03, 50}, {12, 0x04, 51}, {13, 0x05, 52}, {14, 0x06, 53},
    {15, 0x07, 54}, {16, 0x08, 55}, {17, 0x09, 56}, {18, 0x0A, 57}, {19, 0x0B, 48},
    {20, 0x0C, 189}, {21, 0x0D, 187},
    {67, 0x3B, 112}, {68, 0x3C, 113}, {69, 0x3D, 114}, {70, 0x3E, 115}, {71, 0x3F, 116},
    {72, 0x40, 117}, {73, 0x41, 118}, {74, 0x42, 119}, {75, 0x43, 120}, {76, 0x44, 121},
    {95, 0x57, 122}, {96, 0x58, 123},
    {111, 0x148, 38}, {116, 0x150, 40}, {113, 0x14B, 37}, {114, 0x14D, 39},
    {110, 0x147, 36}, {115, 0x14F, 35},
});
// clang-format on

struct QtKeyCode {
  int qtKey;
  int keyCode;
};

constexpr auto kQtPunctuationAndControls = std::to_array<QtKeyCode>({
    {Qt::Key_Space, 32},        {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},
    {Qt::Key_Comma, 188},       {Qt::Key_Less, 188},         {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},     {Qt::Key_Slash, 191},        {Qt::Key_Question, 191},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},         {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},  {Qt::Key_QuoteDbl, 222},     {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},        {Qt::Key_Shift, 16},         {Qt::Key_Control, 17},
    {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},         {Qt::Key_Escape, 27},
});

}  // namespace

std::optional<int> keyCodeFromScanCode(ScanCodeSet set, std::uint32_t scanCode) {
  for (const PhysicalKey& key : kPhysicalKeys) {
    if ((set == ScanCodeSet::Xkb ? key.xkb : key.pcSet1) == scanCode) return key.keyCode;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> scanCodeOf(ScanCodeSet set, int keyCode) {
  for (const PhysicalKey& key : kPhysicalKeys) {
    if (key.keyCode == keyCode) return set == ScanCodeSet::Xkb ? key.xkb : key.pcSet1;
  }
  return std::nullopt;
}

std::optional<int> keyCodeFromQtKey(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
  for (const QtKeyCode& key : kQtPunctuationAndControls) {
    if (key.qtKey == qtKey) return key.keyCode;
  }
  // Qt names a letter key by its upper-case character.
  const auto codePoint = static_cast<char32_t>(qtKey);
  const QString pressed = QString::fromUcs4(&codePoint, 1).toUpper();
  for (const KeySlot& slot : kKeySlots) {
    if (!slot.mongolianCaption.empty() && slot.mongolianCaption != "—" &&
        QString::fromUtf8(slot.mongolianCaption.data(),
                          static_cast<qsizetype>(slot.mongolianCaption.size())) == pressed) {
      return slot.keyCode;
    }
  }
  return std::nullopt;
}

std::optional<int> keyCodeOf(const QKeyEvent& event) {
  const quint32 scanCode = event.nativeScanCode();
  if (scanCode != 0) {
    const QString platform = QGuiApplication::platformName();
    std::optional<int> code;
    if (platform == QLatin1String("windows")) {
      code = keyCodeFromScanCode(ScanCodeSet::PcSet1, scanCode);
    } else if (platform != QLatin1String("cocoa")) {
      code = keyCodeFromScanCode(ScanCodeSet::Xkb, scanCode);
    }
    if (code) return code;
  }
  if (const std::optional<int> code = keyCodeFromQtKey(event.key())) return code;
  if (scanCode == 0 && event.key() == 0) return std::nullopt;
  return 0;  // a key that belongs to no key slot
}

}  // namespace arvan
