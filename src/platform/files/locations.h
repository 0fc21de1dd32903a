#pragma once

#include <QString>

// Where the fixed Windows places of the suite live on this machine. What the programs write hangs
// from one data root: $SCRIBARY_ROOT when set, else $XDG_DATA_HOME/scribary, else
// ~/.local/share/scribary; what they only read comes with the suite (programDataFolder).
// Every folder returned ends without a slash and is created on first use where the program writes.
namespace platform::locations {

QString dataRoot();
// The folder of the running executable, where the programs of the suite sit side by side.
QString programFolder();
// The suite's files folder ("C:\Scribary Files\" on Windows): sample assignments and students' work.
// Seeded with the sample assignments (seedSuiteFiles) whenever it is asked for.
QString suiteFilesFolder();
// The read-only data installed with the suite: $SCRIBARY_PROGRAM_DATA when set, else the
// "share/scribary" folder that sits beside the program folder's "lib/scribary" (in an installed
// prefix and in the build tree alike). Never created.
QString programDataFolder();
// Worked examples and rubrics: "Examples" of the program data.
QString examplesFolder();
// The prepared sample assignments inside the suite files folder.
QString sampleAssignmentsFolder();
// The sample word lists inside the suite files folder, with their name lists: a ready data folder.
QString sampleWordListsFolder();
// Copies what the suite files folder of the program data holds into the suite files folder: every
// top-level entry that is missing there is copied whole; an entry that exists (a student's file,
// or a samples folder the student has changed) is left alone.
void seedSuiteFiles();
// A scratch folder of the data root for files that may be thrown away.
QString tempFolder();
// The fixed temporary folder in which Webloom builds the page it previews ("C:\Windows\Temp").
QString previewFolder();
// The sample page that Webloom's Help opens: "Webloom/click_me.html" of the program data.
QString webPageSampleFile();
// The folder of the teacher password check file ("Windows" on the program's drive). A new data
// root starts with the suite's check file, which holds the default teacher password's sum; once
// the folder exists it is the teachers' to change.
QString passwordFolder();
// The reading aid's fixed files (its definition list, help document and pictures), where a
// teacher may add words and pictures. Seeded whenever it is asked for, as the suite files folder
// is, from the "Voxlet" folder of the program data: missing entries are copied, none replaced.
QString readingAidFolder();
// Where the registry hives are kept.
QString registryFolder();

// A path as a person reads it: the home folder written as "~", so that texts naming one of these
// folders show where it really is ("~/.local/share/scribary/Scribary Files").
QString forDisplay(const QString& path);
// The suite files folder, for texts that name it to the user.
QString suiteFilesFolderForDisplay();

// A path below `folder` given with Windows separators ("Resources\data.dat"), with each existing
// component found without regard to case and missing ones kept as spelled.
QString resolve(const QString& folder, const QString& windowsRelativePath);

}  // namespace platform::locations
