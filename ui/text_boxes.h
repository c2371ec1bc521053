// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#pragma once

// The window's text boxes: read-only, never focused, and quick to change.

#include <QGlyphRun>
#include <QImage>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QStaticText>
#include <QStyleOptionFrame>
#include <QWidget>
#include <optional>
#include <string>

namespace arvan {

// A single-line text box of the window, such as the drill's counters:
// read-only and never focused, drawn by the style exactly as it draws a
// read-only QLineEdit. A new text only asks for a repaint; the text is laid
// out as the box is painted. QLineEdit lays its text out, moves its cursor
// and sends its signals on every change: a tenth of a millisecond of each
// key that counts. The box over its background, which it fills, is drawn
// by the style once for its size and then copied under each new text; a
// text that is not a count is measured and laid out when it is set.
class LineBox : public QWidget {
 public:
  LineBox(QWidget* parent, bool framed);

  [[nodiscard]] const QString& text() const { return text_; }
  void setText(const QString& text);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  [[nodiscard]] QStyleOptionFrame panelOption() const;
  void keepPanel();
  void measureText();
  // A count is drawn from its digits' glyphs, taken from the box's font
  // when the font is set: a digit is one glyph with one advance, as shaping
  // gives it, and shaping each new count cost the counter half its paint.
  void takeDigits();
  struct Count {
    QGlyphRun glyphs;  // from the baseline's start
    int advance;
  };
  // The text as a count; none for another text or where shaping draws it.
  [[nodiscard]] std::optional<Count> asCount() const;

  QString text_;
  QStaticText shownText_;  // a text that is not a count, laid out
  int textAdvance_ = 0;
  int textHeight_ = 0;
  bool framed_;
  QImage drawnPanel_;           // at a pixel ratio of 1; none is kept at another
  QRawFont digitsFont_;         // none until a font is set, or where its face lacks a digit
  QList<quint32> digitGlyphs_;  // of 0 to 9
  QList<QPointF> digitAdvances_;
};

// A multi-line text box of the window: black, read-only, never focused, with
// a vertical scroll bar, scrolled to the end of its text or to its highlight.
//
// The highlight marks the next character to type. The box paints it
// itself, so that moving it repaints two characters rather than their
// paragraphs; a blank at the end of a wrapped line and a line break, which
// have no width of their own, are marked one blank wide.
//
// Free typing appends one letter at a time to a text that may grow to book
// length, and each key must cost the same however long the text. Qt lays a
// whole paragraph out again after any change to it, so after each append the
// full lines of the last paragraph, which appending can no longer change
// (lines are filled one after the other), are split off into a paragraph of
// their own: the next append lays out one line. The lines break where they
// broke, to within a pixel, until the box's width or font changes: then it
// shows the whole text anew.
class TextBox : public QPlainTextEdit {
 public:
  explicit TextBox(QWidget* parent);

  // Shows `text` and marks `length` characters from `start`; positions
  // count a line end (carriage return and line feed) as two characters.
  void show(const std::string& text, int start, int length);

  // The marked characters; no selection where nothing is marked.
  [[nodiscard]] QTextCursor highlight() const;

  static constexpr QRgb kHighlight = 0x0078D7;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void showWholeText();
  void append(std::string_view text);
  void showHighlight();
  // Marked characters and where the mark lies in their paragraph's layout.
  struct Mark {
    QTextCursor chars;
    QRectF inBlock;
  };
  [[nodiscard]] Mark markOf(const QTextCursor& marked) const;
  // Where a mark lies in the viewport.
  [[nodiscard]] QRect shownRect(const Mark& mark) const;

  std::string text_;   // what the box shows, line ends and all
  int textStart_ = 0;  // the highlight's start as the text counts it
  int start_ = 0;      // and in the box's own positions
  int length_ = 0;
  Mark mark_;  // as last placed
  bool linesSplit_ = false;
  bool glyphsKept_ = false;  // the paragraphs' layouts keep their glyphs
};

}  // namespace arvan
