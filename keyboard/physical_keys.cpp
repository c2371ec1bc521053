// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "keyboard/physical_keys.h"

#include <array>
#include <vector>

#include "keyboard/key_slots.h"

namespace arvan {
namespace {

struct PhysicalKey {
  std::string_view positionName;  // as browsers name it
  std::uint32_t xkb;
  std::uint32_t pcSet1;
  int keyCode;
  std::string_view usWrites = {};  // the characters the US layout writes with it
};

// The key of each key slot, in slot order; its key code is the slot's.
// clang-format off
constexpr auto kSlotKeys = std::to_array<PhysicalKey>({
    {"KeyQ", 24, 0x10, 0, "Q"}, {"KeyW", 25, 0x11, 0, "W"}, {"KeyE", 26, 0x12, 0, "E"},
    {"KeyR", 27, 0x13, 0, "R"}, {"KeyT", 28, 0x14, 0, "T"}, {"KeyY", 29, 0x15, 0, "Y"},
    {"KeyU", 30, 0x16, 0, "U"}, {"KeyI", 31, 0x17, 0, "I"}, {"KeyO", 32, 0x18, 0, "O"},
    {"KeyP", 33, 0x19, 0, "P"}, {"BracketLeft", 34, 0x1A, 0, "[{"},
    {"BracketRight", 35, 0x1B, 0, "]}"}, {"Backslash", 51, 0x2B, 0, "\\|"},
    {"KeyA", 38, 0x1E, 0, "A"}, {"KeyS", 39, 0x1F, 0, "S"}, {"KeyD", 40, 0x20, 0, "D"},
    {"KeyF", 41, 0x21, 0, "F"}, {"KeyG", 42, 0x22, 0, "G"}, {"KeyH", 43, 0x23, 0, "H"},
    {"KeyJ", 44, 0x24, 0, "J"}, {"KeyK", 45, 0x25, 0, "K"}, {"KeyL", 46, 0x26, 0, "L"},
    {"Semicolon", 47, 0x27, 0, ";:"}, {"Quote", 48, 0x28, 0, "'\""},
    {"KeyZ", 52, 0x2C, 0, "Z"}, {"KeyX", 53, 0x2D, 0, "X"}, {"KeyC", 54, 0x2E, 0, "C"},
    {"KeyV", 55, 0x2F, 0, "V"}, {"KeyB", 56, 0x30, 0, "B"}, {"KeyN", 57, 0x31, 0, "N"},
    {"KeyM", 58, 0x32, 0, "M"}, {"Comma", 59, 0x33, 0, ",<"}, {"Period", 60, 0x34, 0, ".>"},
    {"Slash", 61, 0x35, 0, "/?"}, {"Space", 65, 0x39, 0, " "},
});
static_assert(kSlotKeys.size() == kSlotCount, "one key for each key slot");

// The other keys, with their own key codes.
constexpr auto kOtherKeys = std::to_array<PhysicalKey>({
    // Alt, left and right (AltGr in many layouts)
    {"AltLeft", 64, 0x38, kAltKeyCode}, {"AltRight", 108, 0x138, kAltKeyCode},
    // Keys that are never drilled
    {"Escape", 9, 0x01, 27}, {"Backspace", 22, 0x0E, 8}, {"Tab", 23, 0x0F, 9},
    {"Enter", 36, 0x1C, 13}, {"NumpadEnter", 104, 0x11C, 13}, {"ControlLeft", 37, 0x1D, 17},
    {"ControlRight", 105, 0x11D, 17}, {"ShiftLeft", 50, 0x2A, 16}, {"ShiftRight", 62, 0x36, 16},
    {"CapsLock", 66, 0x3A, 20}, {"Backquote", 49, 0x29, 192}, {"Minus", 20, 0x0C, 189},
    {"Equal", 21, 0x0D, 187},
    {"Digit1", 10, 0x02, 49, "1"}, {"Digit2", 11, 0x03, 50, "2"}, {"Digit3", 12, 0x04, 51, "3"},
    {"Digit4", 13, 0x05, 52, "4"}, {"Digit5", 14, 0x06, 53, "5"}, {"Digit6", 15, 0x07, 54, "6"},
    {"Digit7", 16, 0x08, 55, "7"}, {"Digit8", 17, 0x09, 56, "8"}, {"Digit9", 18, 0x0A, 57, "9"},
    {"Digit0", 19, 0x0B, 48, "0"},
    {"F1", 67, 0x3B, 112}, {"F2", 68, 0x3C, 113}, {"F3", 69, 0x3D, 114}, {"F4", 70, 0x3E, 115},
    {"F5", 71, 0x3F, 116}, {"F6", 72, 0x40, 117}, {"F7", 73, 0x41, 118}, {"F8", 74, 0x42, 119},
    {"F9", 75, 0x43, 120}, {"F10", 76, 0x44, 121}, {"F11", 95, 0x57, 122}, {"F12", 96, 0x58, 123},
    {"ArrowUp", 111, 0x148, 38}, {"ArrowDown", 116, 0x150, 40}, {"ArrowLeft", 113, 0x14B, 37},
    {"ArrowRight", 114, 0x14D, 39}, {"Home", 110, 0x147, 36}, {"End", 115, 0x14F, 35},
});
// clang-format on

// Every key, the slots' with the key codes of their slots.
const std::vector<PhysicalKey>& physicalKeys() {
  static const std::vector<PhysicalKey> keys = [] {
    std::vector<PhysicalKey> all(kSlotKeys.begin(), kSlotKeys.end());
    for (int slot = 0; slot < kSlotCount; ++slot) {
      all[static_cast<std::size_t>(slot)].keyCode = keyAt(slot).keyCode;
    }
    all.insert(all.end(), kOtherKeys.begin(), kOtherKeys.end());
    return all;
  }();
  return keys;
}

std::uint32_t scanCodeIn(ScanCodeSet set, const PhysicalKey& key) {
  return set == ScanCodeSet::Xkb ? key.xkb : key.pcSet1;
}

// The one character of a UTF-8 text; none for an empty text or a longer one.
std::optional<char32_t> onlyCharacter(std::string_view utf8) {
  if (utf8.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(utf8[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (utf8.size() != length) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (utf8[i] & 0x3F);
  return c;
}

// Latin and Cyrillic letters in upper case, as the tables give them.
char32_t upperCase(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= U'а' && c <= U'я')) return c - 0x20;
  if (c >= U'ѐ' && c <= U'џ') return c - 0x50;
  if (c == U'ө' || c == U'ү') return c - 1;
  return c;
}

}  // namespace

std::optional<int> keyCodeFromScanCode(ScanCodeSet set, std::uint32_t scanCode) {
  for (const PhysicalKey& key : physicalKeys()) {
    if (scanCodeIn(set, key) == scanCode) return key.keyCode;
  }
  return std::nullopt;
}

std::optional<int> keyCodeFromPositionName(std::string_view name) {
  for (const PhysicalKey& key : physicalKeys()) {
    if (key.positionName == name) return key.keyCode;
  }
  return std::nullopt;
}

std::optional<int> keyCodeFromKeyName(std::string_view name) {
  struct NamedKey {
    std::string_view name;
    int keyCode;
  };
  constexpr std::array<NamedKey, 6> kControlKeys{{
      {"Alt", kAltKeyCode},
      {"AltGraph", kAltKeyCode},
      {"Shift", 16},
      {"Control", 17},
      {"Enter", 13},
      {"Escape", 27},
  }};
  for (const NamedKey& key : kControlKeys) {
    if (key.name == name) return key.keyCode;
  }
  return std::nullopt;
}

std::optional<int> keyCodeWriting(std::string_view character) {
  const std::optional<char32_t> written = onlyCharacter(character);
  if (!written) return std::nullopt;
  const char32_t upper = upperCase(*written);
  for (const PhysicalKey& key : physicalKeys()) {
    for (const char c : key.usWrites) {
      if (static_cast<char32_t>(c) == upper) return key.keyCode;
    }
  }
  const bool cyrillic = upper >= 0x400 && upper <= 0x4FF;
  for (const KeySlot& slot : kKeySlots) {
    if (cyrillic && onlyCharacter(slot.mongolianCaption) == upper) return slot.keyCode;
  }
  return std::nullopt;
}

}  // namespace arvan
