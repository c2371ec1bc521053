#include "ui/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QMetaObject>

#include "ui/canberra_player.h"

namespace arvan {
namespace {

std::function<std::unique_ptr<BellPlayer>()>& bellPlayerMaker() {
  static std::function<std::unique_ptr<BellPlayer>()> makePlayer;
  return makePlayer;
}

std::unique_ptr<BellPlayer> makeBellPlayer() {
  if (bellPlayerMaker()) return bellPlayerMaker()();
  return std::make_unique<CanberraPlayer>();
}

// Qt's beep belongs to the application's thread; the bell's thread asks it there.
void qtBeep() {
  if (QCoreApplication::instance() == nullptr) return;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QApplication::beep(); }, Qt::QueuedConnection);
}

}  // namespace

QtPlatform::QtPlatform(std::function<void()> closeWindow)
    : closeWindow_(std::move(closeWindow)), bell_(makeBellPlayer(), qtBeep) {
  bell_.open();
  reseedRandom();
}

void QtPlatform::setBellPlayerMaker(std::function<std::unique_ptr<BellPlayer>()> makePlayer) {
  bellPlayerMaker() = std::move(makePlayer);
}

void QtPlatform::beep() { bell_.ring(); }

std::chrono::nanoseconds QtPlatform::monotonicNow() {
  return std::chrono::steady_clock::now().time_since_epoch();
}

float QtPlatform::random() {
  // The top 24 bits give every float in [0, 1) that is a multiple of 2^-24,
  // and never 1 itself.
  return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

void QtPlatform::reseedRandom() {
  // The clock alone could repeat between two reseeds in the same tick; the
  // count of reseeds makes every seed sequence different.
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                     ++reseeds_};
  generator_.seed(seed);
}

void QtPlatform::closeWindow() {
  if (closeWindow_) closeWindow_();
}

}  // namespace arvan
