// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The 35 drillable keys of the on-screen keyboard, one row per key slot: the
// single source of every per-key fact (key code, label, captions, typed
// character, geometry, home key, finger). Nothing else repeats one of these;
// the home keys and their rings follow from the home slots and the geometry.

#include <array>
#include <optional>
#include <string_view>

#include "keyboard/geometry.h"

namespace arvan {

inline constexpr int kSlotCount = 35;
inline constexpr int kLabelledSlotCount = 34;
inline constexpr int kSpaceBarSlot = 34;
inline constexpr int kHomeKeyCount = 8;
inline constexpr int kAltKeyCode = 18;

enum class Hand { Left, Right, BothThumbs };

// The hand picture that shows the finger striking a key: `finger` 1 is the
// thumb, 5 the little finger.
struct FingerPicture {
  Hand hand = Hand::Left;
  int finger = 1;
  friend bool operator==(const FingerPicture&, const FingerPicture&) = default;
};

// When a blind drill shows the learner the next target's letter after a hit
// on a key: as the key is released, or already as it goes down.
enum class NextLabel { AtRelease, AtPress };

struct KeySlot {
  int keyCode;                             // Windows virtual-key code of the US layout
  std::string_view labelName;              // empty for the space bar, which has no label
  std::string_view englishCaption;         // written by the layout actions
  std::string_view mongolianCaption;       // and by the target label reveal
  std::string_view designCaption;          // the window as loaded
  std::string_view shownEnglishCaption;    // written by the show-labels
  std::string_view shownMongolianCaption;  // action
  std::string_view typedChar;              // empty for the backslash, which types
                                           // nothing but counts a right key
  std::optional<int> homeSlot;             // the home key of the striking finger,
                                           // none on a home key and the space bar
  FingerPicture finger;
  NextLabel nextLabel;
};

extern const std::array<KeySlot, kSlotCount> kKeySlots;

[[nodiscard]] const KeySlot& keyAt(int slot);
[[nodiscard]] std::optional<int> slotForKeyCode(int keyCode);
[[nodiscard]] bool typesNothing(int slot);
// The slot whose key types `character` (one UTF-8 character), if any.
[[nodiscard]] std::optional<int> slotTyping(std::string_view character);

// The tops of the outlines of the Q row, the A row, the Z row and the space
// bar's row, and their height: the keyboard's decorative keys stand in the
// same rows.
inline constexpr std::array<int, 4> kKeyRowTops{7080, 7800, 8520, 9240};
inline constexpr int kKeyHeight = 615;

// Row geometry: one rule per row, with the exception of the Z row folded in.
[[nodiscard]] Rect outlineRect(int slot);
[[nodiscard]] Rect faceRect(int slot);
[[nodiscard]] Rect highlightRect(int slot);
[[nodiscard]] Point labelRestPosition(int slot);  // slots 0..33

// A home key is where a finger rests: the home slot of the keys that finger
// strikes. Its outline rests red.
[[nodiscard]] bool isHomeKey(int slot);
[[nodiscard]] Colour restOutlineColour(int slot);

// The rings toirog1..8 (0..7 here) stand around the home keys in slot order,
// 120 twips clear of the outline. A target shows the ring of its home key.
[[nodiscard]] Rect ringRect(int ring);
[[nodiscard]] std::optional<int> ringOfTarget(int slot);

inline constexpr int kLabelHeight = 270;
inline constexpr int kKeyLabelWidth = 375;  // nominal; the label fits its caption
inline constexpr int kPressedLabelDrop = 30;

}  // namespace arvan
