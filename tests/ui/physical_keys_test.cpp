// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/physical_keys.h"

#include <gtest/gtest.h>

#include <Qt>
#include <array>

namespace arvan {
namespace {

struct KeyRow {
  const char* key;
  std::uint32_t xkb;     // evdev code + 8
  std::uint32_t pcSet1;  // Windows scan code
  int keyCode;           // US virtual-key code
};

// The 35 drilled keys and Alt, as the platforms number them.
constexpr std::array<KeyRow, 37> kKeys{{
    {"Q", 24, 0x10, 81},           {"W", 25, 0x11, 87},     {"E", 26, 0x12, 69},
    {"R", 27, 0x13, 82},           {"T", 28, 0x14, 84},     {"Y", 29, 0x15, 89},
    {"U", 30, 0x16, 85},           {"I", 31, 0x17, 73},     {"O", 32, 0x18, 79},
    {"P", 33, 0x19, 80},           {"[", 34, 0x1A, 219},    {"]", 35, 0x1B, 221},
    {"\\", 51, 0x2B, 220},         {"A", 38, 0x1E, 65},     {"S", 39, 0x1F, 83},
    {"D", 40, 0x20, 68},           {"F", 41, 0x21, 70},     {"G", 42, 0x22, 71},
    {"H", 43, 0x23, 72},           {"J", 44, 0x24, 74},     {"K", 45, 0x25, 75},
    {"L", 46, 0x26, 76},           {";", 47, 0x27, 186},    {"'", 48, 0x28, 222},
    {"Z", 52, 0x2C, 90},           {"X", 53, 0x2D, 88},     {"C", 54, 0x2E, 67},
    {"V", 55, 0x2F, 86},           {"B", 56, 0x30, 66},     {"N", 57, 0x31, 78},
    {"M", 58, 0x32, 77},           {",", 59, 0x33, 188},    {".", 60, 0x34, 190},
    {"/", 61, 0x35, 191},          {"space", 65, 0x39, 32}, {"left Alt", 64, 0x38, 18},
    {"right Alt", 108, 0x138, 18},
}};

TEST(PhysicalKeys, ScanCodesOfEveryDrilledKeyAndAltGiveTheirKeyCodes) {
  for (const KeyRow& row : kKeys) {
    EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, row.xkb), row.keyCode) << row.key;
    EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::PcSet1, row.pcSet1), row.keyCode) << row.key;
  }
}

// Tools that play keys (the tests, the benchmarks) find a key code's
// physical key; Alt is the left one.
TEST(PhysicalKeys, EveryDrilledKeyCodeFindsItsScanCode) {
  for (const KeyRow& row : kKeys) {
    if (row.keyCode == 18) continue;
    EXPECT_EQ(scanCodeOf(ScanCodeSet::Xkb, row.keyCode), row.xkb) << row.key;
    EXPECT_EQ(scanCodeOf(ScanCodeSet::PcSet1, row.keyCode), row.pcSet1) << row.key;
  }
  EXPECT_EQ(scanCodeOf(ScanCodeSet::Xkb, 18), 64u);
  EXPECT_FALSE(scanCodeOf(ScanCodeSet::Xkb, 0x7C).has_value());  // F13: no key of the table
}

TEST(PhysicalKeys, KeysThatAreNeverDrilledGiveCodesOfNoSlot) {
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, 50), 16);  // left Shift
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, 36), 13);  // Enter
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, 10), 49);  // 1
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::PcSet1, 0x1C), 13);
  EXPECT_FALSE(keyCodeFromScanCode(ScanCodeSet::Xkb, 0).has_value());
  EXPECT_FALSE(keyCodeFromScanCode(ScanCodeSet::Xkb, 255).has_value());
}

TEST(PhysicalKeys, WithoutAScanCodeLatinLettersAndUsPunctuationStillCount) {
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Q), 81);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Space), 32);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Semicolon), 186);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Colon), 186);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_BraceRight), 221);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Question), 191);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_AltGr), 18);
}

TEST(PhysicalKeys, WithoutAScanCodeMongolianLettersFindTheirPhysicalKey) {
  EXPECT_EQ(keyCodeFromQtKey(0x0424), 81);             // Ф on Q
  EXPECT_EQ(keyCodeFromQtKey(0x04E8), 70);             // Ө on F
  EXPECT_EQ(keyCodeFromQtKey(0x04AE), 79);             // Ү on O
  EXPECT_EQ(keyCodeFromQtKey(0x0401), 67);             // Ё on C
  EXPECT_EQ(keyCodeFromQtKey(0x042E), 191);            // Ю on /
  EXPECT_FALSE(keyCodeFromQtKey(0x0429).has_value());  // Щ is on no key of the table
}

}  // namespace
}  // namespace arvan
