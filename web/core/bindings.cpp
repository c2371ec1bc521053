// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page's way into the core: one Tutor, with one entry per event of the
// window, each answering with the controls that the event changed (JSON, so
// that one string crosses to JavaScript instead of one call per property).

#include <emscripten/bind.h>

#include "app/main_window.h"
#include "app/mode.h"
#include "keyboard/key_slots.h"
#include "keyboard/physical_keys.h"
#include "web/core/browser_platform.h"
#include "web/core/form_view.h"
#include "web/core/view_json.h"

namespace arvan {
namespace {

class Tutor {
 public:
  explicit Tutor(emscripten::val services)
      : platform_(std::move(services)), hit_(platform_), view_(hit_.form()) {}

  // Every control as designed, before start-up, as UTF-8 in the core's
  // memory, valid until the next call: the page decodes all of it at once
  // (TextDecoder), where embind would copy it a byte at a time.
  emscripten::val controls() {
    controls_ = describeControls(hit_, view_);
    return emscripten::val(emscripten::typed_memory_view(
        controls_.size(), reinterpret_cast<const unsigned char*>(controls_.data())));
  }
  // The timer as designed.
  [[nodiscard]] int timerInterval() const { return hit_.form().timSeconds.interval; }

  std::string load() {
    hit_.load();
    return describeChanges(hit_, view_);
  }
  std::string click(int index) {
    if (index >= 0 && index < static_cast<int>(view_.controls().size())) {
      hit_.click(*view_.controls()[static_cast<std::size_t>(index)]);
    }
    return describeChanges(hit_, view_);
  }
  std::string clickBackground() {
    hit_.clickBackground();
    return describeChanges(hit_, view_);
  }
  // Whether the tutor has a use for a key in its present mode, asked before
  // its key-down: while idle none; in a drill every key it knows (each is
  // judged) and in the typing modes the keys of the slots, and Alt, which
  // then opens no menu of the browser.
  [[nodiscard]] bool takesKey(int keyCode) const {
    switch (modeOf(hit_.form())) {
      case Mode::Idle:
        return false;
      case Mode::KeyDrill:
        return keyCode != 0;
      case Mode::WordTyping:
      case Mode::FreeTyping:
        return keyCode == kAltKeyCode || slotForKeyCode(keyCode).has_value();
    }
    return false;
  }
  std::string keyDown(int keyCode) {
    hit_.keyDown(keyCode);
    return describeChanges(hit_, view_);
  }
  std::string keyUp(int keyCode) {
    hit_.keyUp(keyCode);
    return describeChanges(hit_, view_);
  }
  std::string tick() {
    hit_.tick();
    return describeChanges(hit_, view_);
  }

 private:
  BrowserPlatform platform_;
  FormHit hit_;
  FormView view_;
  std::string controls_;
};

// For the page, 0 is a key that neither table knows.
int keyCodeOfPosition(const std::string& name) { return keyCodeFromPositionName(name).value_or(0); }
// A key's meaning as the browser names it: a key that writes no character
// by its name, any other by the character it wrote.
int keyCodeOfKey(const std::string& key) {
  return keyCodeFromKeyName(key).value_or(keyCodeWriting(key).value_or(0));
}

}  // namespace
}  // namespace arvan

EMSCRIPTEN_BINDINGS(arvan) {
  emscripten::class_<arvan::Tutor>("Tutor")
      .constructor<emscripten::val>()
      .function("controls", &arvan::Tutor::controls)
      .function("timerInterval", &arvan::Tutor::timerInterval)
      .function("load", &arvan::Tutor::load)
      .function("click", &arvan::Tutor::click)
      .function("clickBackground", &arvan::Tutor::clickBackground)
      .function("takesKey", &arvan::Tutor::takesKey)
      .function("keyDown", &arvan::Tutor::keyDown)
      .function("keyUp", &arvan::Tutor::keyUp)
      .function("tick", &arvan::Tutor::tick);
  emscripten::function("keyCodeOfPosition", &arvan::keyCodeOfPosition);
  emscripten::function("keyCodeOfKey", &arvan::keyCodeOfKey);
}
