#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/windows/interaction.h"
#include "platform/windows/qt_interaction.h"

namespace platform {
namespace {

// A folder "Samples" holding "5th Sample.ql", inside a folder holding "Notes.ql".
class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(root.path()).mkpath("Samples"));
    for (const QString name : {"Notes.ql", "Samples/5th Sample.ql"}) {
      QFile file(root.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
  }
  // The dialog as the user sees it, set up from `request`.
  void prepare(QFileDialog& dialog, QFileDialog::AcceptMode mode, const DialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    prepareFileDialog(dialog, request);
  }
  // What the dialog answers once the user has typed `name` in its name box.
  static QString typed(QFileDialog& dialog, const QString& name) {
    auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (nameBox == nullptr) return QStringLiteral("no name box");
    nameBox->setText(name);
    return dialog.selectedFiles().value(0);
  }
  QTemporaryDir root;
};

TEST_F(FileDialogTest, AFileNameHoldingItsFolderOpensThereWhateverTheFolderGiven) {
  DialogRequest request;
  request.InitDir = root.path();
  request.FileName = root.filePath("Samples/5th Sample.ql");
  request.Filter = "Quillora File (*.ql)|*.ql";
  QFileDialog dialog;
  prepare(dialog, QFileDialog::AcceptOpen, request);
  EXPECT_EQ(root.filePath("Samples"), dialog.directory().absolutePath());
  EXPECT_EQ(QStringList{root.filePath("Samples/5th Sample.ql")}, dialog.selectedFiles());

  // A bare name or a folder that is gone: the folder given, else the home folder.
  request.FileName = "Notes.ql";
  QFileDialog bare;
  prepare(bare, QFileDialog::AcceptOpen, request);
  EXPECT_EQ(root.path(), bare.directory().absolutePath());
  request.FileName = root.filePath("Gone/Notes.ql");
  request.InitDir.clear();
  QFileDialog gone;
  prepare(gone, QFileDialog::AcceptOpen, request);
  EXPECT_EQ(QDir::homePath(), gone.directory().absolutePath());

  // Given neither, the folder where the last file was chosen.
  request.FileName.clear();
  QFileDialog again;
  again.setOption(QFileDialog::DontUseNativeDialog);
  again.setAcceptMode(QFileDialog::AcceptSave);
  prepareFileDialog(again, request, root.filePath("Samples"));
  EXPECT_EQ(root.filePath("Samples"), again.directory().absolutePath());
}

TEST_F(FileDialogTest, ASaveFilterWithOneExtensionAddsItToANameTypedWithout) {
  DialogRequest request;
  request.InitDir = root.path();
  request.Filter = "Quillora File (*.ql)|*.ql";
  QFileDialog dialog;
  prepare(dialog, QFileDialog::AcceptSave, request);
  EXPECT_EQ(root.filePath("My essay.ql"), typed(dialog, "My essay"));
  EXPECT_EQ(root.filePath("My essay.ql"), typed(dialog, "My essay.ql"));
  EXPECT_EQ(root.filePath("My essay.txt"), typed(dialog, "My essay.txt"));

  // Several filters: the chosen one decides; "All files" adds nothing.
  request.Filter = "Rich Text (*.rtf)|*.rtf|All Files (*.*)|*.*";
  request.FilterIndex = 2;
  QFileDialog all;
  prepare(all, QFileDialog::AcceptSave, request);
  EXPECT_EQ(root.filePath("My essay"), typed(all, "My essay"));
  all.selectNameFilter(nameFilters(request.Filter).first());
  emit all.filterSelected(nameFilters(request.Filter).first());
  EXPECT_EQ(root.filePath("My essay.rtf"), typed(all, "My essay"));
}

TEST_F(FileDialogTest, ANameHoldingQuotesIsOneFileNotAListOfQuotedNames) {
  const QString odd = root.filePath("say \"hi\" <x>.txt");
  QFile file(odd);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  DialogRequest request;
  request.InitDir = root.path();
  for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
    SingleFileDialog dialog;
    prepare(dialog, mode, request);
    if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
    typed(dialog, "say \"hi\" <x>.txt");
    EXPECT_EQ(odd, dialog.chosenFile());
    dialog.accept();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
  }
  // A new name takes the filter's extension as other names do.
  request.Filter = "Quillora File (*.ql)|*.ql";
  SingleFileDialog save;
  prepare(save, QFileDialog::AcceptSave, request);
  typed(save, "My \"best\" essay");
  EXPECT_EQ(root.filePath("My \"best\" essay.ql"), save.chosenFile());
}

TEST(DefaultSuffix, OnlyASingleOrdinaryExtension) {
  const std::pair<QString, QString> rows[] = {
      {"Quillora File (*.ql)", "ql"},         {"Text Files (*.txt)", "txt"},
      {"Text (*.txt *.text)", ""},            {"All Files (*.*)", ""},
      {"Pictures (*.jp?)", ""},               {"Anything (*)", ""},
      {"no patterns", ""},
  };
  for (const auto& [filter, suffix] : rows) {
    EXPECT_EQ(suffix, defaultSuffix(filter)) << filter.toStdString();
  }
}

}  // namespace
}  // namespace platform
