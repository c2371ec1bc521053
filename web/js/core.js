// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The core compiled to WebAssembly, as the page uses it: one tutor, one
// call per event of the window, each answering with what the event changed
// ({ changed: [control, ...], timer }), and the key codes of the browser's
// names for keys. The core's answers are JSON in its memory, decoded here
// at once.

export class Core {
  // `module` is the instantiated core (arvan.mjs).
  constructor(module) {
    this.module = module;
    this.decoder = new TextDecoder();
  }

  answer(pointer) {
    const length = this.module._arvan_answer_length();
    return JSON.parse(this.decoder.decode(this.module.HEAPU8.subarray(pointer, pointer + length)));
  }

  // Makes the tutor as designed; gives every control, in drawing order.
  start() {
    return this.answer(this.module._arvan_start());
  }

  load() {
    return this.answer(this.module._arvan_load());
  }

  click(index) {
    return this.answer(this.module._arvan_click(index));
  }

  clickBackground() {
    return this.answer(this.module._arvan_click_background());
  }

  // Whether the tutor has a use for the key in its present mode.
  takesKey(keyCode) {
    return this.module._arvan_takes_key(keyCode) !== 0;
  }

  keyDown(keyCode) {
    return this.answer(this.module._arvan_key_down(keyCode));
  }

  keyUp(keyCode) {
    return this.answer(this.module._arvan_key_up(keyCode));
  }

  tick() {
    return this.answer(this.module._arvan_tick());
  }

  // 0 for a name that the core does not know.
  keyCodeOfPosition(name) {
    return this.module.ccall('arvan_key_code_of_position', 'number', ['string'], [name]);
  }

  keyCodeOfKey(key) {
    return this.module.ccall('arvan_key_code_of_key', 'number', ['string'], [key]);
  }
}
