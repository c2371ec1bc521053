// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The page's own small rules, without a browser: which key code a key event
// gives, and how a text box splits its text around the highlight.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { markedParts, shownPosition } from '../../web/js/child_controls.js';
import { keyCodeOf, UNKNOWN_KEY } from '../../web/js/key_codes.js';
import { markFinger } from '../../web/js/pictures.js';

const noLetter = () => 0;

describe('key codes', () => {
  test('the physical key decides, not what the layout writes', () => {
    const cases = [
      [{ code: 'KeyQ', key: 'ф' }, 81], [{ code: 'KeyF', key: 'а' }, 70],
      [{ code: 'KeyM', key: 'т' }, 77], [{ code: 'Space', key: ' ' }, 32],
      [{ code: 'AltLeft', key: 'Alt' }, 18], [{ code: 'AltRight', key: 'AltGraph' }, 18],
      [{ code: 'Semicolon', key: 'д' }, 186], [{ code: 'Quote', key: 'п' }, 222],
      [{ code: 'Comma', key: 'ь' }, 188], [{ code: 'Period', key: 'в' }, 190],
      [{ code: 'Slash', key: 'ю' }, 191], [{ code: 'BracketLeft', key: 'к' }, 219],
      [{ code: 'BracketRight', key: 'ъ' }, 221], [{ code: 'Backslash', key: '\\' }, 220],
      [{ code: 'Digit1', key: '1' }, 49], [{ code: 'F12', key: 'F12' }, 123],
    ];
    for (const [event, code] of cases) assert.equal(keyCodeOf(event, noLetter), code, event.code);
  });

  test('without a code: Latin letters, US punctuation, then the core for Mongolian letters', () => {
    const asked = [];
    const core = (k) => (asked.push(k), k === 'ө' ? 70 : 0);
    assert.equal(keyCodeOf({ code: '', key: 'q' }, core), 81);
    assert.equal(keyCodeOf({ code: 'Unidentified', key: '?' }, core), 191);
    assert.equal(keyCodeOf({ code: '', key: 'Alt' }, core), 18);
    assert.equal(keyCodeOf({ key: 'ө' }, core), 70);
    assert.equal(keyCodeOf({ code: '', key: 'ж' }, core), UNKNOWN_KEY);
    assert.equal(keyCodeOf({ code: 'MetaLeft', key: 'Meta' }, core), UNKNOWN_KEY);
    assert.deepEqual(asked, ['ө', 'ж']);
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
