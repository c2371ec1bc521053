// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The real window on Qt's offscreen platform (or any other, by
// QT_QPA_PLATFORM): what a key costs from the QKeyEvent to the finished
// frame, what the frame after a drill hit repaints, and a full repaint.
// Sizes are in device pixels; run with QT_SCALE_FACTOR=2 for a device pixel
// ratio of 2.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>

#include "bench/bench_platform.h"
#include "bench/practice_text_keys.h"
#include "tests/window_driver.h"
#include "ui/application.h"
#include "ui/form_window.h"

namespace arvan::bench {
namespace {

// The window, counting its paints and what they cover.
class MeasuredWindow : public FormWindow {
 public:
  using FormWindow::FormWindow;

  int paints = 0;
  double paintedPixels = 0;  // logical pixels, over every paint

 protected:
  void paintEvent(QPaintEvent* event) override {
    FormWindow::paintEvent(event);
    ++paints;
    for (const QRect& r : event->region()) paintedPixels += double(r.width()) * r.height();
  }
};

class OpenWindow {
 public:
  // A shown, focused window of `devicePixels` on the screen's pixel ratio,
  // its first frame painted.
  explicit OpenWindow(QSize devicePixels) {
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    driver.show((QSizeF(devicePixels) / ratio).toSize());
    while (window.paints == 0) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
  }

  // What the event loop does next: every posted event, the frame included.
  void finishFrame() { QCoreApplication::sendPostedEvents(); }

  void key(QEvent::Type type, quint32 scanCode) { driver.sendKey(type, scanCode); }
  void click(const Control& c) {
    driver.clickAt(c.rect);
    finishFrame();
  }
  [[nodiscard]] quint32 targetScanCode() const { return driver.targetScanCode(); }

