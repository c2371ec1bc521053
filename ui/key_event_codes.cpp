// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/key_event_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "ui/physical_keys.h"

namespace arvan {

std::optional<int> keyCodeOf(const QKeyEvent& event) {
  const quint32 scanCode = event.nativeScanCode();
  if (scanCode != 0) {
    const QString platform = QGuiApplication::platformName();
    std::optional<int> code;
    if (platform == QLatin1String("windows")) {
      code = keyCodeFromScanCode(ScanCodeSet::PcSet1, scanCode);
    } else if (platform != QLatin1String("cocoa")) {
      code = keyCodeFromScanCode(ScanCodeSet::Xkb, scanCode);
    }
    if (code) return code;
  }
  if (const std::optional<int> code = keyCodeFromQtKey(event.key())) return code;
  if (scanCode == 0 && event.key() == 0) return std::nullopt;
  return kUnknownKeyCode;
}

}  // namespace arvan
