#include "platform/windows/qt_interaction.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QLabel>
#include <QPointer>

#include "platform/system/errors.h"
#include "platform/printing/qt_printer.h"
#include "platform/windows/message_dialog.h"

namespace platform {
namespace {

QWidget* activeParent() { return QApplication::activeWindow(); }

// The question before a save replaces a file, asked in the platform's own message box so that the
// name shows as typed.
bool confirmReplace(const QString& path, QFileDialog& dialog) {
  MessageDialog question(QFileInfo(path).fileName() +
                             QStringLiteral(" already exists.\r\nDo you want to replace it?"),
                         vbYesNo | vbExclamation, dialog.windowTitle(), &dialog);
  question.exec();
  return question.answer() == vbYes;
}

bool runFileDialog(DialogRequest& request, QFileDialog::AcceptMode mode, QString& lastFolder) {
  SingleFileDialog dialog(activeParent());
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // The programs ask about replacing a file themselves where they do not set the flag.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const bool askBeforeReplacing =
      mode == QFileDialog::AcceptSave && (request.Flags & cdlOFNOverwritePrompt);
  prepareFileDialog(dialog, request, lastFolder);
  QString chosen;
  do {
    if (dialog.exec() != QDialog::Accepted) return false;
    chosen = dialog.chosenFile();
    if (chosen.isEmpty()) return false;
  } while (askBeforeReplacing && QFileInfo::exists(chosen) && !confirmReplace(chosen, dialog));
  request.FileName = QDir::toNativeSeparators(chosen);
  request.FileTitle = QFileInfo(request.FileName).fileName();
  lastFolder = QFileInfo(chosen).absolutePath();
  const int filterIndex = nameFilters(request.Filter).indexOf(dialog.selectedNameFilter());
  if (filterIndex >= 0) request.FilterIndex = filterIndex + 1;
  return true;
}

}  // namespace

QString SingleFileDialog::nameWithQuotes() const {
  const auto* nameBox = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  const QString name = nameBox != nullptr ? nameBox->text() : QString();
  return name.contains(QLatin1Char('"')) ? name : QString();
}

QString SingleFileDialog::chosenFile() const {
  const QString name = nameWithQuotes();
  if (name.isEmpty()) return selectedFiles().value(0);
  QString path = QDir::cleanPath(directory().absoluteFilePath(name));
  if (acceptMode() == AcceptSave && !defaultSuffix().isEmpty() &&
      !QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
    path += QLatin1Char('.') + defaultSuffix();
  }
  return path;
}

void SingleFileDialog::accept() {
  if (nameWithQuotes().isEmpty()) return QFileDialog::accept();
  const QFileInfo chosen(chosenFile());
  if (chosen.isDir()) {
    setDirectory(chosen.absoluteFilePath());
    findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->clear();
  } else if (acceptMode() == AcceptSave || chosen.isFile()) {
    QDialog::accept();
  }
}

QStringList nameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts.at(i + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString description = parts.at(i);
    // A description that already shows its patterns keeps them once.
    const int paren = description.indexOf(QLatin1Char('('));
    if (paren >= 0) description = description.left(paren).trimmed();
    filters.append(QStringLiteral("%1 (%2)").arg(description, patterns.simplified()));
  }
  return filters;
}

QString defaultSuffix(const QString& nameFilter) {
  const int open = nameFilter.lastIndexOf(QLatin1Char('('));
  const int close = nameFilter.lastIndexOf(QLatin1Char(')'));
  if (open < 0 || close < open) return QString();
  const QStringList patterns =
      nameFilter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (patterns.size() != 1 || !patterns.first().startsWith(QLatin1String("*."))) return QString();
  const QString extension = patterns.first().mid(2);
  const bool plain = !extension.isEmpty() && !extension.contains(QLatin1Char('*')) &&
                     !extension.contains(QLatin1Char('?')) && !extension.contains(QLatin1Char('['));
  return plain ? extension : QString();
}

void prepareFileDialog(QFileDialog& dialog, const DialogRequest& request,
                       const QString& lastFolder) {
  dialog.setWindowTitle(request.DialogTitle);
  // A name typed without an extension takes the one the chosen filter lists, so that the
  // program's Open dialogs, which list only that extension, show the file again.
  if (dialog.acceptMode() == QFileDialog::AcceptSave) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                       dialog.setDefaultSuffix(defaultSuffix(filter));
                     });
  }
  const QStringList filters = nameFilters(request.Filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = qBound(1, request.FilterIndex, static_cast<int>(filters.size()));
    dialog.selectNameFilter(filters.at(index - 1));
    if (dialog.acceptMode() == QFileDialog::AcceptSave) {
      dialog.setDefaultSuffix(defaultSuffix(filters.at(index - 1)));
    }
  }
  const QFileInfo preset(request.FileName);
  // A file name that holds its folder opens there, whatever folder the dialog had before; else
  // the given folder; else the folder last chosen in a file dialog, as the desktop's dialogs
  // remember it; else where the user keeps files, not wherever the program was started.
  if (request.FileName.contains(QLatin1Char('/')) && preset.absoluteDir().exists()) {
    dialog.setDirectory(preset.absolutePath());
  } else if (!request.InitDir.isEmpty() && QFileInfo(request.InitDir).isDir()) {
    dialog.setDirectory(request.InitDir);
  } else if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) {
    dialog.setDirectory(lastFolder);
  } else {
    dialog.setDirectory(QDir::homePath());
  }
  if (!request.FileName.isEmpty()) dialog.selectFile(preset.fileName());
}

