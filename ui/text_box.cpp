#include "ui/text_box.h"

#include <QPainter>
#include <QScrollBar>

namespace arvan {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void TextBox::showHighlight(int start, int length) {
  QList<QTextEdit::ExtraSelection> selections;
  if (length > 0) {
    QTextEdit::ExtraSelection highlight;
    highlight.cursor = QTextCursor(document());
    highlight.cursor.setPosition(start);
    highlight.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    highlight.format.setBackground(QColor(kHighlight));
    highlight.format.setForeground(Qt::white);
    selections.append(highlight);
    QTextCursor view(document());
    view.setPosition(start);
    setTextCursor(view);
    ensureCursorVisible();
  }
  // Qt repaints the box's view for a new selection, the mark included.
  setExtraSelections(selections);
}

QRect TextBox::ownMark() const {
  const QList<QTextEdit::ExtraSelection> selections = extraSelections();
  if (selections.isEmpty()) return {};
  QTextCursor at(document());
  at.setPosition(selections.first().cursor.selectionStart());
  QTextCursor after(document());
  after.setPosition(selections.first().cursor.selectionEnd());
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
