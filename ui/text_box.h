#pragma once

// A multi-line text box of the window: black, read-only, never focused, with
// a vertical scroll bar. Its highlight marks the next character to type.
// Qt's selection draws nothing for a blank at the end of a wrapped line or
// for a line break, so there the box paints the mark itself, one blank wide.

#include <QPlainTextEdit>

namespace arvan {

class TextBox : public QPlainTextEdit {
 public:
  explicit TextBox(QWidget* parent);

  // Marks `length` characters from `start` (positions in the text shown),
  // scrolled into view; a length of 0 marks nothing.
  void showHighlight(int start, int length);

  static constexpr QRgb kHighlight = 0x0078D7;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where the box paints the mark itself, in the viewport; empty where Qt's
  // selection shows it or nothing is marked.
  [[nodiscard]] QRect ownMark() const;
};

}  // namespace arvan
