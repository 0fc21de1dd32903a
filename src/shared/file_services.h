#pragma once

#include <QString>
#include <functional>

namespace platform {
class Interaction;
class Program;
}  // namespace platform

// Choosing folders, copying files into them and emptying them, for the programs that keep
// files of their own in folders the user picks.
namespace shared {

// Lets the user pick a folder; "" when cancelled.
QString BrowseForFolder(platform::Interaction& interaction, const QString& title);

// Copies every file of sourceFolder matching `pattern` ("*.jpg", matched without regard to
// case) into destinationFolder, which is created when missing, replacing files of the same
// name. Returns how many files were copied. When nothing matched, says
// "No <pattern> files found." in a message box titled with the program's title.
int CopyMatchingFiles(platform::Program& program, const QString& sourceFolder,
                      const QString& destinationFolder, const QString& pattern);

// Told how much of how much is copied (files or bytes, as the copy says); false stops the copy.
using CopyProgress = std::function<bool(qsizetype copied, qsizetype total)>;

// Copies the file `source` to the file `destination`, which appears whole or not at all. When
// destination already exists and confirmation is wanted, the user is asked whether to replace
// it. True when the copy was made or destination is that very file. `progress`, when given, is
// told the bytes copied as each part of the file is.
bool ShellFileCopy(platform::Program& program, const QString& source, const QString& destination,
                   bool noConfirmation, const CopyProgress& progress = {});

enum class FolderCopy { Copied, Cancelled, Failed };

// Copies everything inside sourceFolder into destinationFolder, subfolders included, creating
// what is missing; symbolic links to folders are not followed. When files of the same names are
// already there, the user is asked once whether to replace them (Yes), keep them (No) or stop
// (Cancel). Each file appears whole or not at all. `progress` is told the files copied.
FolderCopy CopyFolderContents(platform::Program& program, const QString& sourceFolder,
                              const QString& destinationFolder, const CopyProgress& progress);

// Deletes `folder` and everything in it; a symbolic link inside is removed, never followed.
// False when anything is left.
bool DeleteFolder(const QString& folder);

// Deletes every file of `folder` (read-only ones too); subfolders and their contents stay. True
// when the folder exists and holds no file afterwards.
bool EmptyFolder(const QString& folder);

}  // namespace shared
