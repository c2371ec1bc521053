// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// Small pieces shared by the handlers of a timed run: the clock, the
// counters and the progress bar.

#include <chrono>
#include <string>

#include "form/form.h"
#include "form/platform.h"

namespace arvan {

// "hh:mm:ss" of the duration's time-of-day part: a duration of a day or more
// shows only what lies beyond whole days.
[[nodiscard]] std::string formatClock(std::chrono::nanoseconds elapsed);

// startTime = now, elapsedTime = 0 and the clock label reads 00:00:00.
void restartClock(Form& form, Platform& platform);
void zeroCounts(Form& form);
void countHit(Form& form);
void countMiss(Form& form);

// The bar only ever holds a whole number from 0 to 100.
void setProgress(Form& form, int value);
// A judged key: below 10 the bar rises by 5, otherwise it falls by 5.
void applyKeyProgress(Form& form);

// What a run locks and its end unlocks: Start, lblExit, both label buttons,
// both counters, and the five options with their frames. The clock label is
// no member: Start and free typing disable it, and only the Alt stop enables
// it again.
void lockRunControls(Form& form);
void unlockRunControls(Form& form);

// A draw of a key slot in 1..34 from the next random value.
[[nodiscard]] int drawSlot(Platform& platform);

}  // namespace arvan
