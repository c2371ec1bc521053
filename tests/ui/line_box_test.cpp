// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/text_boxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

namespace arvan {
namespace {

// The drill's counters: white on black, bold, as the window makes them.
class LineBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(300, 80);
    for (QWidget* box : {static_cast<QWidget*>(&box), static_cast<QWidget*>(&reference)}) {
      QPalette palette = box->palette();
      for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::white);
      }
      box->setPalette(palette);
      box->setAutoFillBackground(true);
      box->setFocusPolicy(Qt::NoFocus);
      QFont font = box->font();
      font.setPointSize(14);
      font.setBold(true);
      box->setFont(font);
      box->setGeometry(10, 10, 90, 32);
    }
    reference.setReadOnly(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  // The box as the window shows it now, after only the repaints it asked for.
  QImage shown() {
    QApplication::processEvents();
    return window.screen()
        ->grabWindow(window.winId(), box.x(), box.y(), box.width(), box.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // A read-only QLineEdit with that text, drawn whole by the same style.
  QImage expected(const QString& text) {
    reference.setText(text);
    return reference.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  QWidget window;
  LineBox box{&window, true};
  QLineEdit reference;
};

TEST_F(LineBoxTest, LooksLikeAReadOnlyLineEditAtEveryCount) {
  for (const char* text : {"0", "1", "9", "10", "11", "99", "100", "", "1234", "7"}) {
    SCOPED_TRACE(text);
    box.setText(QString::fromLatin1(text));
    EXPECT_EQ(box.text(), QString::fromLatin1(text));
    EXPECT_EQ(shown(), expected(QString::fromLatin1(text)));
  }
}

TEST_F(LineBoxTest, LooksLikeAReadOnlyLineEditWithoutAFrameDisabledAndMongolian) {
  LineBox unframed(&window, false);
  unframed.setPalette(box.palette());
  unframed.setAutoFillBackground(true);
  unframed.setFont(box.font());
  unframed.setGeometry(box.geometry());
  unframed.show();
  box.hide();
  reference.setFrame(false);
  unframed.setText(QStringLiteral("Алдаа 3"));
  EXPECT_EQ(shown(), expected(QStringLiteral("Алдаа 3")));
  unframed.setEnabled(false);
  reference.setEnabled(false);
  EXPECT_EQ(shown(), expected(QStringLiteral("Алдаа 3")));
}

// In a small window the box is narrower than its text: it shows the end.
TEST_F(LineBoxTest, ShowsTheEndOfATextTooLongForItAsALineEditDoes) {
  for (QWidget* w : {static_cast<QWidget*>(&box), static_cast<QWidget*>(&reference)}) {
    w->setGeometry(10, 10, 30, 20);
  }
  for (const char* text : {"123456", "5", "98765432"}) {
    SCOPED_TRACE(text);
    box.setText(QString::fromLatin1(text));
    EXPECT_EQ(shown(), expected(QString::fromLatin1(text)));
  }
}

TEST_F(LineBoxTest, ANewFontOrPaletteDrawsTheBoxAgain) {
  box.setText(QStringLiteral("42"));
  EXPECT_EQ(shown(), expected(QStringLiteral("42")));
  QFont font = box.font();
  font.setPointSize(9);
  box.setFont(font);
  reference.setFont(font);
  EXPECT_EQ(shown(), expected(QStringLiteral("42")));
  QPalette palette = box.palette();
  palette.setColor(QPalette::Base, QColor(0, 0, 128));
  box.setPalette(palette);
  reference.setPalette(palette);
  EXPECT_EQ(shown(), expected(QStringLiteral("42")));
}

}  // namespace
}  // namespace arvan
