// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "keyboard/physical_keys.h"

#include <gtest/gtest.h>

#include <array>

#include "keyboard/key_slots.h"

namespace arvan {
namespace {

struct KeyRow {
  const char* positionName;  // KeyboardEvent.code
  std::uint32_t xkb;         // evdev code + 8
  std::uint32_t pcSet1;      // Windows scan code
  int keyCode;               // US virtual-key code
};

// The 35 drilled keys and Alt, as the platforms number and name them.
constexpr std::array<KeyRow, 37> kKeys{{
    {"KeyQ", 24, 0x10, 81},       {"KeyW", 25, 0x11, 87},         {"KeyE", 26, 0x12, 69},
    {"KeyR", 27, 0x13, 82},       {"KeyT", 28, 0x14, 84},         {"KeyY", 29, 0x15, 89},
    {"KeyU", 30, 0x16, 85},       {"KeyI", 31, 0x17, 73},         {"KeyO", 32, 0x18, 79},
    {"KeyP", 33, 0x19, 80},       {"BracketLeft", 34, 0x1A, 219}, {"BracketRight", 35, 0x1B, 221},
    {"Backslash", 51, 0x2B, 220}, {"KeyA", 38, 0x1E, 65},         {"KeyS", 39, 0x1F, 83},
    {"KeyD", 40, 0x20, 68},       {"KeyF", 41, 0x21, 70},         {"KeyG", 42, 0x22, 71},
    {"KeyH", 43, 0x23, 72},       {"KeyJ", 44, 0x24, 74},         {"KeyK", 45, 0x25, 75},
    {"KeyL", 46, 0x26, 76},       {"Semicolon", 47, 0x27, 186},   {"Quote", 48, 0x28, 222},
    {"KeyZ", 52, 0x2C, 90},       {"KeyX", 53, 0x2D, 88},         {"KeyC", 54, 0x2E, 67},
    {"KeyV", 55, 0x2F, 86},       {"KeyB", 56, 0x30, 66},         {"KeyN", 57, 0x31, 78},
    {"KeyM", 58, 0x32, 77},       {"Comma", 59, 0x33, 188},       {"Period", 60, 0x34, 190},
    {"Slash", 61, 0x35, 191},     {"Space", 65, 0x39, 32},        {"AltLeft", 64, 0x38, 18},
    {"AltRight", 108, 0x138, 18},
}};

TEST(PhysicalKeys, EveryDrilledKeyAndAltGiveTheirKeyCodeByScanCodeAndByName) {
  for (const KeyRow& row : kKeys) {
    EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, row.xkb), row.keyCode) << row.positionName;
    EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::PcSet1, row.pcSet1), row.keyCode)
        << row.positionName;
    EXPECT_EQ(keyCodeFromPositionName(row.positionName), row.keyCode) << row.positionName;
  }
}

TEST(PhysicalKeys, KeysThatAreNeverDrilledGiveCodesOfNoSlot) {
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, 50), 16);  // left Shift
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, 36), 13);  // Enter
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::Xkb, 10), 49);  // 1
  EXPECT_EQ(keyCodeFromScanCode(ScanCodeSet::PcSet1, 0x1C), 13);
  EXPECT_EQ(keyCodeFromPositionName("NumpadEnter"), 13);
  EXPECT_EQ(keyCodeFromPositionName("F12"), 123);
  EXPECT_FALSE(keyCodeFromScanCode(ScanCodeSet::Xkb, 0).has_value());
  EXPECT_FALSE(keyCodeFromScanCode(ScanCodeSet::Xkb, 255).has_value());
  EXPECT_FALSE(keyCodeFromPositionName("MetaLeft").has_value());
  EXPECT_FALSE(keyCodeFromPositionName("").has_value());
}

TEST(PhysicalKeys, LatinLettersDigitsAndUsPunctuationFindTheKeyThatWritesThem) {
  EXPECT_EQ(keyCodeWriting("q"), 81);
  EXPECT_EQ(keyCodeWriting("Q"), 81);
  EXPECT_EQ(keyCodeWriting("7"), 55);
  EXPECT_EQ(keyCodeWriting(" "), 32);
  EXPECT_EQ(keyCodeWriting(";"), 186);
  EXPECT_EQ(keyCodeWriting(":"), 186);
  EXPECT_EQ(keyCodeWriting("}"), 221);
  EXPECT_EQ(keyCodeWriting("?"), 191);
  EXPECT_EQ(keyCodeWriting("\""), 222);
}

TEST(PhysicalKeys, MongolianLettersOfEitherCaseFindTheirKey) {
  EXPECT_EQ(keyCodeWriting("Ф"), 81);
  EXPECT_EQ(keyCodeWriting("ф"), 81);
  EXPECT_EQ(keyCodeWriting("ө"), 70);
  EXPECT_EQ(keyCodeWriting("Ү"), 79);
  EXPECT_EQ(keyCodeWriting("ё"), 67);
  EXPECT_EQ(keyCodeWriting("ю"), 191);
}

TEST(PhysicalKeys, WhatNoKeyOfTheTablesWritesFindsNone) {
  EXPECT_FALSE(keyCodeWriting("щ").has_value());  // on no key of the table
  EXPECT_FALSE(keyCodeWriting("—").has_value());  // the backslash's Mongolian caption
  EXPECT_FALSE(keyCodeWriting("").has_value());
  EXPECT_FALSE(keyCodeWriting("qq").has_value());
  EXPECT_FALSE(keyCodeWriting("é").has_value());
  EXPECT_FALSE(keyCodeWriting("\xD0").has_value());  // a character cut short
}

TEST(PhysicalKeys, KeysThatWriteNothingAreFoundByTheBrowsersNameOnly) {
  EXPECT_EQ(keyCodeFromKeyName("Alt"), kAltKeyCode);
  EXPECT_EQ(keyCodeFromKeyName("AltGraph"), kAltKeyCode);
  EXPECT_EQ(keyCodeFromKeyName("Shift"), 16);
  EXPECT_EQ(keyCodeFromKeyName("Escape"), 27);
  EXPECT_FALSE(keyCodeFromKeyName("alt").has_value());
  EXPECT_FALSE(keyCodeFromKeyName("a").has_value());
  EXPECT_FALSE(keyCodeFromKeyName("Meta").has_value());
}

}  // namespace
}  // namespace arvan
