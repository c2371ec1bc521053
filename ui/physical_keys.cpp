// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/physical_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>
#include <Qt>
#include <array>
#include <string_view>

namespace arvan {
namespace {

// Keys that write no character, by the name browsers give their meaning:
// the core's names, which give their key codes.
struct QtKeyName {
  int qtKey;
  std::string_view name;
};

// clang-format off
constexpr auto kQtControls = std::to_array<QtKeyName>({
    {Qt::Key_Alt, "Alt"}, {Qt::Key_AltGr, "AltGraph"}, {Qt::Key_Shift, "Shift"},
    {Qt::Key_Control, "Control"}, {Qt::Key_Return, "Enter"}, {Qt::Key_Enter, "Enter"},
    {Qt::Key_Escape, "Escape"},
});
// clang-format on

}  // namespace

std::optional<int> keyCodeFromQtKey(int qtKey) {
  for (const QtKeyName& key : kQtControls) {
    if (key.qtKey == qtKey) return keyCodeFromKeyName(key.name);
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
