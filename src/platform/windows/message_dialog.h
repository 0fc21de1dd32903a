#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

namespace platform {

// A message box as the programs show it: the text exactly as written (plain text, broken only
// where it breaks its own lines unless a line is wider than the screen), the icon and buttons of
// the style number, and at least as wide as its title so the title bar shows it whole.
class MessageDialog : public QDialog {
 public:
  MessageDialog(const QString& text, int style, const QString& title, QWidget* parent = nullptr);

  // One of MsgBoxResult: the button pressed, or what Escape and the close box answer.
  int answer() const { return answer_; }

  QLabel* textLabel() const { return textLabel_; }
  QDialogButtonBox* buttons() const { return buttons_; }

 private:
  void addButtons(int style);
  void fitTextAndTitle(const QString& title);
  int answer_;
  QLabel* textLabel_;
  QDialogButtonBox* buttons_;
};

// Texts may break lines with CR LF or a lone CR, which Qt's labels do not show as a break.
QString displayText(QString text);

}  // namespace platform
