#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/windows/interaction.h"

namespace testing_support {

enum class PromptKind {
  MessageBox, InputBox, OpenDialog, SaveDialog, FontDialog, Folder, Modal, PrintDialog, PopupMenu
};

const char* kindName(PromptKind kind);

// One prompt the program showed.
struct Prompt {
  PromptKind kind;
  QString title;
  QString text;
  int style = 0;
  platform::DialogRequest request;  // what a dialog was asked
};

// Answers every prompt from a queue the test fills beforehand and records every prompt. A prompt
// with no answer queued, or of another kind than the next answer, fails the test and is answered
// as Cancel would be, so no test ever waits for a user.
class ScriptedInteraction : public platform::Interaction {
 public:
  ScriptedInteraction& answerMessage(int result);
  ScriptedInteraction& answerInput(const QString& text);
  // An open or save dialog accepting `path` (and, when given, the filter index chosen).
  ScriptedInteraction& answerOpen(const QString& path, int filterIndex = 0);
  ScriptedInteraction& answerSave(const QString& path, int filterIndex = 0);
  ScriptedInteraction& cancelOpen();
  ScriptedInteraction& cancelSave();
  ScriptedInteraction& answerFont(const std::function<void(platform::DialogRequest&)>& choose);
  ScriptedInteraction& cancelFont();
  // A print dialog accepted; `choose` may change the request as the user would (the range in
  // Flags). The printer is left as it is.
  ScriptedInteraction& answerPrint(
      const std::function<void(platform::DialogRequest&)>& choose = {});
  ScriptedInteraction& cancelPrint();
  ScriptedInteraction& answerFolder(const QString& folder);
  // A modal window: `act` runs while it is "shown" (it may fill it in and press its buttons).
  ScriptedInteraction& answerModal(const std::function<void(QWidget&)>& act = {});
  // A pop-up menu: chooses the item with this text, or nothing when it is empty.
  ScriptedInteraction& answerPopup(const QString& itemText = QString());

  const std::vector<Prompt>& prompts() const { return prompts_; }
  // Prompts of one kind, in order.
  std::vector<Prompt> prompts(PromptKind kind) const;
  bool allAnswered() const { return answers_.empty(); }
  void clear();

  int messageBox(const QString& text, int style, const QString& title) override;
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
  bool openDialog(platform::DialogRequest& request) override;
  bool saveDialog(platform::DialogRequest& request) override;
  bool fontDialog(platform::DialogRequest& request) override;
  bool printDialog(platform::DialogRequest& request, platform::Printer& printer) override;
  QString chooseFolder(const QString& title, const QString& startFolder) override;
  void showModal(QWidget& window) override;
  // Records the menu (title: the menu's title); the scripted answer names the item to choose.
  void popupMenu(QMenu& menu, const QPoint& position) override;

 private:
  struct Answer {
    PromptKind kind;
    bool accept = true;
    int result = 0;
    QString text;
    int filterIndex = 0;
    std::function<void(platform::DialogRequest&)> choose;  // a font or print dialog's choice
    std::function<void(QWidget&)> act;
  };
  bool take(PromptKind kind, Answer& answer);
  bool fileDialog(PromptKind kind, platform::DialogRequest& request);

  std::deque<Answer> answers_;
  std::vector<Prompt> prompts_;
  int unexpectedInARow_ = 0;
};

}  // namespace testing_support
