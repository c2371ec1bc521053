// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "virtual_devices.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <string_view>

#include "virtual-keyboard-unstable-v1-client.h"
#include "wlr-virtual-pointer-unstable-v1-client.h"

namespace arvan::wayland {
namespace {

std::uint32_t nowMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

// A file that holds `text` and its closing NUL, as wl_keyboard's keymaps come.
int fileHolding(const std::string& text) {
  const int fd = memfd_create("keymap", MFD_CLOEXEC);
  if (fd < 0) throw std::runtime_error(std::string("memfd_create: ") + std::strerror(errno));
  const char* data = text.c_str();
  std::size_t left = text.size() + 1;
  while (left > 0) {
    const ssize_t written = write(fd, data, left);
    if (written <= 0) {
      close(fd);
      throw std::runtime_error("could not write the keymap to its file");
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return fd;
}

void noEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void noLeave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void noKey(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void noModifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                 std::uint32_t) {}
void noRepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

}  // namespace

const wl_registry_listener VirtualDevices::kRegistryListener = {&VirtualDevices::onGlobal,
                                                                &VirtualDevices::onGlobalRemoved};
const wl_keyboard_listener VirtualDevices::kSeatKeyboardListener = {
    &VirtualDevices::onKeymap, &noEnter, &noLeave, &noKey, &noModifiers, &noRepeatInfo};

VirtualDevices::VirtualDevices(const std::string& keymap) {
  display_ = wl_display_connect(nullptr);
  if (!display_) throw std::runtime_error("no Wayland compositor to connect to");
  try {
    connect(keymap);
  } catch (...) {
    release();
    throw;
  }
}

VirtualDevices::~VirtualDevices() { release(); }

void VirtualDevices::connect(const std::string& keymap) {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
  roundTrip();
  if (!seat_) throw std::runtime_error("the compositor has no seat");
  if (!keyboardManager_) throw std::runtime_error("the compositor offers no virtual keyboards");
  if (!pointerManager_) throw std::runtime_error("the compositor offers no virtual pointers");

  keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboardManager_, seat_);
  pointer_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointerManager_, seat_);
  const int fd = fileHolding(keymap);
  zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                 static_cast<std::uint32_t>(keymap.size() + 1));
  close(fd);  // libwayland has sent a copy of it
  roundTrip();
  // The seat has a keyboard now, so its clients may listen to it.
  seatKeyboard_ = wl_seat_get_keyboard(seat_);
  wl_keyboard_add_listener(seatKeyboard_, &kSeatKeyboardListener, this);
  roundTrip();
}

void VirtualDevices::release() noexcept {
  if (keyboard_) zwp_virtual_keyboard_v1_destroy(keyboard_);
  if (pointer_) zwlr_virtual_pointer_v1_destroy(pointer_);
  if (seatKeyboard_) wl_keyboard_destroy(seatKeyboard_);
  if (keyboardManager_) zwp_virtual_keyboard_manager_v1_destroy(keyboardManager_);
  if (pointerManager_) zwlr_virtual_pointer_manager_v1_destroy(pointerManager_);
  if (seat_) wl_seat_destroy(seat_);
  if (registry_) wl_registry_destroy(registry_);
  wl_display_roundtrip(display_);
  wl_display_disconnect(display_);
}

void VirtualDevices::click(std::uint32_t x, std::uint32_t y, std::uint32_t width,
                           std::uint32_t height) {
  zwlr_virtual_pointer_v1_motion_absolute(pointer_, nowMilliseconds(), x, y, width, height);
  zwlr_virtual_pointer_v1_frame(pointer_);
  zwlr_virtual_pointer_v1_button(pointer_, nowMilliseconds(), BTN_LEFT,
                                 WL_POINTER_BUTTON_STATE_PRESSED);
  zwlr_virtual_pointer_v1_frame(pointer_);
  zwlr_virtual_pointer_v1_button(pointer_, nowMilliseconds(), BTN_LEFT,
                                 WL_POINTER_BUTTON_STATE_RELEASED);
  zwlr_virtual_pointer_v1_frame(pointer_);
  roundTrip();
}

void VirtualDevices::tap(std::uint32_t evdevKey) {
  // Up right after down, before any key repeat could start.
  zwp_virtual_keyboard_v1_key(keyboard_, nowMilliseconds(), evdevKey,
                              WL_KEYBOARD_KEY_STATE_PRESSED);
  zwp_virtual_keyboard_v1_key(keyboard_, nowMilliseconds(), evdevKey,
                              WL_KEYBOARD_KEY_STATE_RELEASED);
  roundTrip();
}

std::string VirtualDevices::keymapSeenBySeat() {
  roundTrip();
  return seatKeymap_;
}

void VirtualDevices::roundTrip() {
  if (wl_display_roundtrip(display_) < 0) {
    throw std::runtime_error(std::string("the Wayland connection failed: ") +
                             std::strerror(wl_display_get_error(display_)));
  }
}

void VirtualDevices::onGlobal(void* self, wl_registry* registry, std::uint32_t name,
                              const char* interface, std::uint32_t) {
  auto& devices = *static_cast<VirtualDevices*>(self);
  const std::string_view offered = interface;
  if (offered == wl_seat_interface.name && !devices.seat_) {
    devices.seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (offered == zwp_virtual_keyboard_manager_v1_interface.name) {
    devices.keyboardManager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
        wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
  } else if (offered == zwlr_virtual_pointer_manager_v1_interface.name) {
    devices.pointerManager_ = static_cast<zwlr_virtual_pointer_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
  }
}

void VirtualDevices::onKeymap(void* self, wl_keyboard*, std::uint32_t format, int fd,
                              std::uint32_t size) {
  auto& devices = *static_cast<VirtualDevices*>(self);
  devices.seatKeymap_.clear();
  if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0) {
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped != MAP_FAILED) {
      const auto* text = static_cast<const char*>(mapped);
      devices.seatKeymap_.assign(text, strnlen(text, size));
      munmap(mapped, size);
    }
  }
  close(fd);
}

}  // namespace arvan::wayland
