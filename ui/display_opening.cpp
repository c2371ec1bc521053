// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/display_opening.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace arvan {
namespace {

struct KeptMessage {
  QtMsgType type;
  const char* category;  // Qt's categories are names that live as long as the program
  QString text;
};

std::vector<KeptMessage> kept;

// Qt's platform plugin says why it could not open the display before the
// fatal message that it found no platform at all.
QString reasonFromKeptMessages() {
  for (const KeptMessage& m : kept) {
    const std::string category = m.category != nullptr ? m.category : "";
    if (category.starts_with("qt.qpa.") && category != "qt.qpa.plugin") {
      return m.text.trimmed();
    }
  }
  return QStringLiteral("no platform plugin could be initialized");
}

void keepBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "arvan: no display to open the window on (%s)\n",
                 qUtf8Printable(reasonFromKeptMessages()));
    std::fflush(stderr);
    std::_Exit(1);
  }
  kept.push_back({type, context.category, text});
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]) {
  // Qt's messages while it opens the display are kept back, and passed on
  // once it has.
  const QtMessageHandler previous = qInstallMessageHandler(keepBack);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const KeptMessage& m : kept) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category);
    qt_message_output(m.type, context, m.text);
  }
  kept.clear();
  return app;
}

}  // namespace arvan
