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

}  // namespace platform::rtf
