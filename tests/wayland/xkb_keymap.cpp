// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "xkb_keymap.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace arvan::wayland {
namespace {

struct ContextFree {
  void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct KeymapFree {
  void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
using Context = std::unique_ptr<xkb_context, ContextFree>;
using Keymap = std::unique_ptr<xkb_keymap, KeymapFree>;

// XKB numbers a key by its evdev code plus 8.
constexpr std::uint32_t kEvdevToXkb = 8;

Context newContext() {
  Context context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
  if (!context) throw std::runtime_error("libxkbcommon gave no context");
  return context;
}

}  // namespace

std::string compileKeymap(const std::string& layout) {
  const std::size_t bracket = layout.find('(');
  const std::string name = layout.substr(0, bracket);
  std::string variant;
  if (bracket != std::string::npos) {
    if (layout.back() != ')') throw std::runtime_error("no closing bracket in " + layout);
    variant = layout.substr(bracket + 1, layout.size() - bracket - 2);
  }
  const Context context = newContext();
  const xkb_rule_names names{"evdev", "pc105", name.c_str(), variant.c_str(), ""};
  const Keymap keymap(
      xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (!keymap) throw std::runtime_error("no XKB keymap for the layout " + layout);
  const std::unique_ptr<char, decltype(&std::free)> text(
      xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1), &std::free);
  if (!text) throw std::runtime_error("libxkbcommon could not write the keymap out");
  return text.get();
}

std::uint32_t keysymOf(const std::string& keymap, std::uint32_t evdevKey) {
  const Context context = newContext();
  const Keymap compiled(xkb_keymap_new_from_string(
      context.get(), keymap.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (!compiled) return 0;
  const xkb_keysym_t* syms = nullptr;
  const int count =
      xkb_keymap_key_get_syms_by_level(compiled.get(), evdevKey + kEvdevToXkb, 0, 0, &syms);
  return count == 1 ? syms[0] : 0;
}

}  // namespace arvan::wayland
