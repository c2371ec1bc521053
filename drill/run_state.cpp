// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "drill/run_state.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace arvan {
namespace {

void addOne(int& count) {
  if (count < INT_MAX) ++count;
}

void setRunControlsEnabled(Form& form, bool enabled) {
  for (Control* c : {&form.Start, &form.lblExit, &form.cmdNoView, &form.cmdShow, &form.txtCount,
                     &form.txtCountError, &form.OptEng, &form.OptMon, &form.Option1, &form.Option2,
                     &form.Option3, &form.Frame1, &form.Frame2}) {
    c->enabled = enabled;
  }
}

}  // namespace

std::string formatClock(std::chrono::nanoseconds elapsed) {
  using namespace std::chrono;
  constexpr long long kSecondsPerDay = 24 * 60 * 60;
  long long seconds = duration_cast<std::chrono::seconds>(elapsed).count() % kSecondsPerDay;
  if (seconds < 0) seconds += kSecondsPerDay;
  char text[16];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

void restartClock(Form& form, Platform& platform) {
  form.startTime = platform.monotonicNow();
  form.elapsedTime = {};
  form.lblElapsedTime.caption = formatClock(form.elapsedTime);
}

void zeroCounts(Form& form) {
  form.hitCount = 0;
  form.txtCount.caption = "0";
  form.missCount = 0;
  form.txtCountError.caption = "0";
}

void countHit(Form& form) {
  addOne(form.hitCount);
  form.txtCount.caption = std::to_string(form.hitCount);
}

void countMiss(Form& form) {
  addOne(form.missCount);
  form.txtCountError.caption = std::to_string(form.missCount);
}

void setProgress(Form& form, int value) { form.ProgressBar1.value = std::clamp(value, 0, 100); }

void applyKeyProgress(Form& form) {
  const int value = form.ProgressBar1.value;
  setProgress(form, value < 10 ? value + 5 : value - 5);
}

void lockRunControls(Form& form) { setRunControlsEnabled(form, false); }

void unlockRunControls(Form& form) { setRunControlsEnabled(form, true); }

int drawSlot(Platform& platform) {
  const float r = platform.random();
  // Any slot but the first: 1 to 34.
  const int slot = static_cast<int>(r * static_cast<float>(kSpaceBarSlot)) + 1;
  return std::clamp(slot, 1, kSpaceBarSlot);
}

}  // namespace arvan
