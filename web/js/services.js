// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The platform services that the core asks of its surroundings, as the
// browser gives them: the bell, performance.now() as the monotonic clock, a
// random source reseeded from crypto.getRandomValues, and the end of the
// tutor.

// sfc32: a small, fast generator with a 128-bit state.
function randomSource() {
  const state = new Uint32Array(4);
  const reseed = () => {
    crypto.getRandomValues(state);
    if ((state[0] | state[1] | state[2] | state[3]) === 0) state[3] = 1;
  };
  const next = () => {
    const t = (((state[0] + state[1]) >>> 0) + state[3]) >>> 0;
    state[3] = (state[3] + 1) >>> 0;
    state[0] = state[1] ^ (state[1] >>> 9);
    state[1] = (state[2] + (state[2] << 3)) >>> 0;
    state[2] = ((state[2] << 21) | (state[2] >>> 11)) >>> 0;
    state[2] = (state[2] + t) >>> 0;
    return t;
  };
  reseed();
  // The top 24 bits: every single-precision value in [0, 1) that is a
  // multiple of 2^-24, and never 1 itself.
  return { reseed, random: () => (next() >>> 8) / 0x1000000 };
}

export function browserServices({ bell, onClose }) {
  const source = randomSource();
  return {
    beep: () => bell.ring(),
    now: () => performance.now(),
    random: source.random,
    reseed: source.reseed,
    close: onClose,
  };
}
