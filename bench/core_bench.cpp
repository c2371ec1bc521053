// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The core alone: FormHit on a scripted platform, one event at a time, with
// no toolkit in the way. These are the costs every key pays before anything
// is painted.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <optional>
#include <string_view>

#include "app/main_window.h"
#include "bench/bench_platform.h"

namespace arvan::bench {
namespace {

int keyCodeOf(int slot) { return kKeySlots[static_cast<std::size_t>(slot)].keyCode; }

// A loaded window with a key drill running.
struct Drill {
  Drill() {
    window.load();
    window.click(window.form().Start);
  }
  BenchPlatform platform;
  FormHit window{platform};
};

// The learner strikes the lit key and lets go: the hit is counted, the next
// target is drawn, and the release paints it with its home key and finger.
void BM_DrillHit(benchmark::State& state) {
  Drill drill;
  FormHit& window = drill.window;
  for (auto _ : state) {
    const int code = keyCodeOf(window.form().targetSlot);
    window.keyDown(code);
    window.keyUp(code);
    int target = window.form().targetSlot;
    benchmark::DoNotOptimize(target);
  }
  if (window.form().missCount != 0) state.SkipWithError("a press of the target missed");
}
BENCHMARK(BM_DrillHit);

// Any key but the target: counted wrong, with the bell.
void BM_DrillMiss(benchmark::State& state) {
  Drill drill;
  FormHit& window = drill.window;
  for (auto _ : state) {
    const int code = keyCodeOf((window.form().targetSlot + 1) % kLabelledSlotCount);
    window.keyDown(code);
    window.keyUp(code);
    int misses = window.form().missCount;
    benchmark::DoNotOptimize(misses);
  }
  if (window.form().hitCount != 0) state.SkipWithError("a wrong key was counted a hit");
}
BENCHMARK(BM_DrillMiss);

// One tick of the drill's clock: the elapsed time, the clock label and the
// pressure bar. A drill is restarted, untimed, before its bar fills.
void BM_DrillTick(benchmark::State& state) {
  Drill drill;
  FormHit& window = drill.window;
  int ticks = 0;
  for (auto _ : state) {
    window.tick();
    int pressure = window.form().ProgressBar1.value;
    benchmark::DoNotOptimize(pressure);
    if (++ticks % 64 == 0) {
      state.PauseTiming();
      window.keyDown(kAltKeyCode);
      window.keyUp(kAltKeyCode);
      window.click(window.form().Start);
      state.ResumeTiming();
    }
  }
  if (window.form().Start.enabled) state.SkipWithError("the drill ended while ticking");
}
BENCHMARK(BM_DrillTick);

// The tick that finds the bar full ends the run: every key back to its rest
// colours, the hands at rest, the controls unlocked.
void BM_EndOfRun(benchmark::State& state) {
  BenchPlatform platform;
  FormHit window(platform);
  window.load();
  for (auto _ : state) {
    state.PauseTiming();
    window.click(window.form().Start);
    while (window.form().ProgressBar1.value < 100) window.tick();
    state.ResumeTiming();
    window.tick();
  }
  if (!window.form().Start.enabled) state.SkipWithError("the run did not end");
}
BENCHMARK(BM_EndOfRun);

// The key that types `character`, or the first letter key if none does.
int keyCodeTyping(std::string_view character) {
  for (const KeySlot& key : kKeySlots) {
    if (key.typedChar == character) return key.keyCode;
  }
  return keyCodeOf(0);
}

std::string_view characterAt(std::string_view text, std::size_t& byte) {
  std::size_t end = byte + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  const std::string_view c = text.substr(byte, end - byte);
  byte = end;
  return c;
}

// Word typing: the right key for the next character of the practice text,
// checked and highlighted. The text starts over, untimed, at its line end.
void BM_WordTypingKey(benchmark::State& state) {
  BenchPlatform platform;
  FormHit prepared(platform);
  prepared.load();
  prepared.click(prepared.form().lblMenu1);
  prepared.click(prepared.form().lblSubMenu1);
  const std::string text = prepared.form().Text1.caption;
  const std::size_t lineEnd = text.find('\r');

  std::optional<FormHit> window(prepared);
  std::size_t byte = 0;
  for (auto _ : state) {
    const int code = keyCodeTyping(characterAt(text, byte));
    window->keyDown(code);
    window->keyUp(code);
    int highlighted = window->form().Text1.selStart;
    benchmark::DoNotOptimize(highlighted);
    if (byte >= lineEnd) {
      state.PauseTiming();
      if (window->form().missCount != 0) state.SkipWithError("a key of the text missed");
      window.emplace(prepared);
      byte = 0;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_WordTypingKey);

// Free typing with state.range(0) characters already typed after the prompt:
// one more letter written at the end of Text2. The text is set back, untimed,
// every 1024 keys, so that its length stays what the run says.
void BM_FreeTypingKey(benchmark::State& state) {
  BenchPlatform platform;
  FormHit prepared(platform);
  prepared.load();
  prepared.click(prepared.form().lblMenu1);
  prepared.click(prepared.form().lblSubMenu2);
  constexpr int kLetterSlots = 12;  // Q to ], the top row's letters
  for (int n = 0; n < state.range(0); ++n) {
    prepared.keyDown(keyCodeOf(n % kLetterSlots));
    prepared.keyUp(keyCodeOf(n % kLetterSlots));
  }

  std::optional<FormHit> window(prepared);
  int n = 0;
  for (auto _ : state) {
    const int code = keyCodeOf(n % kLetterSlots);
    window->keyDown(code);
    window->keyUp(code);
    const char* written = window->form().Text2.caption.data();
    benchmark::DoNotOptimize(written);
    if (++n % 1024 == 0) {
      state.PauseTiming();
      window.emplace(prepared);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_FreeTypingKey)->Arg(10)->Arg(10'000)->Arg(100'000);

}  // namespace
}  // namespace arvan::bench

BENCHMARK_MAIN();
