#include "ui/window_icon.h"

namespace arvan {

QIcon windowIcon() {
  // PNGs rendered at build time: loading them is quicker than rendering the
  // SVG at each size while the window opens.
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/arvan.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace arvan
