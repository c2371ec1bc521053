// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The beep: a short bell tone made with the Web Audio API, no sound file.
// Browsers start audio only after the learner's first key or click, which
// unlock() passes on. Beeps rung close together sound one after another,
// never on top of each other, so that each is heard. Making the audio
// output takes Chromium about 300 ms of the page's own thread, so the page
// opens it once its first frame is drawn; bells rung before then wait.

const SPACING = 0.16; // seconds from one bell's start to the next
const LENGTH = 0.14; // seconds until a bell has died away

export class Bell {
  constructor(makeContext = () => new AudioContext()) {
    this.makeContext = makeContext;
    this.context = null;
    this.nextStart = 0;
    this.waiting = null; // bells rung before a deferred open, or null
  }

  // Opens the audio output once `later` calls back (after the first frame).
  openLater(later) {
    if (this.context !== null || this.waiting !== null) return;
    this.waiting = 0;
    later(() => this.open());
  }

  // Opens the audio output; where the browser wants a key or click first,
  // the output waits for unlock().
  open() {
    if (this.context !== null) return;
    try {
      this.context = this.makeContext();
    } catch {
      this.context = null; // no Web Audio: the tutor runs silent
    }
    const waiting = this.waiting ?? 0;
    this.waiting = null;
    for (let n = 0; n < waiting; ++n) this.ring();
  }

  unlock() {
    this.open();
    if (this.context !== null && this.context.state === 'suspended') this.context.resume();
  }

  ring() {
    if (this.waiting !== null) {
      ++this.waiting;
      return;
    }
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
