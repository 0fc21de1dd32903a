#pragma once

#include <QString>

namespace platform {
class Interaction;
class Program;
}  // namespace platform

// Choosing folders, copying files into them and emptying them, for the programs that keep
// files of their own in folders the user picks.
namespace shared {

// Lets the user pick a folder; "" when cancelled.
QString BrowseForFolder(platform::Interaction& interaction, const QString& title);

// Copies every entry of sourceFolder matching `pattern` ("*.jpg", matched without regard to
// case) into destinationFolder, which is created when missing, replacing files of the same
// name. Returns how many entries matched, copied or not. When none matched, says
// "No <pattern> files found." in a message box titled with the program's title.
int CopyMatchingFiles(platform::Program& program, const QString& sourceFolder,
                      const QString& destinationFolder, const QString& pattern);

// Copies the file `source` to the file `destination`, which appears whole or not at all. When
// destination already exists and confirmation is wanted, the user is asked whether to replace
// it. True when the copy was made or destination is that very file.
bool ShellFileCopy(platform::Program& program, const QString& source, const QString& destination,
                   bool noConfirmation);

// Deletes every file of `folder` (read-only ones too); subfolders and their contents stay. True
// when the folder exists and holds no file afterwards.
bool EmptyFolder(const QString& folder);

}  // namespace shared
