#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "shared/file_services.h"
#include "webpage/page_builder.h"

namespace platform {
class Program;
}

// The folder a page is written into: its name, the files copied into it, and the removal of a
// preview folder.
namespace webpage {

extern const QString kNotAFolderName;
// Closes every message of a page that was not written.
extern const QString kNotSaved;

// True when `title` can name a folder inside the chosen one and nothing else: not empty or
// only blanks, not "." or "..", and without separators or control characters.
bool IsPlainFolderName(const QString& title);

// True when something of the page folder's name already exists that this program did not make:
// a file, or a folder that holds other files and no page. Such a thing is never emptied.
bool IsTakenByOtherFiles(const QString& pageFolder);
// Says that the page cannot go into `pageFolder` because something else of that name is there,
// with advice that fits a save or a preview.
QString NotAPageFolder(const QString& pageFolder, bool preview);

// Writes the page and copies its linked files into `pageFolder`, and puts them in place only
// when every file is written; what else the folder holds stays as it is. `progress` is told the
// bytes of linked files copied and stops the copying when it says so. Returns "" when done, else
// the message that says what failed (with advice that fits a save or a preview); an earlier page
// and its files are then left as they were.
QString WritePageFolder(platform::Program& program, const BuiltPage& page,
                        const QString& pageFolder, bool preview,
                        const shared::CopyProgress& progress);

// Deletes the files of a preview folder and then the folder itself, when it lies directly in
// the preview root; a folder anywhere else is left alone, as is one that still holds folders.
void RemovePreviewFolder(const QString& folder);

}  // namespace webpage
