#pragma once

#include <QString>

// What the workspace says to the student. CR alone breaks a line inside a message, as the
// messages have always been written.
namespace essay::texts {

inline const QString kOpenNewFile = QStringLiteral(
    "Do you want to open a new file?\r\nThe current information will be lost if it has not been saved.");

inline const QString kReadOnlyTarget = QStringLiteral(
    "This file already exists as a read-only file. Your file was not saved.\r\nPlease choose "
    "another name and save your file again.");

inline QString alreadyExists(const QString& path) {
  return path + QStringLiteral(" already exists.\r\nDo you want to replace it?");
}

inline QString cannotOpen(const QString& path) {
  return QStringLiteral("Quillora could not open this file as an assignment:\r\n") + path +
         QStringLiteral("\r\nThe assignment you have open stays as it was.");
}

inline QString unstorableCharacter(QChar c) {
  return QStringLiteral("An assignment file cannot hold the character %1 in this place.\r\n"
                        "Please remove it (from the name, the outline or a paragraph) and save again.")
      .arg(c);
}

inline QString unstorableNameCharacter(QChar c) {
  return QStringLiteral("An assignment file cannot hold the character \"%1\" in a name.\r\n"
                        "Please type your name again without it.")
      .arg(c);
}

inline const QString kPrintFailed = QStringLiteral("The essay could not be printed.");

inline const QString kHowTo = QStringLiteral(
    "Open an Assignment for Writing\r\r1.  Press CTRL-O or the Open button.\r2. Go to the folder "
    "named Quillora Assignments or the folder where you saved the\r    assignment you created.\r\r"
    "Save an Assignment\r\r1. Press CTRL-S or the Save As button.\r2. If you want to replace the "
    "assignment file give it the same name.\r    If you want to keep the original assignment file, "
    "give your new file a different name.");

inline const QString kProgramTips = QStringLiteral(
    "Program Tips\r\r1.  You can easily switch between paragraphs.\r\n2. When finished with the "
    "Introduction, Main Idea, and Conclusion paragraphs, press\r    FINISH. To get a better view "
    "and more editing features, Press F12.\r\n3. Once you press the Finish button you may not go "
    "back to individual paragraphs, but you\r    may edit any paragraph in the combined document."
    "\r\n4. Right-click the mouse to see the editing menu. In Editor this menu also has Undo.\r5. "
    "PREVIEW allows you to see your document as a whole before finishing.\r6. OUTLINE shows your "
    "complete outline.\r\n\r\n*** You can edit your outline in the Assignment Generator or right "
    "here in the boxes on the left side of this window.\r     Any changes made here will be here "
    "the next time you work on this assignment.");

inline const QString kChecklist = QStringLiteral(
    "A well written assignment will do several things.\r\r1. The paper will have one central idea."
    "  The paper will stay on topic.\r2. The paper will have a beginning, a middle, and an end.\r3. "
    "The paper will flow naturally from one topic or example to another.\r4. Each part of the "
    "paper will supply details and/or examples that help the reader\r    understand the main idea "
    "of your paper.\r5. The paper will be free of errors in spelling, punctuation, and grammar.");

}  // namespace essay::texts
