// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/text_boxes.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "ui/preparations.h"
#include "ui/to_qt.h"

namespace arvan {
namespace {

// The box shows a line end as one break.
QString withoutCarriageReturns(std::string_view text) {
  return toQString(text).remove(QLatin1Char('\r'));
}

// A position of the text (in UTF-16 units, line ends counted as two) as a
// position of the box. Read from the UTF-8 text itself: converting the
// whole text on every key would cost as much as the rest of the key.
int boxPosition(std::string_view text, int position) {
  int units = 0;
  int returns = 0;
  for (std::size_t i = 0; i < text.size() && units < position; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;  // within a character
    units += byte >= 0xF0 ? 2 : 1;        // beyond 16 bits, a character takes two
    if (byte == '\r') ++returns;
  }
  return position - returns;
}

}  // namespace

LineBox::LineBox(QWidget* parent, bool framed) : QWidget(parent), framed_(framed) {
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

void LineBox::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  measureText();
  update();
}

bool LineBox::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // On a screen of another pixel ratio a count is drawn otherwise.
  if (event->type() == QEvent::ScreenChangeInternal) {
    measureText();
    keepPanel();
  }
  return handled;
}

void LineBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  keepPanel();
}

void LineBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // A new palette, style, font or state draws another box.
  if (event->type() == QEvent::FontChange) {
    takeDigits();
    measureText();
  }
  drawnPanel_ = QImage();
  keepPanel();
}

QStyleOptionFrame LineBox::panelOption() const {
  QStyleOptionFrame panel;
  panel.initFrom(this);
  panel.rect = contentsRect();
  panel.lineWidth = framed_ ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this) : 0;
  panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
  return panel;
}

void LineBox::keepPanel() {
  if (devicePixelRatioF() != 1 || size().isEmpty()) {
    drawnPanel_ = QImage();
    return;
  }
  if (drawnPanel_.size() == size()) return;
  countPreparation();
  drawnPanel_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
  drawnPanel_.fill(palette().color(backgroundRole()));
  QPainter onPanel(&drawnPanel_);
  const QStyleOptionFrame panel = panelOption();
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &onPanel, this);
}

void LineBox::measureText() {
  if (asCount()) return;  // drawn from its digits' glyphs
  countPreparation();
  const QFontMetrics metrics = fontMetrics();
  shownText_.setText(text_);
  shownText_.prepare(QTransform(), font());
  textAdvance_ = metrics.horizontalAdvance(text_);
  textHeight_ = std::max(metrics.boundingRect(text_).height(), metrics.height());
}

// Paints as QLineEdit paints itself when read-only, unfocused, aligned left
// and showing the end of a text too long for it.
void LineBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QStyleOptionFrame panel = panelOption();
  if (drawnPanel_.size() == size()) {
    painter.drawImage(0, 0, drawnPanel_);
  } else {
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  }

  // QLineEdit's text starts 2 pixels into its contents, centred across.
  constexpr int kMargin = 2;
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  const QFontMetrics metrics = fontMetrics();
  const std::optional<Count> count = asCount();
  // A digit's ink stays within the font's height.
  const int height = count ? metrics.height() : textHeight_;
  const int width = contents.width() - 2 * kMargin;
  const int used = (count ? count->advance : textAdvance_) + 1;
  const QPoint baseline(contents.x() + kMargin - std::max(0, used - width),
                        contents.y() + (contents.height() - height + 1) / 2 + metrics.ascent());
  painter.setClipRect(contents);
  painter.setPen(palette().text().color());
  if (count) {
    painter.drawGlyphRun(baseline, count->glyphs);
  } else {
    painter.drawStaticText(baseline - QPoint(0, metrics.ascent()), shownText_);
  }
}

void LineBox::takeDigits() {
  digitsFont_ = QRawFont::fromFont(font());
  digitGlyphs_ = digitsFont_.glyphIndexesForString(QStringLiteral("0123456789"));
  digitAdvances_ = digitsFont_.advancesForGlyphIndexes(digitGlyphs_);
  // Where the face lacks a digit, shaping takes it from another face.
  if (digitGlyphs_.size() != 10 || digitGlyphs_.contains(0)) digitsFont_ = QRawFont();
}

