// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The child controls (text boxes, frames, option buttons, command buttons,
// the progress bar) as HTML elements above the windowless ones, placed and
// sized in twips like them. None ever takes the keyboard focus, so that
// every key reaches the tutor. A text box shows its highlight, the next
// character to type, even where it is a blank that ends a wrapped line or
// the closing line break, and keeps it in view.

import { cssColour } from './colours.js';
import { place, setFont, setStyle } from './twips.js';

// Text boxes show a line end (CR LF) as one break; the core counts both.
export function shownText(text) {
  return text.replaceAll('\r', '');
}

export function shownPosition(text, position) {
  let crs = 0;
  for (let i = 0; i < position && i < text.length; ++i) if (text[i] === '\r') ++crs;
  return position - crs;
}

// The text split around the highlight: [before, marked, after]. A marked
// line break shows as a blank before the break, so that it is seen.
export function markedParts(text, selStart, selLength) {
  const shown = shownText(text);
  if (selLength <= 0) return [shown, '', ''];
  const start = shownPosition(text, selStart);
  const end = shownPosition(text, selStart + selLength);
  let marked = shown.slice(start, Math.max(end, start + 1));
  let after = shown.slice(start + marked.length);
  if (marked.startsWith('\n')) {
    after = marked + after;
    marked = ' ';
  }
  return [shown.slice(0, start), marked, after];
}

function showTextBox(element, c) {
  const box = element;
  setStyle(box, '--bg', cssColour(c.backColour));
  setStyle(box, '--fg', cssColour(c.foreColour));
  box.classList.toggle('bordered', c.bordered);
  box.classList.toggle('disabled', !c.enabled);
  if (!c.multiLine) {
    if (box.textContent !== c.caption) box.textContent = c.caption;
    return;
  }
  const [before, marked, after] = markedParts(c.caption, c.selStart, c.selLength);
  const [beforeNode, mark, afterNode] = box.childNodes;
  const changedText = beforeNode.data !== before || mark.textContent !== marked ||
    afterNode.data !== after;
  const grew = before.length + marked.length + after.length >
    beforeNode.data.length + mark.textContent.length + afterNode.data.length;
  if (changedText) {
    beforeNode.data = before;
    mark.textContent = marked;
    afterNode.data = after;
    mark.hidden = marked === '';
  }
  // Scrolling reads the layout: reading it would lay out the whole page
  // there and then, which a hidden box need not. It scrolls when it shows.
  if (box.classList.contains('unseen')) {
    box.scrollOwed ||= changedText;
    return;
  }
  const owed = box.scrollOwed === true;
  box.scrollOwed = false;
  if (!changedText && !owed) return;
  if (marked !== '') {
    // Scrolled just enough to show the mark.
    const top = mark.offsetTop;
    const bottom = top + mark.offsetHeight;
    if (top < box.scrollTop) box.scrollTop = top;
    else if (bottom > box.scrollTop + box.clientHeight) box.scrollTop = bottom - box.clientHeight;
  } else if (grew || owed) {
    box.scrollTop = box.scrollHeight; // free typing: the end of the text in view
  }
}

function makeTextBox(c) {
  const box = document.createElement('div');
  box.className = c.multiLine ? 'textbox multiline' : 'textbox';
  if (c.multiLine) {
    const mark = document.createElement('span');
    mark.className = 'mark';
    box.append(document.createTextNode(''), mark, document.createTextNode(''));
  }
  return box;
}

export function isChild(control) {
  return ['textBox', 'frame', 'optionButton', 'commandButton', 'progressBar'].includes(
    control.kind,
  );
}

export function makeChild(c) {
  let element;
  switch (c.kind) {
    case 'textBox':
      element = makeTextBox(c);
      break;
    case 'frame': {
      element = document.createElement('div');
      element.className = 'frame';
      const caption = document.createElement('span');
      caption.className = 'caption';
      element.append(caption);
      break;
    }
    case 'optionButton': {
      element = document.createElement('div');
      element.className = 'option';
      element.setAttribute('role', 'radio');
      const caption = document.createElement('span');
      caption.className = 'caption';
      element.append(caption);
      break;
    }
    case 'commandButton':
      element = document.createElement('button');
      element.type = 'button';
      element.className = 'command';
      element.tabIndex = -1;
      break;
    case 'progressBar': {
      element = document.createElement('div');
      element.className = 'progress';
      element.setAttribute('role', 'progressbar');
      element.setAttribute('aria-valuemin', '0');
      element.setAttribute('aria-valuemax', '100');
      const fill = document.createElement('div');
      fill.className = 'fill';
      element.append(fill);
      break;
    }
    default:
      throw new Error(`not a child control: ${c.kind}`);
  }
  return element;
}

// `frame` is the state of the control's frame, or null.
export function showChild(element, c, frame) {
  const r = c.rect;
  element.classList.toggle('unseen', !c.visible);
  place(element, r.left, r.top, r.width, r.height);
  setFont(element, c.font);
  const enabled = c.enabled && (frame === null || frame.enabled);
  switch (c.kind) {
    case 'textBox':
      showTextBox(element, c);
      break;
    case 'frame':
      setStyle(element, '--bg', cssColour(c.backColour));
      setStyle(element, '--fg', cssColour(c.foreColour));
      element.firstChild.textContent = c.caption;
      break;
    case 'optionButton':
      setStyle(element, '--bg', cssColour(c.backColour));
      setStyle(element, '--fg', cssColour(c.foreColour));
      element.firstChild.textContent = c.caption;
      element.setAttribute('aria-checked', String(c.value !== 0));
      element.classList.toggle('disabled', !enabled);
      break;
    case 'commandButton':
      setStyle(element, '--bg', cssColour(c.backColour));
      setStyle(element, '--fg', cssColour(c.foreColour));
      element.textContent = c.caption;
      element.disabled = !enabled;
      break;
    case 'progressBar':
      setStyle(element.firstChild, 'width', `${Math.max(0, Math.min(100, c.value))}%`);
      element.setAttribute('aria-valuenow', String(c.value));
      break;
    default:
      break;
  }
}
