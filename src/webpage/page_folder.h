#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "webpage/page_builder.h"

class QTemporaryDir;

namespace platform {
class Program;
}

// The folder a page is written into: its name, the files copied into it, and the removal of a
// preview folder.
namespace webpage {

extern const QString kNotAFolderName;

// True when `title` can name a folder inside the chosen one and nothing else: not empty, not
// "." or "..", and without separators or control characters.
bool IsPlainFolderName(const QString& title);

// True when something of the page folder's name already exists that this program did not make:
// a file, or a folder that holds other files and no page. Such a thing is never emptied.
bool IsTakenByOtherFiles(const QString& pageFolder);
// Says that the page cannot go into `pageFolder` because something else of that name is there.
QString NotAPageFolder(const QString& pageFolder);

// Copies into `aside` every linked file that lies inside `folder`, and points its copy there,
// so that emptying the folder loses none of them. False when one cannot be kept.
bool KeepAsideFilesInside(std::vector<FileCopy>& copies, const QString& folder,
                          QTemporaryDir& aside);

// Copies each file into the page folder under its own name; returns the files not copied.
QStringList CopyPageFiles(platform::Program& program, const std::vector<FileCopy>& copies,
                          const QString& pageFolder);

// "The folder <folder> <what>. Your files were not saved."
QString FolderProblem(const QString& what, const QString& folder);
// The message that names the linked files that could not be copied.
QString FilesNotCopied(const QStringList& files);

// Deletes the files of a preview folder and then the folder itself, when it lies directly in
// the preview root; a folder anywhere else is left alone, as is one that still holds folders.
void RemovePreviewFolder(const QString& folder);

}  // namespace webpage
