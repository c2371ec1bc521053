// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <string>
#include <vector>

#include "ui/text_boxes.h"

namespace arvan {
namespace {

// What the box shows, with its paragraph breaks as plain line breaks.
std::string shownText(const TextBox& box) {
  return box.toPlainText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')).toStdString();
}

TEST(TextBox, ShowsANewTextAnewEvenWhereItEndsAsTheOldOneDid) {
  TextBox box(nullptr);
  box.resize(300, 200);
  box.QWidget::show();
  std::string text = "Алив бичээд байгаарай\r\n";
  for (int i = 0; i < 300; ++i) text += "ө";
  box.show(text, 0, 0);
  std::string replaced = text;
  replaced.replace(0, 8, "Ахиж");  // another start, the same end
  replaced += "ү";
  box.show(replaced, 0, 0);
  replaced.erase(replaced.find('\r'), 1);
  EXPECT_EQ(shownText(box), replaced);
}

// A text to copy taller than its box: the highlight walks through it one
// character at a time and the box scrolls so that it is always in view,
// down to the last line and back up when it starts again.
TEST(TextBox, KeepsTheHighlightInViewAsItWalksThroughALongText) {
  TextBox box(nullptr);
  box.resize(300, 80);
  box.QWidget::show();
  std::string text;
  for (int line = 0; line < 12; ++line) text += "ганбаатар долгор нарантуяа\r\n";
  const QString characters = QString::fromStdString(text);
  const auto inView = [&box] {
    QTextCursor start = box.highlight();
    start.setPosition(start.selectionStart());
    return box.viewport()->rect().contains(box.cursorRect(start));
  };
  for (int at = 0; at < characters.size(); ++at) {
    if (characters[at] == u'\r') continue;
    box.show(text, at, 1);
    ASSERT_TRUE(inView()) << "at " << at;
  }
  EXPECT_GT(box.verticalScrollBar()->value(), 0);
  box.show(text, 0, 1);
  EXPECT_TRUE(inView());
  EXPECT_EQ(box.verticalScrollBar()->value(), 0);
}

// Positions count UTF-16 units, a line end as two: the box, which shows a
// line end as one break, marks the character or the break that a position
// names.
TEST(TextBox, MarksWhatAPositionNamesPastLineEndsAndWideCharacters) {
  TextBox box(nullptr);
  box.resize(300, 80);
  const std::string text = "ө\r\n\U0001F600\r\nаб";
  const QString characters = QString::fromStdString(text);
  for (int at = 0; at < characters.size(); ++at) {
    if (characters[at] == u'\n' || characters[at].isLowSurrogate()) continue;
    const int length = characters[at].isHighSurrogate() ? 2 : 1;
    const QString named =
        characters[at] == u'\r' ? QString(QChar::ParagraphSeparator) : characters.mid(at, length);
    box.show(text, at, length);
    EXPECT_EQ(box.highlight().selectedText(), named) << "at " << at;
  }
}

// The line starts of every line the box shows, as offsets into its text
// without the paragraph breaks that appending puts in.
std::vector<int> lineStarts(const TextBox& box) {
  std::vector<int> starts;
  int before = 0;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; layout != nullptr && i < layout->lineCount(); ++i) {
      starts.push_back(before + layout->lineAt(i).textStart());
    }
    before += block.length() - 1;
  }
  return starts;
}

TEST(TextBox, AppendedTextBreaksIntoTheLinesOfTheWholeTextShownAtOnce) {
  TextBox growing(nullptr);
  TextBox whole(nullptr);
  for (TextBox* box : {&growing, &whole}) {
    box->resize(300, 200);
    box->QWidget::show();
  }
  const std::string words = "нарантуяа ёндон долгор ганбаатар ";
  std::string text;
  std::size_t at = 0;
  for (int i = 0; i < 400; ++i) {
    std::size_t end = at + 1;
    while (end < words.size() && (static_cast<unsigned char>(words[end]) & 0xC0) == 0x80) ++end;
    text += words.substr(at, end - at);
    at = end % words.size();
    growing.show(text, 0, 0);
  }
  whole.show(text, 0, 0);

  std::string shown = shownText(growing);
  std::erase(shown, '\n');  // the breaks of the lines split off
  EXPECT_EQ(shown, text);
  EXPECT_GT(growing.document()->blockCount(), 5);  // full lines were split off
  EXPECT_LE(growing.document()->lastBlock().layout()->lineCount(), 1);
  EXPECT_GT(lineStarts(whole).size(), 5u);
  EXPECT_EQ(lineStarts(growing), lineStarts(whole));

  // At another width the whole text is shown anew and breaks as it would.
  growing.resize(200, 200);
  whole.resize(200, 200);
  EXPECT_EQ(growing.document()->blockCount(), 1);
  EXPECT_EQ(lineStarts(growing), lineStarts(whole));
}

}  // namespace
}  // namespace arvan
