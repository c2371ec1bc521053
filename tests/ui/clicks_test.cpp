// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A click where the learner sees a control reaches that control's handler,
// near every corner and at its far right end; a click just beside it does
// not. Each click is a real press and release on the widget under the point,
// as a mouse gives it, on a fresh window. Rectangles are the design's, in
// twips, typed in here.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "seen_on_screen.h"
#include "ui/form_window.h"

namespace arvan {
namespace {

using testing::FakePlatform;
using testing::kSeenSizes;
using testing::SeenWindow;
using testing::sizeName;

constexpr QRgb kLightBlueShown = 0x8080FF;
constexpr QRgb kRedShown = 0xFF0000;

// A fresh window at a size, on the scripted platform.
class Learner {
 public:
  explicit Learner(QSize size) {
    window.resize(size);
    window.show();
    window.activateWindow();
    window.setFocus();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // Pressed and released with the left button on whatever widget lies under
  // the point: the window itself for the controls it paints, a child
  // control's widget for the others.
  void clickAt(QPointF pixel) {
    const QPoint at(static_cast<int>(std::floor(pixel.x())),
                    static_cast<int>(std::floor(pixel.y())));
    QWidget* target = window.childAt(at);
    if (target == nullptr) target = &window;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, at));
  }
  void clickOn(const Rect& twips) {
    clickAt(
        window.toPixels(QPointF(twips.left + twips.width / 2.0, twips.top + twips.height / 2.0)));
  }
  [[nodiscard]] QWidget* widget(const Control& c) const {
    return window.childControls().widgetOf(c);
  }
  [[nodiscard]] bool checked(const Control& option) const {
    const auto* button = qobject_cast<const QRadioButton*>(widget(option));
    return button != nullptr && button->isChecked();
  }
  [[nodiscard]] bool shown(const Control& c) const {
    return widget(c) != nullptr && widget(c)->isVisible();
  }
  [[nodiscard]] int beepsSince() const { return platform.beeps - beepsBefore; }

