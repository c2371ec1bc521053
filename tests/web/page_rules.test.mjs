// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page's own small rules, without a browser: which key code a key event
// gives, and how a text box splits its text around the highlight.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { markedParts, shownPosition } from '../../web/js/child_controls.js';
import { keyCodeOf, UNKNOWN_KEY } from '../../web/js/key_codes.js';
import { markFinger } from '../../web/js/pictures.js';

// The core's two questions, answered from a few keys, and recorded.
function fakeCore() {
  const asked = [];
  const positions = new Map([['KeyF', 70], ['Digit1', 49], ['AltRight', 18]]);
  const characters = new Map([['q', 81], ['?', 191], ['ө', 70]]);
  return {
    asked,
    keyCodeOfPosition: (code) => (asked.push(code), positions.get(code) ?? 0),
    keyCodeOfCharacter: (key) => (asked.push(key), characters.get(key) ?? 0),
  };
}

describe('key codes', () => {
  test('the physical key decides, not what the layout writes', () => {
    const core = fakeCore();
    assert.equal(keyCodeOf({ code: 'KeyF', key: 'а' }, core), 70);
    assert.equal(keyCodeOf({ code: 'AltRight', key: 'AltGraph' }, core), 18);
    assert.deepEqual(core.asked, ['KeyF', 'AltRight']);
  });

  test('without a known code: the character the key wrote, or the key named', () => {
    const core = fakeCore();
    assert.equal(keyCodeOf({ code: '', key: 'q' }, core), 81);
    assert.equal(keyCodeOf({ code: 'Unidentified', key: '?' }, core), 191);
    assert.equal(keyCodeOf({ key: 'ө' }, core), 70);
    assert.equal(keyCodeOf({ code: '', key: 'Alt' }, core), 18);
    assert.equal(keyCodeOf({ code: 'Lang1', key: 'ж' }, core), UNKNOWN_KEY);
    assert.equal(keyCodeOf({ code: 'MetaLeft', key: 'Meta' }, core), UNKNOWN_KEY);
    assert.deepEqual(core.asked, ['q', '?', 'ө', 'Lang1', 'ж', 'MetaLeft']);
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
