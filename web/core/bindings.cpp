// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page's way into the core: plain exported functions over one tutor,
// one per event of the window, each answering with the controls that the
// event changed as JSON in the core's memory (arvan_answer_length bytes at
// the pointer returned, valid until the next call), which the page decodes
// at once. Plain functions rather than embind: nothing is made at run time
// (the page's policy allows no eval), and the page's script and the core
// are 24 KiB smaller.

#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "app/main_window.h"
#include "form/mode.h"
#include "keyboard/key_slots.h"
#include "keyboard/physical_keys.h"
#include "web/core/browser_platform.h"
#include "web/core/form_view.h"
#include "web/core/view_json.h"

namespace arvan {
namespace {

class Tutor {
 public:
  Tutor() : hit_(platform_), view_(hit_.form()) {}

  FormHit& hit() { return hit_; }
  FormView& view() { return view_; }

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

 private:
  BrowserPlatform platform_;
  FormHit hit_;
  FormView view_;
};

std::optional<Tutor> tutor;
std::string answer;

const char* answerWith(std::string text) {
  answer = std::move(text);
  return answer.data();
}

const char* changes() { return answerWith(describeChanges(tutor->hit(), tutor->view())); }

}  // namespace
}  // namespace arvan

using arvan::tutor;

extern "C" {

// Makes the tutor, as designed, before start-up; answers every control.
EMSCRIPTEN_KEEPALIVE const char* arvan_start() {
  tutor.emplace();
  return arvan::answerWith(arvan::describeControls(tutor->hit(), tutor->view()));
}

EMSCRIPTEN_KEEPALIVE int arvan_answer_length() { return static_cast<int>(arvan::answer.size()); }

EMSCRIPTEN_KEEPALIVE const char* arvan_load() {
  tutor->hit().load();
  return arvan::changes();
}

EMSCRIPTEN_KEEPALIVE const char* arvan_click(int index) {
  const auto& controls = tutor->view().controls();
  if (index >= 0 && index < static_cast<int>(controls.size())) {
    tutor->hit().click(*controls[static_cast<std::size_t>(index)]);
  }
  return arvan::changes();
}

EMSCRIPTEN_KEEPALIVE const char* arvan_click_background() {
  tutor->hit().clickBackground();
  return arvan::changes();
}

EMSCRIPTEN_KEEPALIVE int arvan_takes_key(int keyCode) { return tutor->takesKey(keyCode) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* arvan_key_down(int keyCode) {
  tutor->hit().keyDown(keyCode);
  return arvan::changes();
}

EMSCRIPTEN_KEEPALIVE const char* arvan_key_up(int keyCode) {
  tutor->hit().keyUp(keyCode);
  return arvan::changes();
}

EMSCRIPTEN_KEEPALIVE const char* arvan_tick() {
  tutor->hit().tick();
  return arvan::changes();
}

// The key code of a browser's name for a key position ("KeyQ"), 0 for none.
EMSCRIPTEN_KEEPALIVE int arvan_key_code_of_position(const char* name) {
  return arvan::keyCodeFromPositionName(name).value_or(0);
}

// The key code of a key's meaning as the browser names it: a key that
// writes no character by its name, any other by the character it wrote; 0
// for none.
EMSCRIPTEN_KEEPALIVE int arvan_key_code_of_key(const char* key) {
  return arvan::keyCodeFromKeyName(key).value_or(arvan::keyCodeWriting(key).value_or(0));
}

}  // extern "C"
