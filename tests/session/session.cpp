// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// A scripted session with the real window and the real platform (clock,
// random source, desktop bell): key drills won and lost, the menu, both
// typing modes, the options, blind labels and resizes, a few thousand events
// in all, then Exit. tests/session/check_memory.sh runs it under valgrind's
// memcheck on Qt's offscreen platform. It prints the number of events it sent.
//
//   arvan_session [rounds]     (3 unless given)

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "form/practice_text.h"
#include "keyboard/key_slots.h"
#include "tests/window_driver.h"
#include "ui/application.h"
#include "ui/form_window.h"

namespace arvan {
namespace {

constexpr int kBackslashSlot = 12;  // the key that types nothing

class Session {
 public:
  explicit Session(FormWindow& window) : window_(window), driver_(window) {}

  [[nodiscard]] long events() const { return events_; }
  [[nodiscard]] const Form& form() const { return window_.form(); }

  void key(int keyCode, bool release = true, int repeats = 0) {
    const quint32 scanCode = testing::WindowDriver::scanCodeOf(keyCode);
    driver_.sendKey(QEvent::KeyPress, scanCode);
    for (int n = 0; n < repeats; ++n) driver_.sendKey(QEvent::KeyPress, scanCode, true);
    if (release) driver_.sendKey(QEvent::KeyRelease, scanCode);
    events_ += 1 + repeats + (release ? 1 : 0);
  }
  void slotKey(int slot, int repeats = 0) { key(keyAt(slot).keyCode, true, repeats); }
  void litKey() { slotKey(form().targetSlot); }

  void click(const Control& control) {
    driver_.click(control);
    ++events_;
  }
  void menu(const Control& entry) {
    click(form().lblMenu1);
    click(entry);
  }

  void tick() {
    if (!window_.timer().isActive()) return;
    driver_.tick();
    ++events_;
  }

  void resize(int width, int height) {
    window_.resize(width, height);
    paint();
    ++events_;
  }

  void paint() {
    window_.repaint();
    QCoreApplication::processEvents();
  }

 private:
  FormWindow& window_;
  testing::WindowDriver driver_;
  long events_ = 0;
};

void keyDrill(Session& s, int presses) {
  s.click(s.form().Start);
  for (int n = 0; n < presses; ++n) {
    if (n % 7 == 3) {
      s.slotKey((s.form().targetSlot + 5) % kSlotCount);  // a wrong key
    } else if (n % 11 == 5) {
      s.slotKey(s.form().targetSlot, 4);  // held: one hit, then repeats
    } else {
      s.litKey();
    }
    if (n % 2 == 0) s.tick();
    if (n % 25 == 0) s.paint();
  }
}

void wordTyping(Session& s, int characters) {
  s.menu(s.form().lblSubMenu1);
  std::string_view text = kPracticeText;
  for (int n = 0; n < characters && !text.empty(); ++n) {
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
      ++length;
    }
    const std::optional<int> slot = slotTyping(text.substr(0, length));
    if (n % 9 == 4) {
      s.slotKey(kBackslashSlot);
    } else if (n % 13 == 6) {
      s.slotKey(1);  // most likely wrong
    } else if (slot) {
      s.slotKey(*slot);
      text.remove_prefix(length);
    } else {
      s.key(13);  // Enter: no key of the table
      text.remove_prefix(length);
    }
    s.tick();
    if (n % 25 == 0) s.paint();
  }
}

void freeTyping(Session& s, int keys) {
  s.menu(s.form().lblSubMenu2);
  for (int n = 0; n < keys; ++n) {
    s.slotKey(n * 7 % kSlotCount);
    if (n % 30 == 0) s.paint();
  }
}

void round(Session& s) {
  keyDrill(s, 150);
  s.key(kAltKeyCode);
  keyDrill(s, 40);
  for (int n = 0; n < 130 && !s.form().Start.enabled; ++n) s.tick();  // the bar fills

  wordTyping(s, 250);
  s.menu(s.form().lblSubMenu1);
  s.menu(s.form().lblSubMenu3);

  freeTyping(s, 300);
  s.menu(s.form().lblSubMenu3);

  // Options and blind labels, then a blind drill in Mongolian.
  for (const Control* c : {&s.form().Option1, &s.form().Option2, &s.form().OptMon,
                           &s.form().cmdNoView, &s.form().Option3}) {
    s.click(*c);
  }
  keyDrill(s, 60);
  s.click(s.form().lblMenu1);
  s.click(s.form().lblSubMenu3);
  s.click(s.form().cmdShow);
  s.click(s.form().OptEng);
  s.key(kAltKeyCode);

  for (const QSize size :
       {QSize(1, 1), QSize(320, 200), QSize(1600, 900), QSize(640, 1000), QSize(1000, 689)}) {
    s.resize(size.width(), size.height());
  }
}

}  // namespace
}  // namespace arvan

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  arvan::configureApplication(app);
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;

  long events = 0;
  {
    arvan::FormWindow window;
    if (!arvan::testing::WindowDriver(window).show(QSize(1000, 689))) {
      std::fprintf(stderr, "arvan_session: the window was not shown\n");
      return 1;
    }
    arvan::Session session(window);
    for (int n = 0; n < rounds; ++n) arvan::round(session);
    session.click(window.form().lblExit);
    QCoreApplication::processEvents();
    if (window.isVisible()) {
      std::fprintf(stderr, "arvan_session: Exit did not close the window\n");
      return 1;
    }
    events = session.events();
  }
  std::printf("arvan_session: %ld events\n", events);
  return 0;
}
