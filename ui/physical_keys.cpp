// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/physical_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>
#include <Qt>
#include <array>

namespace arvan {
namespace {

struct QtKeyCode {
  int qtKey;
  int keyCode;
};

// Keys that write no character.
// clang-format off
constexpr auto kQtControls = std::to_array<QtKeyCode>({
    {Qt::Key_Alt, 18}, {Qt::Key_AltGr, 18}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
});
// clang-format on

}  // namespace

std::optional<int> keyCodeFromQtKey(int qtKey) {
  for (const QtKeyCode& key : kQtControls) {
    if (key.qtKey == qtKey) return key.keyCode;
  }
  // Below Qt's own key values, a key value is the character the key wrote.
  if (qtKey <= 0 || qtKey > 0x10FFFF) return std::nullopt;
  const auto character = static_cast<char32_t>(qtKey);
  return keyCodeWriting(QString::fromUcs4(&character, 1).toStdString());
}

std::optional<int> keyCodeOf(const QKeyEvent& event) {
  const quint32 scanCode = event.nativeScanCode();
  const QString platform = QGuiApplication::platformName();
  if (scanCode != 0 && platform != QLatin1String("cocoa")) {
    const bool windows = platform == QLatin1String("windows");
    const auto set = windows ? ScanCodeSet::PcSet1 : ScanCodeSet::Xkb;
    if (const std::optional<int> code = keyCodeFromScanCode(set, scanCode)) return code;
  }
  if (const std::optional<int> code = keyCodeFromQtKey(event.key())) return code;
  if (scanCode == 0 && event.key() == 0) return std::nullopt;
  return 0;  // a key that belongs to no key slot
}

}  // namespace arvan
