// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// A keyboard and a pointer made up through the compositor's virtual input
// protocols, as an on-screen keyboard or a remote desktop would make them:
// their events reach the focused window as a real device's would. The
// keyboard presses keys by evdev code and the compositor reads them with
// the keymap given here, so that a window sees the key positions of that
// layout.

#include <wayland-client.h>

#include <cstdint>
#include <string>

struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;

namespace arvan::wayland {

class VirtualDevices {
 public:
  // Connects to the compositor of $WAYLAND_DISPLAY and gives the keyboard
  // `keymap` (XKB, text form); throws std::runtime_error when something
  // needed is missing.
  explicit VirtualDevices(const std::string& keymap);
  ~VirtualDevices();
  VirtualDevices(const VirtualDevices&) = delete;
  VirtualDevices& operator=(const VirtualDevices&) = delete;

  // A left click at (x, y) of a compositor space of `width` x `height`.
  void click(std::uint32_t x, std::uint32_t y, std::uint32_t width, std::uint32_t height);
  // A key goes down and comes up again.
  void tap(std::uint32_t evdevKey);
  // The keymap that the seat last handed its clients, as any window
  // receives it; empty before the first.
  std::string keymapSeenBySeat();

 private:
  static void onGlobal(void* self, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
  static void onGlobalRemoved(void*, wl_registry*, std::uint32_t) {}
  static void onKeymap(void* self, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size);
  static const wl_registry_listener kRegistryListener;
  static const wl_keyboard_listener kSeatKeyboardListener;

  void connect(const std::string& keymap);
  void release() noexcept;
  // Sends what is queued and waits for the compositor to have handled it.
  void roundTrip();

  wl_display* display_ = nullptr;
  wl_registry* registry_ = nullptr;
  wl_seat* seat_ = nullptr;
  wl_keyboard* seatKeyboard_ = nullptr;
  zwp_virtual_keyboard_manager_v1* keyboardManager_ = nullptr;
  zwlr_virtual_pointer_manager_v1* pointerManager_ = nullptr;
  zwp_virtual_keyboard_v1* keyboard_ = nullptr;
  zwlr_virtual_pointer_v1* pointer_ = nullptr;
  std::string seatKeymap_;
};

}  // namespace arvan::wayland
