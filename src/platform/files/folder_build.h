#pragma once

#include <QString>
#include <QTemporaryDir>

namespace platform::files {

// The files of a folder saved together (a web page and its linked files), written apart first
// and put in place only when every one is written, so that a save that fails leaves the folder
// as it was. A save changes only the files it writes: whatever else the folder holds stays where
// it is, whatever its permissions.
class FolderBuild {
 public:
  // Makes a hidden folder to write the files into: inside `target` when that is a folder
  // already, else beside it, to become it.
  explicit FolderBuild(const QString& target);
  FolderBuild(const FolderBuild&) = delete;
  FolderBuild& operator=(const FolderBuild&) = delete;

  // False when no folder could be made to write into.
  bool isValid() const { return written_.isValid(); }
  // Where the files are written, under their own names, until they are put in place.
  QString path() const { return written_.path(); }

  // Puts every file written into the target, each replacing the file of its name, and clears
  // away what interrupted earlier builds of the target left. Returns "" when done, else why
  // not, and then the target is left as it was.
  QString putInPlace();

 private:
  QString replaceFiles();

  QString target_;
  bool intoExisting_;
  QTemporaryDir written_;
};

}  // namespace platform::files
