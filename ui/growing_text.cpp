#include "ui/growing_text.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace arvan {

bool appendKeepingLayoutShort(QPlainTextEdit* box, const QString& text) {
  QTextDocument* document = box->document();
  QTextCursor end(document);
  end.movePosition(QTextCursor::End);
  end.insertText(text);
  // The box has laid the changed paragraph out by now, if it lays out at all.
  const QTextBlock last = document->lastBlock();
  const QTextLayout* layout = last.layout();
  if (layout == nullptr || layout->lineCount() < 2) return false;
  QTextCursor lastLine(document);
  lastLine.setPosition(last.position() + layout->lineAt(layout->lineCount() - 1).textStart());
  lastLine.insertBlock();
  return true;
}

}  // namespace arvan
