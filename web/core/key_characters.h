// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// For a key event that names no physical key: the key code of the key that
// writes a character, from the key slot table's Mongolian captions.

#include <optional>
#include <string_view>

namespace arvan {

// `character` is one letter in UTF-8, either case; nullopt where no key
// slot's Mongolian caption is that letter.
[[nodiscard]] std::optional<int> keyCodeOfMongolianLetter(std::string_view character);

}  // namespace arvan
