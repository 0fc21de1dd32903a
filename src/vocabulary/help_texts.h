#pragma once

#include <QString>

namespace vocabulary {

// What the main window's Help button says about the child window in front, given by its object
// name; `teacherMenuVisible` chooses between the setup window's two texts.
QString HelpText(const QString& windowName, bool teacherMenuVisible);

// How to begin, shown by the Teacher menu and the About box.
QString GettingStartedText();

}  // namespace vocabulary
