// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/check_typed_text.h"

#include "drill/run_state.h"

namespace arvan {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The character at a 1-based character position of UTF-8 text, or empty.
std::string_view characterAt(std::string_view text, int pos) {
  if (pos < 1) return {};
  std::size_t begin = 0;
  for (int n = 1; begin < text.size(); ++n) {
    std::size_t end = begin + 1;
    while (end < text.size() && isContinuationByte(text[end])) ++end;
    if (n == pos) return text.substr(begin, end - begin);
    begin = end;
  }
  return {};
}

}  // namespace

void CheckTypedText(Form& form, Platform& platform, const std::string& ch, int& pos) {
  const std::string_view expected = characterAt(form.Text1.caption, pos);
  if (!expected.empty() && ch == expected) {
    form.matchPos = pos;
    // The caller then moves textPos past the match, onto what this marks.
    form.Text1.selStart = form.matchPos;
    form.Text1.selLength = 1;
    countHit(form);
  } else {
    platform.beep();
    countMiss(form);
    --pos;
    // Unclamped: the caller's key rule follows, and the bar is held within
    // 0..100 once the whole rule of the key has been applied.
    form.ProgressBar1.value += 5;
  }
}

void highlightNextCharacter(Form& form) {
  form.Text1.selStart = form.textPos - 1;
  form.Text1.selLength = 1;
}

}  // namespace arvan