  BenchPlatform platform;
  MeasuredWindow window{&platform};
  testing::WindowDriver driver{window};
};

QSize sizeOf(const benchmark::State& state) {
  return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

void reportPainted(benchmark::State& state, const MeasuredWindow& window, int paintsBefore,
                   double pixelsBefore) {
  const qreal ratio = window.devicePixelRatioF();
  const int paints = window.paints - paintsBefore;
  state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
  state.counters["painted_px"] = benchmark::Counter(
      (window.paintedPixels - pixelsBefore) * ratio * ratio, benchmark::Counter::kAvgIterations);
}

// A drill hit's key-down and key-up arrive, untimed; then the frame that
// shows them: the struck key released, the next target lit with its home
// key, finger and ring, the count, the bar.
void BM_RepaintAfterDrillHit(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  w.click(w.window.form().Start);
  const int paints = w.window.paints;
  const double pixels = w.window.paintedPixels;
  for (auto _ : state) {
    state.PauseTiming();
    const quint32 target = w.targetScanCode();
    w.key(QEvent::KeyPress, target);
    w.key(QEvent::KeyRelease, target);
    state.ResumeTiming();
    w.finishFrame();
  }
  reportPainted(state, w.window, paints, pixels);
  if (w.window.form().missCount != 0) state.SkipWithError("a press of the target missed");
}

// The whole window painted again, child controls included, at a size it has
// already painted once.
void BM_FullRepaint(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  w.click(w.window.form().Start);
  const int paints = w.window.paints;
  const double pixels = w.window.paintedPixels;
  for (auto _ : state) w.window.repaint();
  reportPainted(state, w.window, paints, pixels);
}

// The first frame at a new size, after the untimed resize that renders the
// pictures and shapes for it. The window alternates between two sizes.
void BM_PaintAfterResize(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  const QSize sizes[2] = {w.window.size(), w.window.size() - QSize(8, 8)};
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w.window.resize(sizes[++n % 2]);
    state.ResumeTiming();
    w.window.repaint();
  }
}

// From the QKeyEvent of the target's key-down to the end of the frame it
// causes; the key-up arrives, with its frame, untimed.
void BM_KeyDownToFrame(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  w.click(w.window.form().Start);
  for (auto _ : state) {
    const quint32 target = w.targetScanCode();
    w.key(QEvent::KeyPress, target);
    w.finishFrame();
    state.PauseTiming();
    w.key(QEvent::KeyRelease, target);
    w.finishFrame();
    state.ResumeTiming();
  }
  if (w.window.form().missCount != 0) state.SkipWithError("a press of the target missed");
}

// From the QKeyEvent of the target's key-up to the end of the frame that
// paints the next target; the key-down arrives, with its frame, untimed.
void BM_KeyUpToFrame(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  w.click(w.window.form().Start);
  for (auto _ : state) {
    state.PauseTiming();
    const quint32 target = w.targetScanCode();
    w.key(QEvent::KeyPress, target);
    w.finishFrame();
    state.ResumeTiming();
    w.key(QEvent::KeyRelease, target);
    w.finishFrame();
  }
  if (w.window.form().missCount != 0) state.SkipWithError("a press of the target missed");
}

// The key of the n-th character of a text of five-letter words and blanks.
quint32 freeTypingKey(int n) {
  constexpr int kLetterSlots = 12;  // Q to ], the top row's letters
  return n % 6 == 5 ? testing::WindowDriver::scanCodeOfSlot(kSpaceBarSlot)
                    : testing::WindowDriver::scanCodeOfSlot(n % kLetterSlots);
}

// Free typing with state.range(2) characters typed after the prompt: one
// more character, from its QKeyEvent to the end of its frame. Each timed key
// adds a character, so the runs are short.
void BM_FreeTypingKeyToFrame(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  w.click(w.window.form().lblMenu1);
  w.click(w.window.form().lblSubMenu2);
  for (int n = 0; n < state.range(2); ++n) {
    w.key(QEvent::KeyPress, freeTypingKey(n));
    w.key(QEvent::KeyRelease, freeTypingKey(n));
  }
  w.finishFrame();
  int n = 0;
  for (auto _ : state) {
    const quint32 key = freeTypingKey(n++);
    w.key(QEvent::KeyPress, key);
    w.finishFrame();
    w.key(QEvent::KeyRelease, key);
    w.finishFrame();
  }
}

// Word typing: the next character of the practice text, from its key-down
// to the end of the frame of its key-up, the highlight moved on.
void BM_WordTypingKeyToFrame(benchmark::State& state) {
  OpenWindow w(sizeOf(state));
  w.click(w.window.form().lblMenu1);
  w.click(w.window.form().lblSubMenu1);
  const std::vector<std::uint32_t> keys = practiceTextKeys();
  std::size_t n = 0;
  for (auto _ : state) {
    const std::uint32_t key = keys[n++ % keys.size()];
    w.key(QEvent::KeyPress, key);
    w.finishFrame();
    w.key(QEvent::KeyRelease, key);
    w.finishFrame();
  }
  if (w.window.form().missCount != 0) state.SkipWithError("a key of the text missed");
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Args({1000, 689})->Args({1920, 1080})->Args({3840, 2160})->ArgNames({"w", "h"});
}

BENCHMARK(BM_RepaintAfterDrillHit)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaint)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintAfterResize)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyDownToFrame)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyUpToFrame)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordTypingKeyToFrame)
    ->Args({1000, 689})
    ->Args({1920, 1080})
    ->ArgNames({"w", "h"})
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FreeTypingKeyToFrame)
    ->Args({1920, 1080, 10})
    ->Args({1920, 1080, 10'000})
    ->Args({1920, 1080, 100'000})
    ->ArgNames({"w", "h", "typed"})
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace arvan::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  arvan::configureApplication(app);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("qt", qVersion());
  benchmark::AddCustomContext("qpa_platform", QGuiApplication::platformName().toStdString());
  benchmark::AddCustomContext(
      "device_pixel_ratio",
      QString::number(QGuiApplication::primaryScreen()->devicePixelRatio()).toStdString());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
