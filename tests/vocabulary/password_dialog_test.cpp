#include <QTest>
#include <gtest/gtest.h>

#include "lexorama_fixture.h"
#include "vocabulary/main_window.h"
#include "vocabulary/password_check.h"
#include "vocabulary/password_dialog.h"
#include "vocabulary/word_list_editor_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::LexoramaTest;

class PasswordDialogTest : public LexoramaTest {
 protected:
  // The main window with a list open and the password dialog asked for the word-list editor.
  PasswordDialog& askForEditor(const QByteArray& check = "395\r\n") {
    QFile file(PasswordCheckFilePath());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(check);
    file.close();
    lexorama.forms().get<MainWindow>();
    writeNameLists();
    open(writeWordList("Week 3.txt", 6));
    lexorama.forms().get<MainWindow>().createAssignmentAction->trigger();
    return dialog();
  }
  PasswordDialog& dialog() { return lexorama.forms().get<PasswordDialog>(); }
  void enter(const QString& password) {
    dialog().passwordBox->clear();
    // Typed as a keyboard layout with these characters would (the test key table is ASCII only).
    dialog().passwordBox->insert(password);
    dialog().okButton->click();
    processEvents();
  }
};

TEST_F(PasswordDialogTest, TheRightPasswordOpensTheEditorAndAnAnagramDoesToo) {
  askForEditor();
  EXPECT_EQ("Login", dialog().Caption());
  enter("QUERN");
  EXPECT_TRUE(lexorama.forms().isLoaded<WordListEditorWindow>());
  EXPECT_TRUE(lexorama.forms().get<WordListEditorWindow>().isVisible());
  EXPECT_TRUE(lexorama.practice.LoginTarget.isEmpty());
  EXPECT_FALSE(lexorama.forms().isLoaded<PasswordDialog>());

  lexorama.forms().unload<WordListEditorWindow>();
  lexorama.forms().get<MainWindow>().createAssignmentAction->trigger();
  enter("NREUQ");
  EXPECT_TRUE(lexorama.forms().isLoaded<WordListEditorWindow>());
}

TEST_F(PasswordDialogTest, ItIsAFixedDialogHoldingOnlyThePasswordRowAndButtons) {
  PasswordDialog& shown = askForEditor();
  processEvents();
  ASSERT_TRUE(shown.isVisible());
  // A window that cannot be resized gets no resize handle under its buttons.
  EXPECT_EQ(shown.minimumSize(), shown.maximumSize());
  EXPECT_EQ(Qt::Dialog, shown.windowType());
  EXPECT_FALSE(shown.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  // No room is left where the hidden user-name row would be.
  EXPECT_LE(shown.height(), shown.centralWidget()->sizeHint().height());
  EXPECT_FALSE(shown.userNameBox->isVisible());
}

TEST_F(PasswordDialogTest, AWrongPasswordIsToldAndClosesTheDialog) {
  askForEditor();
  interaction->answerMessage(platform::vbOK);
  enter("quern");
  EXPECT_EQ("The password you entered was incorrect.", messages().back().text);
  EXPECT_FALSE(lexorama.forms().isLoaded<WordListEditorWindow>());
  EXPECT_FALSE(lexorama.forms().isLoaded<PasswordDialog>());
  EXPECT_TRUE(lexorama.practice.LoginTarget.isEmpty());
}

TEST_F(PasswordDialogTest, AnOverlongPasswordIsWrongNotACrash) {
  askForEditor();
  interaction->answerMessage(platform::vbOK);
  enter(QString(400, QChar(u'ÿ')));
  EXPECT_EQ("The password you entered was incorrect.", messages().back().text);
}

TEST_F(PasswordDialogTest, CancelHidesTheDialogAndKeepsWhatWasTyped) {
  askForEditor();
  QTest::keyClicks(dialog().passwordBox, "QUE");
  dialog().cancelButton->click();
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ("Assignment", lexorama.practice.LoginTarget);
  lexorama.forms().get<MainWindow>().createAssignmentAction->trigger();
  EXPECT_EQ("QUE", dialog().passwordBox->text());
}

TEST_F(PasswordDialogTest, AnEmptyEntryDoesNothing) {
  askForEditor();
  dialog().okButton->click();
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_EQ("Assignment", lexorama.practice.LoginTarget);
}

TEST_F(PasswordDialogTest, APasswordBeyondAsciiCountsItsWindowsCode) {
  askForEditor("233\r\n");
  enter(QStringLiteral("é"));
  EXPECT_TRUE(lexorama.forms().isLoaded<WordListEditorWindow>());
}

}  // namespace