  FakePlatform platform;
  FormWindow window{&platform};
  int beepsBefore = 0;
  const Form& form = window.form();
};

// Controls with a click handler, and the handler's effect as the learner
// sees it.
struct Clickable {
  const char* what;
  Rect twips;  // in the window; see inFrame for the option buttons
  std::function<void(Learner&)> bringOnScreen;
  std::function<bool(const Learner&)> ran;
};

// An option button's rectangle is given inside its frame.
constexpr Rect kFrame1{1560, 3480, 3855, 735};
constexpr Rect kFrame2{6240, 3480, 2775, 735};
constexpr Rect inFrame(const Rect& frame, const Rect& r) {
  return {frame.left + r.left, frame.top + r.top, r.width, r.height};
}

constexpr Rect kMenuTitle{0, 0, 1215, 375};
constexpr Rect kStart{9240, 3600, 720, 225};

void nothing(Learner&) {}
void openTheMenu(Learner& l) { l.clickOn(kMenuTitle); }

// A speed option: one beep, the option selected, the timer's period set.
std::function<bool(const Learner&)> speedChosen(const Control Form::*option, int interval) {
  return [option, interval](const Learner& l) {
    return l.beepsSince() == 1 && l.checked(l.form.*option) &&
           l.window.timer().interval() == interval;
  };
}

std::vector<Clickable> clickables() {
  return {
      {"lblMenu1", kMenuTitle, nothing,
       [](const Learner& l) {
         // The entries show below the title; the last one reaches 2415
         // twips across, past the title's 1215.
         const SeenWindow seen(l.window);
         return seen.colourAt(seen.pixelOf({2300, 1267})) == kLightBlueShown;
       }},
      {"lblSubMenu1",
       {0, 360, 2415, 375},
       openTheMenu,
       [](const Learner& l) { return l.shown(l.form.Text1) && !l.shown(l.form.Text2); }},
      {"lblSubMenu2",
       {0, 720, 2415, 375},
       openTheMenu,
       [](const Learner& l) { return l.shown(l.form.Text2) && !l.shown(l.form.Text1); }},
      {"lblSubMenu3",
       {0, 1080, 2415, 375},
       [](Learner& l) {
         l.platform.queueRandom({0.5f});
         l.clickOn(kStart);
         openTheMenu(l);
       },
       // Back to idle: the drill stops and Start takes clicks again.
       [](const Learner& l) { return !l.window.timer().isActive() && l.form.Start.enabled; }},
      {"lblExit",
       {9240, 3960, 720, 225},
       nothing,
       [](const Learner& l) { return l.platform.closed; }},
      {"Start", kStart, nothing,
       [](const Learner& l) { return l.window.timer().isActive() && !l.form.Start.enabled; }},
      {"Option1", inFrame(kFrame1, {120, 240, 1095, 255}), nothing,
       speedChosen(&Form::Option1, 130)},
      {"Option2", inFrame(kFrame1, {1440, 240, 975, 255}), nothing,
       speedChosen(&Form::Option2, 180)},
      // Already selected at start-up: a click beeps again.
      {"Option3", inFrame(kFrame1, {2640, 240, 975, 255}), nothing,
       speedChosen(&Form::Option3, 250)},
      {"OptMon", inFrame(kFrame2, {240, 240, 975, 255}), nothing,
       [](const Learner& l) {
         return l.beepsSince() == 1 && l.checked(l.form.OptMon) &&
                l.form.keyLabel[0].caption == "Ф";
       }},
      // Already selected at start-up: a click beeps again.
      {"OptEng", inFrame(kFrame2, {1440, 240, 975, 255}), nothing,
       [](const Learner& l) { return l.beepsSince() == 1 && l.checked(l.form.OptEng); }},
      {"cmdShow",
       {12360, 1320, 1455, 495},
       nothing,
       [](const Learner& l) {
         return !l.widget(l.form.cmdShow)->isEnabled() && l.form.keyLabel[10].caption == "{ [";
       }},
      {"cmdNoView",
       {12360, 1920, 1455, 495},
       nothing,
       [](const Learner& l) {
         return !l.widget(l.form.cmdNoView)->isEnabled() && l.form.keyLabel[0].caption.empty();
       }},
  };
}

struct ClickPoint {
  std::string name;
  QPointF pixel;
};

// Start is sized to its caption: its right end is where its red ends on the
// screen, within its designed width.
double startsRightEnd(const Learner& l) {
  const SeenWindow seen(l.window);
  const QPointF topLeft = seen.pixelOf(QPointF(kStart.left, kStart.top), {0, 3});
  const QPointF designedEnd = seen.pixelOf(QPointF(kStart.right(), kStart.top), {0, 3});
  double end = topLeft.x();
  for (double x = std::floor(topLeft.x()) + 1; x < designedEnd.x() + 3; ++x) {
    if (seen.colourAt({x, topLeft.y()}) == kRedShown) end = x + 1;
  }
  return end;
}

// Two pixels in from each corner and from the middle of the right edge.
std::vector<ClickPoint> inside(const QRectF& r) {
  constexpr double in = 2;
  return {
      {"top-left corner", {r.left() + in, r.top() + in}},
      {"top-right corner", {r.right() - in, r.top() + in}},
      {"bottom-left corner", {r.left() + in, r.bottom() - in}},
      {"bottom-right corner", {r.right() - in, r.bottom() - in}},
      {"far right end", {r.right() - in, r.center().y()}},
  };
}

// Three pixels out from the middle of each edge.
std::vector<ClickPoint> outside(const QRectF& r) {
  constexpr double out = 3;
  return {
      {"left edge", {r.left() - out, r.center().y()}},
      {"top edge", {r.center().x(), r.top() - out}},
      {"right edge", {r.right() + out, r.center().y()}},
      {"bottom edge", {r.center().x(), r.bottom() + out}},
  };
}

// Where each control shows at a size, in pixels.
std::vector<QRectF> shownRectangles(QSize size, const std::vector<Clickable>& controls) {
  const Learner atStartUp(size);
  std::vector<QRectF> shown;
  for (const Clickable& c : controls) {
    QRectF r(atStartUp.window.toPixels(QPointF(c.twips.left, c.twips.top)),
             atStartUp.window.toPixels(QPointF(c.twips.right(), c.twips.bottom())));
    if (std::string(c.what) == "Start") r.setRight(startsRightEnd(atStartUp));
    shown.push_back(r);
  }
  return shown;
}

// Clicks `p` on a fresh window that shows `c`, and tells whether the
// click reached its handler.
bool reaches(QSize size, const Clickable& c, const ClickPoint& p) {
  Learner l(size);
  c.bringOnScreen(l);
  l.beepsBefore = l.platform.beeps;
  l.clickAt(p.pixel);
  return c.ran(l);
}

TEST(Clicks, AClickNearAnyCornerOfAControlOrAtItsFarRightEndReachesItsHandler) {
  const std::vector<Clickable> controls = clickables();
  for (const QSize size : kSeenSizes) {
    const std::vector<QRectF> shown = shownRectangles(size, controls);
    for (std::size_t n = 0; n < controls.size(); ++n) {
      for (const ClickPoint& p : inside(shown[n])) {
        EXPECT_TRUE(reaches(size, controls[n], p))
            << "a click just inside the " << p.name << " of " << controls[n].what << " at "
            << sizeName(size) << " did not reach it";
      }
    }
  }
}

TEST(Clicks, AClickJustBesideAControlDoesNotReachIt) {
  const std::vector<Clickable> controls = clickables();
  for (const QSize size : kSeenSizes) {
    const std::vector<QRectF> shown = shownRectangles(size, controls);
    for (std::size_t n = 0; n < controls.size(); ++n) {
      for (const ClickPoint& p : outside(shown[n])) {
        if (!QRectF(QPointF(), QSizeF(size)).contains(p.pixel)) continue;  // off the window
        EXPECT_FALSE(reaches(size, controls[n], p))
            << "a click just outside the " << p.name << " of " << controls[n].what << " at "
            << sizeName(size) << " reached it";
      }
    }
  }
}

// The first control whose state differs between two lists of the form's
// controls, or "".
std::string firstChanged(const std::vector<Control>& before, const std::vector<Control>& after) {
  for (std::size_t n = 0; n < before.size(); ++n) {
    if (!(before[n] == after[n])) return std::string(before[n].name);
  }
  return "";
}

std::vector<Control> controlsOf(const Form& f) {
  std::vector<Control> controls;
  for (const Control* c : f.controlsInDrawingOrder()) controls.push_back(*c);
  return controls;
}

// A drill locks Start, Exit, the options and the label buttons: a click on
// any of them changes nothing while it runs.
TEST(Clicks, WhileADrillRunsItsLockedControlsTakeNoClicks) {
  for (const QSize size : kSeenSizes) {
    for (const Clickable& c : clickables()) {
      const std::string what = c.what;
      if (what == "lblMenu1" || what.starts_with("lblSubMenu")) continue;  // never locked
      Learner l(size);
      l.platform.queueRandom({0.5f});
      l.clickOn(kStart);
      ASSERT_TRUE(l.window.timer().isActive());
      const std::vector<Control> before = controlsOf(l.form);
      const int target = l.form.targetSlot;
      l.beepsBefore = l.platform.beeps;
      l.clickOn(c.twips);
      const std::string when = "after a click on " + what + " at " + sizeName(size);
      EXPECT_EQ(firstChanged(before, controlsOf(l.form)), "") << when;
      EXPECT_EQ(l.form.targetSlot, target) << when;
      EXPECT_EQ(l.window.timer().interval(), 250) << when;
      EXPECT_EQ(l.beepsSince(), 0) << when;
      EXPECT_FALSE(l.platform.closed) << when;
    }
  }
}

}  // namespace
}  // namespace arvan
