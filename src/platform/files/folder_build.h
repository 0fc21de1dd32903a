#pragma once

#include <QString>
#include <QTemporaryDir>

namespace platform::files {

// A folder of several files, built beside the folder it is to become and put in place whole, so
// that a save that fails while its files are written leaves the earlier folder as it was.
class FolderBuild {
 public:
  // Makes an empty hidden folder beside `target`, which need not exist yet.
  explicit FolderBuild(const QString& target);
  FolderBuild(const FolderBuild&) = delete;
  FolderBuild& operator=(const FolderBuild&) = delete;

  // False when no folder could be made beside the target.
  bool isValid() const { return built_.isValid(); }
  // Where the files are written until the folder is put in place.
  QString path() const { return built_.path(); }

  // Puts the built folder in place of the target. The earlier folder's files go; its subfolders
  // are kept and move into the new one. Returns "" when done, else why not, and then the earlier
  // folder is left as it was.
  QString putInPlace();

 private:
  QString target_;
  QTemporaryDir built_;
};

}  // namespace platform::files
