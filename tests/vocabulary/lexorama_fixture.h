#pragma once

#include <QComboBox>
#include <QDir>
#include <QStringList>
#include <QTest>

#include "support/fixture.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/practice_setup_window.h"

namespace vocabulary_testing {

using testing_support::PromptKind;

// A Lexorama with a class folder of word lists and name lists under the test root.
class LexoramaTest : public testing_support::RuntimeTest {
 protected:
  // The folder of the class's word lists, with its "Resources" name lists.
  static QString classFolder() { return testing_support::testRoot() + "/class/"; }
  static void writeNameLists() {
    writeFile("class/Resources/teachers.txt", "Ms Hale\r\nMr Okafor\r\n");
    writeFile("class/Resources/students.txt", "Ortiz, Ana\r\nBrook, Sam\r\nLee, Kim\r\n");
  }
  // A word list of `count` items "wordN/meaningN" ended by its empty line.
  static QString writeWordList(const QString& name, int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) {
      bytes += "word" + QByteArray::number(i) + "/meaning" + QByteArray::number(i) + "\r\n";
    }
    return writeFile("class/" + name, bytes + "\r\n");
  }

  vocabulary::PracticeSetupWindow& setup() {
    return lexorama.forms().get<vocabulary::PracticeSetupWindow>();
  }
  // Opens a word list in Step 3 as a student would.
  void open(const QString& path) {
    interaction->answerOpen(path);
    setup().openFileButton->click();
  }
  // Chooses a name from a list, as a click in the drop-down does.
  static void choose(QComboBox* box, const QString& name) {
    const int index = box->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    box->hidePopup();
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  // Types a name into a list's box and leaves it.
  static void type(QComboBox* box, const QString& name) {
    box->hidePopup();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), name);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  }
  std::vector<testing_support::Prompt> messages() const {
    return interaction->prompts(PromptKind::MessageBox);
  }

  vocabulary::Lexorama lexorama{*runtime};
};

}  // namespace vocabulary_testing
