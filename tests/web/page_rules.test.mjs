// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page's own small rules, without a browser: which key code a key event
// gives, how a text box splits its text around the highlight, and how a
// picture is drawn.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { markedParts, shownPosition } from '../../web/js/child_controls.js';
import { keyCodeOf, UNKNOWN_KEY } from '../../web/js/key_codes.js';
import { markFinger, ownIds, Pictures } from '../../web/js/pictures.js';

// The core's two answers, from a few keys.
function fakeCore() {
  const positions = new Map([['KeyF', 70], ['Digit1', 49], ['AltRight', 18]]);
  const keys = new Map([['q', 81], ['?', 191], ['ө', 70], ['Alt', 18]]);
  return {
    keyCodeOfPosition: (code) => positions.get(code) ?? 0,
    keyCodeOfKey: (key) => keys.get(key) ?? 0,
  };
}

describe('key codes', () => {
  test('the physical key decides, not what the layout writes', () => {
    const core = fakeCore();
    assert.equal(keyCodeOf({ code: 'KeyF', key: 'q' }, core), 70);
    assert.equal(keyCodeOf({ code: 'AltRight', key: 'AltGraph' }, core), 18);
  });

  test('without a known code: the character the key wrote, or the key named', () => {
    const core = fakeCore();
    assert.equal(keyCodeOf({ code: '', key: 'q' }, core), 81);
    assert.equal(keyCodeOf({ code: 'Unidentified', key: '?' }, core), 191);
    assert.equal(keyCodeOf({ key: 'ө' }, core), 70);
    assert.equal(keyCodeOf({ code: '', key: 'Alt' }, core), 18);
    assert.equal(keyCodeOf({ code: 'Lang1', key: 'q' }, core), 81);
    assert.equal(keyCodeOf({ code: 'Lang1', key: 'ж' }, core), UNKNOWN_KEY);
    assert.equal(keyCodeOf({ code: 'MetaLeft', key: 'Meta' }, core), UNKNOWN_KEY);
  });
});

describe('text box highlight', () => {
  const text = 'аб вг\r\n';

  test('a letter is marked by itself', () => {
    assert.deepEqual(markedParts(text, 1, 1), ['а', 'б', ' вг\n']);
  });

  test('a blank is marked as a blank', () => {
    assert.deepEqual(markedParts(text, 2, 1), ['аб', ' ', 'вг\n']);
  });

  test('the closing line break is marked as a blank before the break', () => {
    assert.deepEqual(markedParts(text, 5, 1), ['аб вг', ' ', '\n']);
  });

  test('positions after a line break count it once, as shown', () => {
    assert.equal(shownPosition('а\r\nб', 3), 2);
    assert.deepEqual(markedParts('а\r\nб', 3, 1), ['а\n', 'б', '']);
  });

  test('no highlight: all the text before it', () => {
    assert.deepEqual(markedParts(text, 0, 0), ['аб вг\n', '', '']);
  });
});

describe('hand pictures', () => {
  const hand = '<g id="finger2" fill="#FFD21F"><g id="finger3" fill="#FFD21F">';

  test('the marked finger alone turns red', () => {
    assert.equal(markFinger(hand, 3), '<g id="finger2" fill="#FFD21F"><g id="finger3" fill="#FF0000">');
  });

  test('the hand at rest marks none', () => {
    assert.equal(markFinger(hand, 0), hand);
  });
});

describe('pictures in the page', () => {
  const clock = '<svg><defs><radialGradient id="face"/></defs>' +
    '<circle fill="url(#face)"/><use href="#face"/><g id="hands"/></svg>';

  test('a drawing\'s ids and the references to them are its own', () => {
    assert.equal(ownIds(clock, 'c7-'), '<svg><defs><radialGradient id="c7-face"/></defs>' +
      '<circle fill="url(#c7-face)"/><use href="#c7-face"/><g id="c7-hands"/></svg>');
  });

  test('the drawing the core names, its finger marked, stretched, its ids its own', () => {
    const hand = '<svg viewBox="0 0 9 9"><g id="finger2" fill="#FFD21F"/></svg>';
    const pictures = new Pictures(new Map([['hand', hand]]));
    assert.equal(pictures.markupOf({ drawing: 'hand', markedFinger: 2 }, 'c3-'),
      '<svg preserveAspectRatio="none" viewBox="0 0 9 9"><g id="c3-finger2" fill="#FF0000"/></svg>');
    assert.equal(pictures.markupOf({ drawing: 'clock', markedFinger: 0 }, 'c4-'), '');
  });
});
