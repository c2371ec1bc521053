// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/text_box.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "ui/to_qt.h"

namespace arvan {
namespace {

// The box shows a line end as one break.
QString withoutCarriageReturns(std::string_view text) {
  return toQString(text).remove(QLatin1Char('\r'));
}

// A position of the text, line ends counted as two, as a position of the box.
int boxPosition(const std::string& text, int position) {
  const QString before = toQString(text).left(position);
  return position - static_cast<int>(before.count(QLatin1Char('\r')));
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void TextBox::show(const std::string& text, int start, int length) {
  const int boxStart = length > 0 ? boxPosition(text, start) : 0;
  const bool textChanged = text != text_;
  if (textChanged) {
    const bool appended = text.size() > text_.size() && text.compare(0, text_.size(), text_) == 0;
    const std::size_t shownBefore = text_.size();
    text_ = text;
    if (appended) {
      append(std::string_view(text_).substr(shownBefore));
    } else {
      showWholeText();
    }
  }
  if (textChanged || boxStart != start_ || length != length_) {
    start_ = boxStart;
    length_ = length;
    showHighlight();
  }
}

void TextBox::showWholeText() {
  setPlainText(withoutCarriageReturns(text_));
  linesSplit_ = false;
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TextBox::append(std::string_view text) {
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(withoutCarriageReturns(text));
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  // The box has laid the changed paragraph out by now, if it lays out at all.
  const QTextBlock last = document()->lastBlock();
  const QTextLayout* layout = last.layout();
  if (layout == nullptr || layout->lineCount() < 2) return;
  QTextCursor lastLine(document());
  lastLine.setPosition(last.position() + layout->lineAt(layout->lineCount() - 1).textStart());
  lastLine.insertBlock();
  linesSplit_ = true;
}

void TextBox::showHighlight() {
  QList<QTextEdit::ExtraSelection> selections;
  if (length_ > 0) {
    QTextEdit::ExtraSelection highlight;
    highlight.cursor = QTextCursor(document());
    highlight.cursor.setPosition(start_);
    highlight.cursor.setPosition(start_ + length_, QTextCursor::KeepAnchor);
    highlight.format.setBackground(QColor(kHighlight));
    highlight.format.setForeground(Qt::white);
    selections.append(highlight);
    QTextCursor view(document());
    view.setPosition(start_);
    setTextCursor(view);
    ensureCursorVisible();
  }
  // Qt repaints the box's view for a new selection, the mark included.
  setExtraSelections(selections);
}

void TextBox::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  // Lines split off at the old width no longer break where the text would.
  if (linesSplit_) {
    showWholeText();
    showHighlight();
  }
}

void TextBox::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange && linesSplit_) {
    showWholeText();
    showHighlight();
  }
}

QRect TextBox::ownMark() const {
  if (length_ == 0) return {};
  QTextCursor at(document());
  at.setPosition(start_);
  QTextCursor after(document());
  after.setPosition(std::min(start_ + length_, document()->characterCount() - 1));
  const QRect here = cursorRect(at);
  // On one line, the selection shows the characters between.
  if (cursorRect(after).top() == here.top()) return {};
  return {here.left(), here.top(), fontMetrics().horizontalAdvance(QLatin1Char(' ')),
          here.height()};
}

void TextBox::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  const QRect mark = ownMark();
  if (mark.isEmpty() || !event->rect().intersects(mark)) return;
  QPainter painter(viewport());
  painter.fillRect(mark, QColor(kHighlight));
}

}  // namespace arvan
