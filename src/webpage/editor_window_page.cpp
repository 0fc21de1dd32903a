// Building the web page into a folder: Save As HTML, Preview, and Exit's clean-up.
#include <QDir>
#include <QFileInfo>

#include "platform/files/locations.h"
#include "platform/system/clipboard.h"
#include "platform/windows/progress_box.h"
#include "shared/file_services.h"
#include "webpage/editor_window.h"
#include "webpage/page_folder.h"

namespace webpage {
namespace {

const QString kCaption = QStringLiteral("Webloom");
const QString kFolderExists = QStringLiteral(
    "This folder already exists. Do you want to empty it and save your new files in it?");
const QString kSaveDeclined = QStringLiteral(
    "There was a problem creating your web page. Your files were not saved. Please try again.");
const QString kEarlierPageKept =
    QStringLiteral("The web page saved there before and its files were left as they were.");

QString savedMessage(const QString& title, const QString& folder, const QString& dashes) {
  return QStringLiteral("Your web page was successfully created. Your new folder ") + dashes +
         title + dashes + QStringLiteral(" was placed into ") + folder + QStringLiteral(".");
}

}  // namespace

PageContent EditorWindow::pageContent() const {
  return {titleBarBox->Text(),
          paperTitleBox->Text(),
          authorBox->Text(),
          textBox->Text(),
          webloom_.links.authorLinkFile,
          webloom_.links.audioFile,
          webloom_.links.audioButtonCaption};
}

bool EditorWindow::askForTitleAndAuthor() {
  if (paperTitleBox->Text().isEmpty()) {
    paperTitleBox->setText(webloom_.InputBox(
        QStringLiteral("Enter the title of your paper. This will also be the name of the folder in "
                       "which your files for this assignment are stored."),
        QStringLiteral("Title / Folder To Save In")));
    if (paperTitleBox->Text().isEmpty()) return false;
  }
  if (authorBox->Text().isEmpty()) {
    authorBox->setText(
        webloom_.InputBox(QStringLiteral("Enter the author's first, then last name."),
                          QStringLiteral("Enter the author's name.")));
    if (authorBox->Text().isEmpty()) return false;
  }
  if (!IsPlainFolderName(paperTitleBox->Text())) {
    webloom_.MsgBox(kNotAFolderName, platform::vbInformation);
    return false;
  }
  return true;
}

void EditorWindow::onSaveAsHtml() {
  if (textBox->Text().isEmpty()) {
    webloom_.MsgBox(QStringLiteral("You must enter text before you can save a file."),
                    platform::vbInformation);
    return;
  }
  if (!askForTitleAndAuthor()) return;
  const QString folder = shared::BrowseForFolder(webloom_.runtime().interaction(),
                                                 QStringLiteral("Please select a folder."));
  if (folder.isEmpty()) return;
  const Outcome outcome = writePageFolder(folder, Build::Save);
  if (outcome == Outcome::Stopped) return;
  const QString dashes = outcome == Outcome::Created ? QStringLiteral("--") : QStringLiteral("-");
  webloom_.MsgBox(savedMessage(paperTitleBox->Text(), QDir::toNativeSeparators(folder), dashes));
}

void EditorWindow::onPreview() {
  if (textBox->Text().isEmpty()) {
    webloom_.MsgBox(QStringLiteral("You must enter text before you can preview a file."),
                    platform::vbInformation);
    return;
  }
  if (!askForTitleAndAuthor()) return;
  const QString root = platform::locations::previewFolder();
  const QString pageFolder = QDir(root).filePath(paperTitleBox->Text());
  const bool existed = QFileInfo::exists(pageFolder);
  const Outcome outcome = writePageFolder(root, Build::Preview);
  if ((!existed || outcome != Outcome::Stopped) && !previewFolders_.contains(pageFolder)) {
    previewFolders_.append(pageFolder);
  }
  if (outcome == Outcome::Stopped) return;
  webloom_.runtime().shell().openDocument(QDir(pageFolder).filePath(kPageFileName));
}

// Writes the page and copies its files into parentFolder/title. An existing page folder is
// replaced only when the user agrees, and only once the new one is whole; a folder of that name
// that holds other files is left alone.
EditorWindow::Outcome EditorWindow::writePageFolder(const QString& parentFolder, Build build) {
  const QString pageFolder = QDir(parentFolder).filePath(paperTitleBox->Text());
  if (IsTakenByOtherFiles(pageFolder)) {
    webloom_.MsgBox(NotAPageFolder(pageFolder, build == Build::Preview), platform::vbExclamation);
    return Outcome::Stopped;
  }
  const BuiltPage page = BuildPage(pageContent(), links_);
  const bool replacing = QFileInfo::exists(pageFolder) || QFileInfo(pageFolder).isSymLink();
  if (replacing && webloom_.MsgBox(kFolderExists, platform::vbYesNo) != platform::vbYes) {
    webloom_.MsgBox(build == Build::Preview ? kNotSaved : kSaveDeclined, platform::vbCritical);
    return Outcome::Stopped;
  }
  const QString failure = writeShowingProgress(page, pageFolder, build);
  if (!failure.isEmpty()) {
    webloom_.MsgBox(replacing ? failure + QStringLiteral("\r\n") + kEarlierPageKept : failure,
                    platform::vbCritical);
    return Outcome::Stopped;
  }
  return replacing ? Outcome::Replaced : Outcome::Created;
}

// A large linked file takes a while to copy: the box shows it, keeps the window painted and
// lets nothing else start meanwhile. It is gone before any message.
QString EditorWindow::writeShowingProgress(const BuiltPage& page, const QString& pageFolder,
                                           Build build) {
  platform::ProgressBox progress(this, QStringLiteral("Copying the files of your web page..."));
  return WritePageFolder(
      webloom_, page, pageFolder, build == Build::Preview,
      [&progress](qsizetype done, qsizetype total) { return progress.update(done, total); });
}

void EditorWindow::onExit() {
  if (webloom_.MsgBox(QStringLiteral("Exit Webloom?"), platform::vbYesNo | platform::vbQuestion,
                      kCaption) != platform::vbYes) {
    return;
  }
  for (const QString& folder : previewFolders_) RemovePreviewFolder(folder);
  // A later start must not take the text handed over to this one again.
  webloom_.runtime().clipboard().SetText(QString());
  Unload();
}

}  // namespace webpage
