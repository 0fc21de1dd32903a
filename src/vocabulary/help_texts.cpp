#include "vocabulary/help_texts.h"

#include <QStringList>

namespace vocabulary {
namespace {

QString lines(const QStringList& parts) { return parts.join(QStringLiteral("\r\n")); }

QString wordListEditorHelp() {
  return lines({
      QStringLiteral("Type your word followed by a forward slash followed by the definition. You "
                     "can also follow this with a second slash and a second definition if you "
                     "wish. The program will randomly choose between them."),
      QString(),
      QStringLiteral("You may use a sentence with a missing word, or synonyms, or any other "
                     "matching text. Be creative, but be sure that your answers are distinct and "
                     "will not work with any other words on the list."),
      QString(),
      QStringLiteral("Assignments must contain 6 or more items. More than 20 items are possible, "
                     "however this is much more difficult and time consuming for students."),
  });
}

QString setupHelp(bool teacherMenuVisible) {
  if (!teacherMenuVisible) {
    return lines({
        QStringLiteral("STUDENTS..."),
        QStringLiteral("Follow the steps in order. When opening an assignment in Step 3 go to the "
                       "folder as directed by your teacher."),
        QStringLiteral("It should be named, Lexorama Assignments."),
    });
  }
  return lines({
      QStringLiteral("STUDENTS WORKING AT HOME..."),
      QStringLiteral("If you are working at home, copy the assignment file provided by your "
                     "teacher into the Lexorama Assignments folder in My Documents."),
      QStringLiteral("Or, create your own assignment. The password is QUERN."),
      QString(),
      QStringLiteral("TEACHERS..."),
      QStringLiteral("You will need the password to create assignments, reports and edit student "
                     "information. The default password is QUERN. Change it ASAP."),
      QStringLiteral("To access these features you will need to complete Step 3 on this screen."),
      QString(),
      QStringLiteral("If for some reason you are unable to open an assignment in the usual way, "
                     "you should check to see if the Assignment folder has been moved or even "
                     "deleted."),
      QStringLiteral("If you cannot find it you can press Open in Step 3 and go to the Lexorama "
                     "Assignments folder in My Documents. Open the demo assignment, then go to "
                     "Teachers > Edit Student Info and select Restore Data w/ Last BackUp."),
  });
}

QString classInfoHelp() {
  return lines({
      QStringLiteral("To EDIT STUDENTS and TEACHERS simply type the name in the format indicated "
                     "and press ADD."),
      QStringLiteral("To DELETE A NAME, click on it and press DELETE. No changes are actually "
                     "made until you press Save Changes."),
      QString(),
      QStringLiteral("To CHANGE THE PASSWORD, select the option button, enter the new password "
                     "and press OK."),
      QString(),
      QStringLiteral("To ADD PICTURES, select the option button, press OK and select the folder "
                     "containing the pictures you want to use."),
      QStringLiteral("   --These pictures will be added to those already in use."),
      QStringLiteral("To DELETE PICTURES currently in use select the option button and press OK."),
      QString(),
      QStringLiteral("To BACKUP DATA, select that option, press OK. Your current data will be "
                     "stored in a secure location."),
      QStringLiteral("To RESTORE DATA W/ LAST BACKUP select this option and click OK. This will "
                     "copy the backup to the location from which it was backed up."),
      QStringLiteral("To PURGE BACKUP DATA - Use this to permanently delete the backup. (new "
                     "students, year, etc.)"),
  });
}

}  // namespace

QString HelpText(const QString& windowName, bool teacherMenuVisible) {
  if (windowName == QLatin1String("WordListEditorWindow")) return wordListEditorHelp();
  if (windowName == QLatin1String("MatchingWindow")) {
    return lines({QStringLiteral("All of the possible answers are shown."),
                  QStringLiteral("Choose the best answer by double-clicking on it."),
                  QStringLiteral("If you choose incorrectly, do not guess."),
                  QStringLiteral("From the remaining answers make the best choice.")});
  }
  if (windowName == QLatin1String("MultipleChoiceWindow")) {
    return lines({QStringLiteral("Choose the best answer of the four shown."), QString(),
                  QStringLiteral(
                      "The score bar shows your current score based on correct answers and how "
                      "many tries you have made. Be aware that each wrong choice counts. This "
                      "means that if you make three wrong choices and then a correct one your "
                      "score is 25%, one out of four. Even if you choose incorrectly make the "
                      "best choice you can with the remaining choices.")});
  }
  if (windowName == QLatin1String("PracticeSetupWindow")) return setupHelp(teacherMenuVisible);
  if (windowName == QLatin1String("PictureGameWindow")) {
    return QStringLiteral("Click on the box which is the best match for the clue in the box at "
                          "the top of the screen.");
  }
  if (windowName == QLatin1String("ScoreReportWindow")) {
    return QStringList{
        QStringLiteral("Reports can be displayed by assignment, student, teacher or any "
                       "combination of the three."),
        QStringLiteral("You can sort reports alphabetically or by score in ascending or "
                       "descending order."),
        QStringLiteral("To sort, click on the column you wish to be sorted."),
        QStringLiteral("To delete a record, check the delete box, then double-click on the "
                       "desired record.")}
        .join(QLatin1Char('\r'));
  }
  if (windowName == QLatin1String("SentencesWindow")) {
    return QStringList{
        QStringLiteral("When you have finished you should SAVE your assignment and PRINT your "
                       "work as instructed by your teacher."),
        QStringLiteral("If you are not finished, you may finish later. Save your work. When you "
                       "Open your assignment later, simply SKIP down to where you left off.")}
        .join(QLatin1Char('\r'));
  }
  if (windowName == QLatin1String("SpellingWindow")) {
    return lines({QStringLiteral("Practice scores will be recorded as a P."),
                  QStringLiteral("Test scores will be recorded as the percentage shown on the "
                                 "progress bar at the bottom of the screen."),
                  QStringLiteral("You may not take the Test until you have completed at least "
                                 "one Practice."),
                  QStringLiteral("Use the clues in the box(es) under the text entry area.")});
  }
  if (windowName == QLatin1String("ClassInfoWindow")) return classInfoHelp();
  return QStringLiteral("Lexorama!");
}

QString GettingStartedText() {
  return lines({
      QStringLiteral("1. To see how the program works go to Step 3 and Press Open. This will take "
                     "you to the demo assignment the first time your run the program."),
      QStringLiteral("2. Select a teacher and student name. Try each of the assignments in Step "
                     "2. Start by clicking OK."),
      QString(),
      QStringLiteral("3. Copy the Lexorama Assignments folder in My Documents to the location on "
                     "the network where everyone will have access to it."),
      QStringLiteral("    -If you are working on a stand-alone computer, you should leave the "
                     "Lexorama Assignments folder where it is in My Documents."),
      QStringLiteral("4. Create your assignments and save them to the copied folder named "
                     "Lexorama Assignments."),
      QStringLiteral("5. Be sure to backup your work frequently under the Teacher > Edit Class "
                     "Info menu item."),
  });
}

}  // namespace vocabulary
