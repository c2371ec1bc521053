#pragma once

#include <QFont>
#include <QString>
#include <thread>

#include "app/control.h"

namespace arvan {

// The face for all display text: "Arial Mon" where installed, otherwise the
// first sans-serif face that draws every Mongolian Cyrillic letter.
[[nodiscard]] QString displayFamily();
[[nodiscard]] bool drawsMongolianLetters(const QFont& font);

// Reads the system's font configuration on a thread of its own. Started
// before the application connects to the display, it has the configuration
// ready by the time the window asks for its first font.
[[nodiscard]] std::thread readFontConfigurationAhead();

// A control's font with its size in twips (a point is 20 twips), for
// drawing in the window's twip coordinates.
[[nodiscard]] QFont fontInTwips(const Font& font);

}  // namespace arvan
