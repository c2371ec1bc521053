// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A paint of the window copies what was prepared before it: it lays out no
// caption and renders no shape, picture or drawing of the style. Those are
// prepared when the window takes an event's changes and at a new size.

#include <gtest/gtest.h>

#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "shown_window.h"
#include "ui/preparations.h"

namespace arvan {
namespace {

using Painting = testing::ShownWindow;

TEST_F(Painting, APaintLaysOutAndRendersNothingThroughEveryWayOfWorking) {
  const Form& f = window.form();
  const std::vector<std::pair<std::string, std::function<void()>>> steps{
      {"Start",
       [&] {
         platform.queueRandom({0.5f});
         clickAt(f.Start.rect);
       }},
      {"a hit", [&] { pressKey(driver.targetScanCode()); }},
      {"a miss", [&] { pressKey(driver.targetScanCode() == 24 ? 25 : 24); }},
      {"ticks", [&] { driver.tick(); }},
      {"Alt", [&] { pressKey(64); }},
      {"blind labels", [&] { clickAt(f.cmdNoView.rect); }},
      {"Mongolian captions", [&] { driver.click(f.OptMon); }},
      {"the menu", [&] { clickAt(f.lblMenu1.rect); }},
      {"word typing", [&] { clickAt(f.lblSubMenu1.rect); }},
      {"a typed letter", [&] { pressKey(43); }},
      {"free typing",
       [&] {
         clickAt(f.lblMenu1.rect);
         clickAt(f.lblSubMenu2.rect);
       }},
      {"letters", [&] { pressKey(26); }},
      {"back",
       [&] {
         clickAt(f.lblMenu1.rect);
         clickAt(f.lblSubMenu3.rect);
       }},
      {"a new size", [&] { window.resize(1600, 900); }},
      {"a drill at that size",
       [&] {
         platform.queueRandom({0.1f});
         clickAt(f.Start.rect);
       }},
  };
  for (const auto& [what, act] : steps) {
    act();  // a new size comes at once, as the frames it asks for wait
    const long prepared = preparationsSoFar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    window.repaint();
    EXPECT_EQ(preparationsSoFar(), prepared) << "painting after " << what;
  }
}

}  // namespace
}  // namespace arvan
