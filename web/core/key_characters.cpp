// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#include "web/core/key_characters.h"

#include <string>

#include "keyboard/key_slots.h"

namespace arvan {
namespace {

// The upper-case form of a Cyrillic letter in UTF-8; other text unchanged.
// Captions are upper case; a layout may report either case.
std::u32string upper(std::u32string text) {
  for (char32_t& c : text) {
    if (c >= U'а' && c <= U'я')
      c -= 0x20;
    else if (c >= U'ѐ' && c <= U'џ')
      c -= 0x50;
    else if (c == U'ө' || c == U'ү')
      c -= 1;
  }
  return text;
}

std::u32string decode(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    out.push_back(c);
    i += length;
  }
  return out;
}

}  // namespace

std::optional<int> keyCodeOfMongolianLetter(std::string_view character) {
  const std::u32string pressed = upper(decode(character));
  if (pressed.size() != 1) return std::nullopt;
  for (const KeySlot& slot : kKeySlots) {
    if (slot.mongolianCaption.empty() || slot.mongolianCaption == "—") continue;
    if (upper(decode(slot.mongolianCaption)) == pressed) return slot.keyCode;
  }
  return std::nullopt;
}

}  // namespace arvan
