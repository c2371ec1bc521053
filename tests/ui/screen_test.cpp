// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "expected_keys.h"
#include "seen_on_screen.h"
#include "shown_window.h"
#include "ui/text_boxes.h"

namespace arvan {
namespace {

using Screen = testing::ShownWindow;

// A random value whose draw, Int(r * 34) + 1, is `slot` (1..34).
float drawOf(int slot) { return (static_cast<float>(slot) - 0.5f) / 34.0f; }

// What the window's backing store holds over a widget, as Qt left it after
// its partial repaints, in device pixels.
QImage onScreen(const QWidget& widget) {
  QCoreApplication::processEvents();
  // A timer's tick during that (word typing runs the real timer) asks for a
  // frame of its own: paint it too, so that the screen and the fresh paint
  // below show the same moment.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  const QWidget& window = *widget.window();
  const QRect area(widget.mapTo(&window, QPoint()), widget.size());
  return testing::backingStoreOf(window).copy(testing::devicePixelsOf(window, area));
}

// The same pixels of a fresh paint of the window.
QImage repainted(QWidget& widget) {
  QWidget& window = *widget.window();
  return testing::freshPaint(window, QRect(widget.mapTo(&window, QPoint()), widget.size()));
}

// Two paintings of one state may differ by a unit or two where an
// antialiased edge was painted clipped; a stale or missing pixel differs by
// far more.
bool sameColour(QRgb a, QRgb b) {
  constexpr int kNoise = 8;
  return std::abs(qRed(a) - qRed(b)) <= kNoise && std::abs(qGreen(a) - qGreen(b)) <= kNoise &&
         std::abs(qBlue(a) - qBlue(b)) <= kNoise;
}

std::string firstDifference(const QImage& shown, const QImage& fresh) {
  if (shown.size() != fresh.size()) return "sizes differ";
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (!sameColour(shown.pixel(x, y), fresh.pixel(x, y))) {
        return "pixel " + std::to_string(x) + "," + std::to_string(y) + " shows " +
               QColor(shown.pixel(x, y)).name().toStdString() + " instead of " +
               QColor(fresh.pixel(x, y)).name().toStdString();
      }
    }
  }
  return "";
}

// The X11 scan code of the key that types `typed` in the typing modes.
quint32 scanCodeTyping(std::string_view typed) {
  for (const testing::ExpectedKey& key : testing::kExpectedKeys) {
    if (key.typed == typed) return testing::WindowDriver::scanCodeOf(key.code);
  }
  return 0;
}

std::vector<std::string> characters(std::string_view text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t end = i + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    chars.emplace_back(text.substr(i, end - i));
    i = end;
  }
  return chars;
}

