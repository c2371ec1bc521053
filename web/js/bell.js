// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The beep: a short bell tone made with the Web Audio API, no sound file.
// Browsers start audio only after the learner's first key or click, which
// unlock() passes on. Beeps rung close together sound one after another,
// never on top of each other, so that each is heard.

const SPACING = 0.16; // seconds from one bell's start to the next
const LENGTH = 0.14; // seconds until a bell has died away

export class Bell {
  constructor(makeContext = () => new AudioContext()) {
    this.makeContext = makeContext;
    this.context = null;
    this.nextStart = 0;
  }

  // Opens the audio output; where the browser wants a key or click first,
  // the output waits for unlock().
  open() {
    if (this.context === null) {
      try {
        this.context = this.makeContext();
      } catch {
        this.context = null; // no Web Audio: the tutor runs silent
      }
    }
  }

  unlock() {
    this.open();
    if (this.context !== null && this.context.state === 'suspended') this.context.resume();
  }

  ring() {
    this.open();
    const context = this.context;
    if (context === null || context.state !== 'running') return;
    const start = Math.max(context.currentTime, this.nextStart);
    this.nextStart = start + SPACING;
    const level = context.createGain();
    level.gain.setValueAtTime(0.0001, start);
    level.gain.exponentialRampToValueAtTime(0.25, start + 0.005);
    level.gain.exponentialRampToValueAtTime(0.0001, start + LENGTH);
    level.connect(context.destination);
    // A bell: a fundamental with a weaker, slightly inharmonic overtone.
    for (const [frequency, weight] of [[880, 1], [2340, 0.35]]) {
      const tone = context.createOscillator();
      tone.type = 'sine';
      tone.frequency.value = frequency;
      const partial = context.createGain();
      partial.gain.value = weight;
      tone.connect(partial).connect(level);
      tone.start(start);
      tone.stop(start + LENGTH + 0.01);
    }
  }
}
