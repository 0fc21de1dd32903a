#pragma once

#include <QTextFormat>

// Properties of the document's formats that keep what RTF says and the document cannot show.
namespace platform::rtf {

// A paragraph's tab leaders, one number for each of its tab positions: 0 none, 1 dots,
// 2 hyphens, 3 underline, 4 thick line, 5 equal signs, 6 middle dots.
inline constexpr int kTabLeadersProperty = QTextFormat::UserProperty + 0x5210;

// Where a table's first cell starts, in twips from the margin (\trleft); usually minus the
// cells' padding, so that their text lines up with the paragraphs around.
inline constexpr int kTableLeftProperty = QTextFormat::UserProperty + 0x5211;

// A list's level in the file's list (\ilvl, 0 the outermost). Lists read from a file carry it,
// and their paragraphs' indents are the file's own.
inline constexpr int kListLevelProperty = QTextFormat::UserProperty + 0x5212;

// A list paragraph's first-line indent as the file gave it, in twips (\fi): a negative one is
// where the marker hangs, which the document draws its own way.
inline constexpr int kListFirstIndentProperty = QTextFormat::UserProperty + 0x5213;

}  // namespace platform::rtf
