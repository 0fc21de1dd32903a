#pragma once

#include <QString>

namespace platform {
class Form;
}

namespace shared {

// Minimises a window; windows call it just before they unload.
void MinimizeForm(platform::Form& form);

// True when the entry at `path` (a native path) exists: files and folders, hidden or read-only,
// and links even when broken. Any failure, a malformed path included, gives false.
bool FileExists(const QString& path);

// Fields FirstField to LastField of Text, numbered from 1, with the delimiters between them kept.
// FirstField below 1 counts as 1 and LastField below FirstField as FirstField. A text without the
// delimiter is returned whole whatever fields are asked for; a field past the last one is "".
// Delimiter matches may overlap: each search starts one character after the previous match.
QString GetField(const QString& Text, const QString& Delimiter, int FirstField, int LastField);

}  // namespace shared
