// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace arvan {
namespace {

void describe(QCommandLineParser& parser) {
  QCoreApplication::setApplicationName(QStringLiteral("arvan"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ARVAN_VERSION));
  parser.setApplicationDescription(
      QStringLiteral("A ten-finger touch-typing tutor for Mongolian learners."));
  parser.addHelpOption();
  parser.addVersionOption();
}

}  // namespace

void answerHelpOrVersion(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  describe(parser);
  // Qt's own options are not known here: whatever the parser does not know
  // waits for refuseUnknownArguments.
  parser.parse(arguments);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    // The help names the program as it was called and, with --help-all, the
    // options of Qt's windowing: it needs an application, on a platform
    // that opens no display.
    std::array<char*, 3> offscreen{argv[0], const_cast<char*>("-platform"),
                                   const_cast<char*>("offscreen")};
    int count = static_cast<int>(offscreen.size());
    const QGuiApplication app(count, offscreen.data());
    parser.process(arguments);
  }
}

void refuseUnknownArguments(const QCoreApplication& app) {
  QCommandLineParser parser;
  describe(parser);
  parser.process(app);  // exits on an unknown option
  if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
    std::fprintf(stderr, "arvan: unexpected argument '%s'; see arvan --help\n",
                 qUtf8Printable(extra.first()));
    std::exit(1);
  }
}

}  // namespace arvan