TEST_F(Screen, PartialRepaintsLeaveNoStaleOrMissingPixels) {
  struct Step {
    std::string what;
    std::function<void()> act;
  };
  const Form& f = window.form();
  const std::vector<Step> steps{
      {"Start",
       [&] {
         platform.queueRandom({drawOf(16)});
         clickAt(f.Start.rect);
       }},
      {"a miss", [&] { pressKey(24); }},
      {"a hit on F",
       [&] {
         platform.queueRandom({drawOf(9)});
         pressKey(41, false);
       }},
      {"F released",
       [&] {
         QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, 41, 0, 0);
         QApplication::sendEvent(&window, &up);
       }},
      {"a hit on P that marks J, another finger of the same hand",
       [&] {
         platform.queueRandom({drawOf(19)});
         pressKey(33);
       }},
      {"Alt", [&] { pressKey(64); }},
      {"blind labels", [&] { clickAt(f.cmdNoView.rect); }},
      {"blind Start",
       [&] {
         platform.queueRandom({drawOf(20)});
         clickAt(f.Start.rect);
       }},
      {"blind hit on K",
       [&] {
         platform.queueRandom({drawOf(3)});
         pressKey(45);
       }},
      {"the menu", [&] { clickAt(f.lblMenu1.rect); }},
      {"word typing", [&] { clickAt(f.lblSubMenu1.rect); }},
      {"х typed", [&] { pressKey(43); }},
      {"a wrong letter", [&] { pressKey(24); }},
      {"free typing",
       [&] {
         clickAt(f.lblMenu1.rect);
         clickAt(f.lblSubMenu2.rect);
       }},
      {"letters typed",
       [&] {
         for (const quint32 key : {43u, 26u, 44u, 65u}) pressKey(key);
       }},
      {"back",
       [&] {
         clickAt(f.lblMenu1.rect);
         clickAt(f.lblSubMenu3.rect);
       }},
      {"labels shown in Mongolian",
       [&] {
         clickAt(f.cmdShow.rect);
         QTest::mouseClick(window.childControls().widgetOf(f.OptMon), Qt::LeftButton);
       }},
      {"the fast speed",
       [&] { QTest::mouseClick(window.childControls().widgetOf(f.Option1), Qt::LeftButton); }},
      {"a drill at another size",
       [&] {
         window.resize(1600, 900);
         platform.queueRandom({drawOf(30)});
         clickAt(f.Start.rect);
         pressKey(24);
       }},
  };
  for (const Step& step : steps) {
    step.act();
    const QImage shown = onScreen(window);
    EXPECT_EQ(firstDifference(shown, repainted(window)), "") << "after " << step.what;
  }
}

// Inside the keyboard's panels a small repaint fills the panel's colour
// rather than drawing the panel; near a border or a rounded corner it must
// draw the panel. Small repaints all over the keyboard, each a frame of its
// own, leave what a whole repaint shows.
TEST_F(Screen, SmallRepaintsAnywhereOnTheKeyboardMatchAWholeRepaint) {
  const QRectF body =
      QRectF(
          window.toPixels(QPointF(window.form().Shape4.rect.left, window.form().Shape4.rect.top)),
          window.toPixels(
              QPointF(window.form().Shape4.rect.right(), window.form().Shape4.rect.bottom())))
          .adjusted(-4, -4, 4, 4);
  for (int y = static_cast<int>(body.top()); y < body.bottom(); y += 5) {
    for (int x = static_cast<int>(body.left()); x < body.right(); x += 11) {
      window.repaint(QRect(x, y, 6, 3));
    }
  }
  EXPECT_EQ(firstDifference(onScreen(window), repainted(window)), "");
}

// Word typing through the whole practice text: before every character the
// next one to type is marked, a blank at a line wrap and the closing line
// break included, and the box shows no mark left behind.
TEST_F(Screen, TheNextCharacterToTypeIsMarkedAtEveryPositionOfThePracticeText) {
  const QColor mark(TextBox::kHighlight);
  for (const QSize size : {QSize(1000, 689), QSize(1920, 1080), QSize(700, 900)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    window.resize(size);
    clickAt(window.form().lblMenu1.rect);
    clickAt(window.form().lblSubMenu1.rect);
    auto* box = dynamic_cast<TextBox*>(window.childControls().widgetOf(window.form().Text1));
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> text = characters(window.form().Text1.caption);
    ASSERT_EQ(text.size(), 572u);
    for (std::size_t next = 0; next + 1 < text.size(); ++next) {
      if (next > 0) pressKey(scanCodeTyping(text[next - 1]));
      const QImage shown = onScreen(*box);
      ASSERT_TRUE(shown.valid(0, 0));
      const std::string stale = firstDifference(shown, repainted(*box));
      ASSERT_EQ(stale, "") << "before character " << next + 1;
      int marked = 0;
      for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) marked += QColor(shown.pixel(x, y)) == mark;
      }
      ASSERT_GT(marked, 4) << "before character " << next + 1 << " '" << text[next] << "'";
    }
    EXPECT_EQ(window.form().missCount, 0);
    EXPECT_EQ(window.form().hitCount, 570);
    clickAt(window.form().lblMenu1.rect);
    clickAt(window.form().lblSubMenu3.rect);
  }
}

}  // namespace
}  // namespace arvan
