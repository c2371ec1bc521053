#include "ui/prefault.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cstdint>

namespace arvan {

void prefaultTarget(QPainter& painter) {
#ifdef MADV_POPULATE_WRITE
  QPaintEngine* engine = painter.paintEngine();
  if (engine == nullptr || engine->paintDevice() == nullptr ||
      engine->paintDevice()->devType() != QInternal::Image) {
    return;
  }
  QImage& image = *static_cast<QImage*>(engine->paintDevice());
  // Only whole pages of the image, which may share its first and last
  // pages with other data.
  const auto pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(image.constBits());
  const std::uintptr_t from = (start + pageSize - 1) / pageSize * pageSize;
  const std::uintptr_t to =
      (start + static_cast<std::uintptr_t>(image.sizeInBytes())) / pageSize * pageSize;
  if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
#else
  (void)painter;
#endif
}

}  // namespace arvan