PrintChoice printChoice(long flags) {
  PrintChoice choice;
  choice.pageNumbersOffered = !(flags & cdlPDNoPageNums);
  choice.selectionOffered = !(flags & cdlPDNoSelection);
  if ((flags & cdlPDSelection) && choice.selectionOffered) {
    choice.range = PrintChoice::Range::Selection;
  } else if ((flags & cdlPDPageNums) && choice.pageNumbersOffered) {
    choice.range = PrintChoice::Range::PageNumbers;
  }
  return choice;
}

long flagsWithRange(long flags, PrintChoice::Range range) {
  flags &= ~static_cast<long>(cdlPDSelection | cdlPDPageNums);
  if (range == PrintChoice::Range::Selection) flags |= cdlPDSelection;
  if (range == PrintChoice::Range::PageNumbers) flags |= cdlPDPageNums;
  return flags;
}

void preparePrompt(QInputDialog& dialog, const QString& prompt, const QString& title,
                   const QString& defaultText) {
  dialog.setWindowTitle(title);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(displayText(prompt));
  dialog.setTextValue(defaultText);
  // The prompt may name a file or a student; it is shown as typed, never as markup.
  for (QLabel* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

int QtInteraction::messageBox(const QString& text, int style, const QString& title) {
  MessageDialog box(text, style, title, activeParent());
  box.exec();
  return box.answer();
}

QString QtInteraction::inputBox(const QString& prompt, const QString& title,
                                const QString& defaultText) {
  QInputDialog dialog(activeParent());
  preparePrompt(dialog, prompt, title, defaultText);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtInteraction::openDialog(DialogRequest& request) {
  return runFileDialog(request, QFileDialog::AcceptOpen, lastFolder_);
}

bool QtInteraction::saveDialog(DialogRequest& request) {
  return runFileDialog(request, QFileDialog::AcceptSave, lastFolder_);
}

bool QtInteraction::fontDialog(DialogRequest& request) {
  QFont initial(request.FontName);
  if (request.FontSize > 0) initial.setPointSizeF(request.FontSize);
  initial.setBold(request.FontBold);
  initial.setItalic(request.FontItalic);
  initial.setUnderline(request.FontUnderline);
  initial.setStrikeOut(request.FontStrikethru);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, initial, activeParent(), request.DialogTitle);
  if (!ok) return false;
  request.FontName = chosen.family();
  request.FontSize = chosen.pointSizeF();
  request.FontBold = chosen.bold();
  request.FontItalic = chosen.italic();
  request.FontUnderline = chosen.underline();
  request.FontStrikethru = chosen.strikeOut();
  return true;
}

bool QtInteraction::printDialog(DialogRequest& request, Printer& printer) {
  auto* system = dynamic_cast<QtPrinter*>(&printer);
  if (system == nullptr) throw RuntimeError(kPrinterError, QStringLiteral("Printer error"));
  if (request.Flags & cdlPDPrintSetup) {
    return system->choosePageSetup(activeParent(), request.DialogTitle);
  }
  PrintChoice choice = printChoice(request.Flags);
  if (!system->choosePrinter(activeParent(), request.DialogTitle, choice)) return false;
  request.Flags = flagsWithRange(request.Flags, choice.range);
  return true;
}

QString QtInteraction::chooseFolder(const QString& title, const QString& startFolder) {
  return QFileDialog::getExistingDirectory(activeParent(), title,
                                           startFolder.isEmpty() ? QDir::homePath() : startFolder);
}

void QtInteraction::showModal(QWidget& window) {
  QPointer<QWidget> guard(&window);
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  QEventLoop loop;
  QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  // Hiding ends the modal show as well as closing does.
  struct HideWatcher : QObject {
    QEventLoop* loop;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Hide) loop->quit();
      return false;
    }
  } watcher;
  watcher.loop = &loop;
  window.installEventFilter(&watcher);
  loop.exec();
  if (guard) {
    guard->removeEventFilter(&watcher);
    guard->setWindowModality(Qt::NonModal);
  }
}

void QtInteraction::popupMenu(QMenu& menu, const QPoint& position) { menu.exec(position); }

}  // namespace platform
