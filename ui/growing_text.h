#pragma once

// Appending to the text of a QPlainTextEdit at a cost that does not grow
// with the text. Qt lays a whole paragraph out again after any change to it,
// and free typing writes one paragraph that may grow to book length. So
// after each append the full lines of the last paragraph, which appending
// can no longer change (lines are filled one after the other), are split off
// into a paragraph of their own: the next append lays out one line. The
// lines break where they broke, so the box shows the same lines in the same
// places, to within a pixel, until its width or font changes: then show the
// whole text anew.

class QPlainTextEdit;
class QString;

namespace arvan {

// Appends `text` at the end; returns whether full lines were split off.
bool appendKeepingLayoutShort(QPlainTextEdit* box, const QString& text);

}  // namespace arvan
