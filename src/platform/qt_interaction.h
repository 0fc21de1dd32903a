#pragma once

#include "platform/interaction.h"

namespace platform {

// Real dialogs on the desktop.
class QtInteraction : public Interaction {
 public:
  int messageBox(const QString& text, int style, const QString& title) override;
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
  bool openDialog(DialogRequest& request) override;
  bool saveDialog(DialogRequest& request) override;
  bool fontDialog(DialogRequest& request) override;
  QString chooseFolder(const QString& title, const QString& startFolder) override;
  void showModal(QWidget& window) override;
};

// "Text files|*.txt;*.text|All|*.*" as Qt's name filters ("Text files (*.txt *.text)", ...).
QStringList nameFilters(const QString& filter);

}  // namespace platform
