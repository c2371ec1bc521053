#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;

namespace arvan {

// The key code of a Qt key event: from its native scan code where the
// platform gives one, otherwise from Qt's key value. A key that neither
// table knows still arrives, as a code that belongs to no key slot.
[[nodiscard]] std::optional<int> keyCodeOf(const QKeyEvent& event);

inline constexpr int kUnknownKeyCode = 0;

// Installed on the application: no Alt+letter or other shortcut ever
// activates anything, so every key reaches the window's key handlers.
class ShortcutBlocker : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace arvan
