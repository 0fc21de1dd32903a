#pragma once

#include <QString>

// Where the fixed Windows places of the suite live on this machine. Everything hangs from one
// data root: $SCRIBARY_ROOT when set, else $XDG_DATA_HOME/scribary, else ~/.local/share/scribary.
// Every folder returned ends without a slash and is created on first use where the program writes.
namespace platform::locations {

QString dataRoot();
// The folder of the running executable, where the programs of the suite sit side by side.
QString programFolder();
// The suite's files folder ("C:\Scribary Files\" on Windows): sample assignments and students' work.
QString suiteFilesFolder();
// Worked examples and rubrics.
QString examplesFolder();
// A scratch folder of the data root for files that may be thrown away.
QString tempFolder();
// The folder of the teacher password check file.
QString passwordFolder();
// The reading aid's fixed files (its word list, help file and pictures).
QString readingAidFolder();
// Where the registry hives are kept.
QString registryFolder();

// A path below `folder` given with Windows separators ("Resources\data.dat"), with each existing
// component found without regard to case and missing ones kept as spelled.
QString resolve(const QString& folder, const QString& windowsRelativePath);

}  // namespace platform::locations