std::optional<LineBox::Count> LineBox::asCount() const {
  if (!digitsFont_.isValid() || text_.isEmpty() || devicePixelRatioF() != 1) return std::nullopt;
  QList<quint32> glyphs;
  QList<QPointF> positions;
  QPointF at;
  for (const QChar c : text_) {
    const int digit = c.unicode() - u'0';
    if (digit < 0 || digit > 9) return std::nullopt;
    glyphs.append(digitGlyphs_[digit]);
    positions.append(at);
    at += digitAdvances_[digit];
  }
  Count count{{}, qRound(at.x())};
  count.glyphs.setRawFont(digitsFont_);
  count.glyphs.setGlyphIndexes(glyphs);
  count.glyphs.setPositions(positions);
  return count;
}

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void TextBox::show(const std::string& text, int start, int length) {
  const bool textChanged = text != text_;
  if (!textChanged && start == textStart_ && length == length_) return;
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
  textStart_ = start;
  start_ = length > 0 ? boxPosition(text_, start) : 0;
  length_ = length;
  showHighlight();
}

void TextBox::showWholeText() {
  setPlainText(withoutCarriageReturns(text_));
  glyphsKept_ = false;
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

QTextCursor TextBox::highlight() const {
  QTextCursor marked(document());
  if (length_ == 0) return marked;
  const int last = document()->characterCount() - 1;
  marked.setPosition(std::min(start_, last));
  marked.setPosition(std::min(start_ + length_, last), QTextCursor::KeepAnchor);
  return marked;
}

void TextBox::showHighlight() {
  if (length_ > 0 && !glyphsKept_) {
    // Qt shapes a paragraph's text again each time it draws it, unless its
    // layout keeps the glyphs. A text to copy, which the highlight walks
    // through and which does not grow, keeps them.
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      b.layout()->setCacheEnabled(true);
    }
    glyphsKept_ = true;
  }
  const QTextCursor marked = highlight();
  const Mark next = markOf(marked);
  // Moving the box's cursor costs more than the rest of a key: it moves
  // only when the highlight is to be scrolled into view.
  if (marked.hasSelection() && !viewport()->rect().contains(shownRect(next))) {
    QTextCursor view(document());
    view.setPosition(marked.selectionStart());
    setTextCursor(view);
    ensureCursorVisible();
  }
  // After the scroll, the old mark's pixels lie where its characters now are.
  viewport()->update(shownRect(mark_));
  mark_ = next;
  viewport()->update(shownRect(mark_));
}

void TextBox::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  // Lines split off at the old width no longer break where the text would.
  if (linesSplit_) showWholeText();
  showHighlight();
}

void TextBox::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  if (linesSplit_) showWholeText();
  showHighlight();
}

TextBox::Mark TextBox::markOf(const QTextCursor& marked) const {
  if (!marked.hasSelection()) return {};
  const QTextBlock block = document()->findBlock(marked.selectionStart());
  blockBoundingGeometry(block);  // lays the block out, if it is not yet
  const int from = marked.selectionStart() - block.position();
  const QTextLine line = block.layout()->lineForTextPosition(from);
  if (!line.isValid()) return {};
  const int to = marked.selectionEnd() - block.position();
  const double left = line.cursorToX(from);
  // A blank where the line wraps and a line break have no width of their
  // own: the mark is one blank wide there.
  const bool onTheLine = to < line.textStart() + line.textLength() ||
                         (to == line.textStart() + line.textLength() && to > from &&
                          block.text().at(to - 1) != QLatin1Char(' '));
  const double right =
      onTheLine ? line.cursorToX(to) : left + fontMetrics().horizontalAdvance(QLatin1Char(' '));
  return {marked, QRectF(left, line.y(), right - left, line.height())};
}

QRect TextBox::shownRect(const Mark& mark) const {
  const QTextBlock block = document()->findBlock(mark.chars.selectionStart());
  if (mark.inBlock.isEmpty() || block.layout() == nullptr) return {};
  const QPointF origin = blockBoundingGeometry(block).translated(contentOffset()).topLeft();
  return mark.inBlock.translated(origin).toAlignedRect();
}

void TextBox::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  const QRect shown = shownRect(mark_) & event->rect();
  if (shown.isEmpty()) return;
  // The marked characters, white on the highlight, from the line's own glyphs.
  const QTextBlock block = document()->findBlock(mark_.chars.selectionStart());
  const QTextLine line =
      block.layout()->lineForTextPosition(mark_.chars.selectionStart() - block.position());
  QPainter painter(viewport());
  painter.fillRect(shown, QColor(kHighlight));
  painter.setClipRect(shown);
  painter.setPen(Qt::white);
  line.draw(&painter, blockBoundingGeometry(block).translated(contentOffset()).topLeft());
}

}  // namespace arvan
