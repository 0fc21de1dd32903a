#include "platform/windows/message_dialog.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/windows/interaction.h"
#include "platform/windows/qt_interaction.h"

namespace platform {
namespace {

QStringList buttonTexts(const MessageDialog& box) {
  QStringList texts;
  for (QAbstractButton* button : box.buttons()->buttons()) texts.append(button->text());
  return texts;
}

// Press the button showing `text`, or Escape when it is empty, and return the answer.
int answerBy(int style, const QString& text) {
  MessageDialog box(QStringLiteral("Go on?"), style, QStringLiteral("Quillora"));
  box.show();
  if (text.isEmpty()) {
    QTest::keyClick(&box, Qt::Key_Escape);
  } else {
    for (QAbstractButton* button : box.buttons()->buttons()) {
      if (button->text().remove('&') == text) button->click();
    }
  }
  return box.answer();
}

TEST(MessageDialog, ShowsTitlesAndFileNamesAsTypedNotAsMarkup) {
  const QString text = QStringLiteral("Could not open <i>Homework</i> & <b>notes</b>.ql");
  MessageDialog box(text, vbCritical, QStringLiteral("<b>Webloom</b>"));
  EXPECT_EQ(Qt::PlainText, box.textLabel()->textFormat());
  EXPECT_EQ(text, box.textLabel()->text());
  EXPECT_EQ("<b>Webloom</b>", box.windowTitle());

  QInputDialog prompt;
  preparePrompt(prompt, QStringLiteral("Name for <i>this</i> page?"), QStringLiteral("Webloom"),
                QStringLiteral("draft"));
  const QList<QLabel*> labels = prompt.findChildren<QLabel*>();
  ASSERT_FALSE(labels.isEmpty());
  for (const QLabel* label : labels) EXPECT_EQ(Qt::PlainText, label->textFormat());
  EXPECT_EQ("Name for <i>this</i> page?", prompt.labelText());
  EXPECT_EQ("draft", prompt.textValue());
}

TEST(MessageDialog, KeepsTheTextsOwnLineBreaksAndEmptyLines) {
  // A help text: long lines broken where the writer broke them, two empty lines in a row.
  const QString text = QStringLiteral(
      "Program Tips\r\r2. When finished with the Introduction, Main Idea, and Conclusion "
      "paragraphs, press\r    FINISH.\r\n\r\n*** You can edit your outline here.");
  MessageDialog box(text, vbInformation, QStringLiteral("Quillora"));
  box.show();
  EXPECT_EQ("Program Tips\n\n2. When finished with the Introduction, Main Idea, and Conclusion "
            "paragraphs, press\n    FINISH.\n\n*** You can edit your outline here.",
            box.textLabel()->text());
  EXPECT_FALSE(box.textLabel()->wordWrap());
  const QFontMetrics metrics(box.textLabel()->font());
  EXPECT_GE(box.textLabel()->width(),
            metrics.horizontalAdvance("2. When finished with the Introduction, Main Idea, and "
                                      "Conclusion paragraphs, press"));
  EXPECT_LT(box.textLabel()->height(), 8 * metrics.lineSpacing());

  // A message that never breaks its lines is wrapped rather than run across the screen; wrapped
  // parts of an indented line keep its indent.
  for (const QString indent : {"", "    "}) {
    MessageDialog error(indent + QString("Could not save this file. ").repeated(12), vbCritical, "Webloom");
    error.show();
    EXPECT_LE(error.width(), 1000);
    const QStringList lines = error.textLabel()->text().split('\n');
    EXPECT_GT(lines.size(), 1);
    for (const QString& line : lines) {
      EXPECT_TRUE(line.startsWith(indent) && !line.startsWith(indent + ' ')) << line.toStdString();
    }
  }
}

TEST(MessageDialog, IsAtLeastAsWideAsItsTitle) {
  for (const QString& title : {QStringLiteral("Oops."),
                              QStringLiteral("A title far longer than the text under it")}) {
    MessageDialog box(QStringLiteral("Try Again."), vbCritical, title);
    box.show();
    QFont bold = box.font();
    bold.setBold(true);
    EXPECT_GT(box.width(), QFontMetrics(bold).horizontalAdvance(title) + 60) << title.toStdString();
  }
}

TEST(MessageDialog, ButtonsAndAnswersFollowTheStyle) {
  EXPECT_EQ(QStringList({"OK"}), [] {
    MessageDialog box("x", vbOKOnly, "t");
    QStringList texts = buttonTexts(box);
    texts.replaceInStrings("&", "");
    return texts;
  }());
  struct Row {
    int style;
    QString press;  // "" for Escape
    int answer;
  };
  const Row rows[] = {
      {vbOKOnly, "OK", vbOK},          {vbOKOnly, "", vbOK},
      {vbOKCancel, "Cancel", vbCancel}, {vbOKCancel, "", vbCancel},
      {vbYesNo, "Yes", vbYes},          {vbYesNo, "No", vbNo},
      {vbYesNo, "", vbNo},              {vbYesNoCancel, "", vbCancel},
      {vbYesNoCancel, "No", vbNo},      {vbRetryCancel, "Retry", vbRetry},
      {vbAbortRetryIgnore, "Ignore", vbIgnore},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.answer, answerBy(row.style | vbQuestion, row.press))
        << row.style << " " << row.press.toStdString();
  }
  MessageDialog box("Exit?", vbYesNo, "Voxlet!");
  auto* yes = qobject_cast<QPushButton*>(box.buttons()->buttons().first());
  ASSERT_NE(nullptr, yes);
  EXPECT_TRUE(yes->isDefault());
}

}  // namespace
}  // namespace platform
