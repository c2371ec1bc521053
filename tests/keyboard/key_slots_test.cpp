// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "keyboard/key_slots.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "window_fixture.h"

namespace arvan {
namespace {

using testing::expectedFace;
using testing::expectedHighlight;
using testing::expectedLabelRest;
using testing::expectedOutline;
using testing::kExpectedKeys;

const KeySlot& slotRow(int slot) { return kKeySlots[static_cast<std::size_t>(slot)]; }

TEST(KeySlotTable, EveryKeyCodeFindsItsOwnSlot) {
  for (int slot = 0; slot < 35; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const int code = kExpectedKeys[static_cast<std::size_t>(slot)].code;
    EXPECT_EQ(slotRow(slot).keyCode, code);
    EXPECT_EQ(slotForKeyCode(code), slot);
  }
}

TEST(KeySlotTable, KeysOutsideTheTableHaveNoSlot) {
  // Alt, Shift, Ctrl, Enter, Tab, Backspace, Esc, Caps Lock, digits, the
  // number pad, arrows, function keys, the Windows and menu keys, ~ - =.
  for (int code : {0,  8,  9,  13,  16,  17,  18,  20,  27,  33,  34,  35,  36,  37,   38,
                   39, 40, 45, 46,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,   91,
                   93, 96, 97, 105, 106, 112, 123, 144, 187, 189, 192, 226, 255, 1000, -1}) {
    EXPECT_EQ(slotForKeyCode(code), std::nullopt) << "key code " << code;
  }
}

TEST(KeySlotTable, EachTypedCharacterFindsTheSlotThatTypesIt) {
  for (int slot = 0; slot < 35; ++slot) {
    const auto& expected = kExpectedKeys[static_cast<std::size_t>(slot)];
    if (expected.typed.empty()) continue;  // the backslash types nothing
    EXPECT_EQ(slotTyping(expected.typed), slot) << expected.typed;
  }
  EXPECT_EQ(slotTyping(""), std::nullopt);
  EXPECT_EQ(slotTyping("\n"), std::nullopt);
  EXPECT_EQ(slotTyping("е"), std::nullopt);
}

TEST(KeySlotTable, DesignAndShowLabelsCaptionsDifferOnlyOnTheirOwnSlots) {
  struct Variant {
    int slot;
    std::string_view design, shownEnglish, shownMongolian;
  };
  const Variant variants[] = {
      {10, "{ [", "{ [", "к"}, {11, "] }", "] }", "ъ"}, {22, ": ;", ": ;", "Д"},
      {23, "\"  ", "\"", "П"}, {31, "< ,", "<,", "Ь"},  {32, "> .", ">.", "В"},
      {33, "? /", "?/", "Ю"},
  };
  std::set<int> varied;
  for (const Variant& v : variants) {
    SCOPED_TRACE("slot " + std::to_string(v.slot));
    varied.insert(v.slot);
    EXPECT_EQ(slotRow(v.slot).designCaption, v.design);
    EXPECT_EQ(slotRow(v.slot).shownEnglishCaption, v.shownEnglish);
    EXPECT_EQ(slotRow(v.slot).shownMongolianCaption, v.shownMongolian);
  }
  for (int slot = 0; slot < 34; ++slot) {
    if (varied.contains(slot)) continue;
    SCOPED_TRACE("slot " + std::to_string(slot));
    const auto& expected = kExpectedKeys[static_cast<std::size_t>(slot)];
    EXPECT_EQ(slotRow(slot).designCaption, expected.english);
    EXPECT_EQ(slotRow(slot).shownEnglishCaption, expected.english);
    EXPECT_EQ(slotRow(slot).shownMongolianCaption, expected.mongolian);
  }
}

TEST(KeySlotTable, NoTwoSlotsShareAKeyCodeOrALabel) {
  std::set<int> codes;
  std::set<std::string_view> labels;
  for (const KeySlot& key : kKeySlots) {
    codes.insert(key.keyCode);
    if (!key.labelName.empty()) labels.insert(key.labelName);
  }
  EXPECT_EQ(codes.size(), 35u);
  EXPECT_EQ(labels.size(), 34u);
  EXPECT_TRUE(slotRow(34).labelName.empty());
}

TEST(HomeKeys, AreASDFJKLAndSemicolonEachWithItsRing) {
  const std::set<int> homeKeys{13, 14, 15, 16, 19, 20, 21, 22};
  for (int slot = 0; slot < 35; ++slot) {
    EXPECT_EQ(isHomeKey(slot), homeKeys.contains(slot)) << "slot " << slot;
  }
  // The rings as designed: 975 x 855 at Top 7680.
  const int lefts[] = {2640, 3480, 4320, 5160, 7680, 8520, 9360, 10200};
  for (int ring = 0; ring < 8; ++ring) {
    EXPECT_EQ(ringRect(ring), (Rect{lefts[ring], 7680, 975, 855})) << "toirog" << ring + 1;
  }
}

TEST(HomeKeys, ATargetShowsTheRingOfItsFingersHomeKeyAndAHomeKeyShowsNone) {
  for (int slot = 0; slot < 35; ++slot) {
    const int circle = kExpectedKeys[static_cast<std::size_t>(slot)].circle;
    EXPECT_EQ(ringOfTarget(slot), circle == 0 ? std::nullopt : std::optional<int>(circle - 1))
        << "slot " << slot;
  }
}

TEST(KeyGeometry, ZRowOutlinesOfZAndCStandFifteenLower) {
  EXPECT_EQ(outlineRect(24), (Rect{3120, 8535, 735, 615}));
  EXPECT_EQ(outlineRect(25), (Rect{3960, 8520, 735, 615}));
  EXPECT_EQ(outlineRect(26), (Rect{4800, 8535, 735, 615}));
  EXPECT_EQ(outlineRect(27), (Rect{5640, 8520, 735, 615}));
  // Their faces and labels keep the row's line.
  EXPECT_EQ(faceRect(24).top, 8565);
  EXPECT_EQ(faceRect(26).top, 8565);
}

TEST(KeyGeometry, OnlyTheSpaceBarHighlightLiesSixtyBelowItsFace) {
  EXPECT_EQ(outlineRect(34), (Rect{5520, 9240, 3495, 615}));
  EXPECT_EQ(faceRect(34), (Rect{5640, 9300, 3255, 450}));
  EXPECT_EQ(highlightRect(34), (Rect{5640, 9360, 3255, 450}));
  for (int slot = 0; slot < 34; ++slot) {
    EXPECT_EQ(highlightRect(slot).top - faceRect(slot).top, 30) << "slot " << slot;
  }
}

TEST(KeyGeometry, LastKeyOfEachRow) {
  EXPECT_EQ(outlineRect(12), (Rect{12480, 7080, 735, 615}));
  EXPECT_EQ(labelRestPosition(12), (Point{12720, 7200}));
  EXPECT_EQ(outlineRect(23), (Rect{11160, 7800, 735, 615}));
  EXPECT_EQ(faceRect(23), (Rect{11280, 7845, 495, 480}));
  EXPECT_EQ(outlineRect(33), (Rect{10680, 8520, 735, 615}));
  EXPECT_EQ(highlightRect(33), (Rect{10800, 8595, 495, 480}));
}

}  // namespace
}  // namespace arvan
