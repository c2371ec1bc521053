#pragma once

#include <QIcon>

namespace arvan {

// The program's icon, the key-press drawing, at the sizes X asks a window for.
[[nodiscard]] QIcon windowIcon();

}  // namespace arvan
