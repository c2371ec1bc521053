#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <string>
#include <vector>

#include "ui/growing_text.h"
#include "ui/shown_text.h"

namespace arvan {
namespace {

TEST(ShownText, TellsAnAppendFromANewText) {
  ShownText shown;
  EXPECT_EQ(shown.appendedIn("тэмүүжин"), "тэмүүжин");  // nothing shown yet

  std::string text = "Зөв бичнэ үү: ";
  shown.remember(text);
  EXPECT_EQ(shown.appendedIn(text), "");
  EXPECT_EQ(shown.appendedIn(text + "ө"), "ө");                    // a two-byte letter
  EXPECT_EQ(shown.appendedIn("Зөв"), std::nullopt);                // shorter: a new text
  EXPECT_EQ(shown.appendedIn("Буруу бичнэ үү: ө"), std::nullopt);  // differs before the end

  // Far past the bytes it keeps, an append is still told from a change
  // among the last bytes shown.
  for (int i = 0; i < 5000; ++i) text += "а ";
  shown.remember(text);
  EXPECT_EQ(shown.appendedIn(text + "б"), "б");
  std::string changed = text;
  changed[changed.size() - 3] = 'x';
  EXPECT_EQ(shown.appendedIn(changed + "б"), std::nullopt);
}

// The line starts of every line the box shows, as offsets into its text
// without the paragraph breaks that appending puts in.
std::vector<int> lineStarts(const QPlainTextEdit& box) {
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

TEST(GrowingText, AppendedTextBreaksIntoTheLinesOfTheWholeTextShownAtOnce) {
  QPlainTextEdit growing;
  QPlainTextEdit whole;
  for (QPlainTextEdit* box : {&growing, &whole}) {
    box->resize(300, 200);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->show();
  }
  const QString words = QStringLiteral("нарантуяа цэцэг долгор ганбаатар ");
  QString text;
  bool split = false;
  for (int i = 0; i < 400; ++i) {
    const QString letter = words.mid(i % words.size(), 1);
    text += letter;
    split = appendKeepingLayoutShort(&growing, letter) || split;
  }
  whole.setPlainText(text);

  EXPECT_TRUE(split);
  EXPECT_EQ(growing.toPlainText().remove(QChar::ParagraphSeparator).remove(QLatin1Char('\n')),
            text);
  EXPECT_LE(growing.document()->lastBlock().layout()->lineCount(), 1);
  EXPECT_GT(lineStarts(whole).size(), 5u);
  EXPECT_EQ(lineStarts(growing), lineStarts(whole));
}

}  // namespace
}  // namespace arvan
