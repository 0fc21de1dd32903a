#include "support/scripted_interaction.h"

#include <QFileInfo>
#include <QMenu>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace testing_support {

const char* kindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::MessageBox: return "message box";
    case PromptKind::InputBox: return "input box";
    case PromptKind::OpenDialog: return "open dialog";
    case PromptKind::SaveDialog: return "save dialog";
    case PromptKind::FontDialog: return "font dialog";
    case PromptKind::Folder: return "folder chooser";
    case PromptKind::Modal: return "modal window";
    case PromptKind::PopupMenu: return "pop-up menu";
    case PromptKind::PrintDialog: return "print dialog";
  }
  return "prompt";
}

ScriptedInteraction& ScriptedInteraction::answerMessage(int result) {
  answers_.push_back({PromptKind::MessageBox, true, result, {}, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerInput(const QString& text) {
  answers_.push_back({PromptKind::InputBox, true, 0, text, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerOpen(const QString& path, int filterIndex) {
  answers_.push_back({PromptKind::OpenDialog, true, 0, path, filterIndex, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerSave(const QString& path, int filterIndex) {
  answers_.push_back({PromptKind::SaveDialog, true, 0, path, filterIndex, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::cancelOpen() {
  answers_.push_back({PromptKind::OpenDialog, false, 0, {}, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::cancelSave() {
  answers_.push_back({PromptKind::SaveDialog, false, 0, {}, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerFont(
    const std::function<void(platform::DialogRequest&)>& choose) {
  answers_.push_back({PromptKind::FontDialog, true, 0, {}, 0, choose, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::cancelFont() {
  answers_.push_back({PromptKind::FontDialog, false, 0, {}, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerPrint(
    const std::function<void(platform::DialogRequest&)>& choose) {
  answers_.push_back({PromptKind::PrintDialog, true, 0, {}, 0, choose, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::cancelPrint() {
  answers_.push_back({PromptKind::PrintDialog, false, 0, {}, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerFolder(const QString& folder) {
  answers_.push_back({PromptKind::Folder, true, 0, folder, 0, {}, {}});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerModal(const std::function<void(QWidget&)>& act) {
  answers_.push_back({PromptKind::Modal, true, 0, {}, 0, {}, act});
  return *this;
}

ScriptedInteraction& ScriptedInteraction::answerPopup(const QString& itemText) {
  Answer answer;
  answer.kind = PromptKind::PopupMenu;
  answer.text = itemText;
  answers_.push_back(answer);
  return *this;
}

void ScriptedInteraction::popupMenu(QMenu& menu, const QPoint&) {
  prompts_.push_back({PromptKind::PopupMenu, menu.title(), {}, 0, {}});
  Answer answer;
  if (!take(PromptKind::PopupMenu, answer) || answer.text.isEmpty()) return;
  for (QAction* action : menu.actions()) {
    if (action->text() == answer.text && action->isEnabled()) {
      action->trigger();
      return;
    }
  }
  ADD_FAILURE() << "The pop-up menu has no enabled item " << answer.text.toStdString();
}

std::vector<Prompt> ScriptedInteraction::prompts(PromptKind kind) const {
  std::vector<Prompt> found;
  for (const Prompt& prompt : prompts_) {
    if (prompt.kind == kind) found.push_back(prompt);
  }
  return found;
}

void ScriptedInteraction::clear() {
  answers_.clear();
  prompts_.clear();
}

bool ScriptedInteraction::take(PromptKind kind, Answer& answer) {
  const Prompt& shown = prompts_.back();
  // A program that asks again until it gets an answer would otherwise never end the test.
  constexpr int kGiveUp = 50;
  if (answers_.empty() || answers_.front().kind != kind) {
    if (++unexpectedInARow_ >= kGiveUp) {
      std::fprintf(stderr, "The program keeps prompting without scripted answers; giving up.\n");
      std::abort();
    }
  } else {
    unexpectedInARow_ = 0;
  }
  if (answers_.empty()) {
    ADD_FAILURE() << "Unexpected " << kindName(kind) << ": title \"" << shown.title.toStdString()
                  << "\", text \"" << shown.text.toStdString() << "\"";
    return false;
  }
  if (answers_.front().kind != kind) {
    ADD_FAILURE() << "Expected " << kindName(answers_.front().kind) << " but got "
                  << kindName(kind) << ": title \"" << shown.title.toStdString() << "\", text \""
                  << shown.text.toStdString() << "\"";
    return false;
  }
  answer = answers_.front();
  answers_.pop_front();
  return true;
}

int ScriptedInteraction::messageBox(const QString& text, int style, const QString& title) {
  prompts_.push_back({PromptKind::MessageBox, title, text, style, {}});
  Answer answer;
  if (!take(PromptKind::MessageBox, answer)) {
    return (style & 0xF) == platform::vbYesNo ? platform::vbNo : platform::vbCancel;
  }
  return answer.result;
}

QString ScriptedInteraction::inputBox(const QString& prompt, const QString& title,
                                      const QString& defaultText) {
  prompts_.push_back({PromptKind::InputBox, title, prompt, 0, {}});
  prompts_.back().request.FileName = defaultText;
  Answer answer;
  return take(PromptKind::InputBox, answer) ? answer.text : QString();
}

bool ScriptedInteraction::fileDialog(PromptKind kind, platform::DialogRequest& request) {
  prompts_.push_back({kind, request.DialogTitle, request.Filter, 0, request});
  Answer answer;
  if (!take(kind, answer) || !answer.accept) return false;
  request.FileName = answer.text;
  request.FileTitle = QFileInfo(answer.text).fileName();
  if (answer.filterIndex > 0) request.FilterIndex = answer.filterIndex;
  return true;
}

bool ScriptedInteraction::openDialog(platform::DialogRequest& request) {
  return fileDialog(PromptKind::OpenDialog, request);
}

bool ScriptedInteraction::saveDialog(platform::DialogRequest& request) {
  return fileDialog(PromptKind::SaveDialog, request);
}

bool ScriptedInteraction::fontDialog(platform::DialogRequest& request) {
  prompts_.push_back({PromptKind::FontDialog, request.DialogTitle, {}, 0, request});
  Answer answer;
  if (!take(PromptKind::FontDialog, answer) || !answer.accept) return false;
  if (answer.choose) answer.choose(request);
  return true;
}

bool ScriptedInteraction::printDialog(platform::DialogRequest& request, platform::Printer&) {
  prompts_.push_back({PromptKind::PrintDialog, request.DialogTitle, {}, 0, request});
  Answer answer;
  if (!take(PromptKind::PrintDialog, answer) || !answer.accept) return false;
  if (answer.choose) answer.choose(request);
  return true;
}

QString ScriptedInteraction::chooseFolder(const QString& title, const QString& startFolder) {
  prompts_.push_back({PromptKind::Folder, title, startFolder, 0, {}});
  Answer answer;
  return take(PromptKind::Folder, answer) ? answer.text : QString();
}

void ScriptedInteraction::showModal(QWidget& window) {
  prompts_.push_back({PromptKind::Modal, window.windowTitle(), {}, 0, {}});
  Answer answer;
  if (!take(PromptKind::Modal, answer)) return;
  window.show();
  if (answer.act) answer.act(window);
}

}  // namespace testing_support
