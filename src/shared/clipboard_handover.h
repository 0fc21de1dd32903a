#pragma once

#include <QString>
#include <optional>

namespace platform {
class Clipboard;
}

// The one channel between the programs of the suite: Quillora's editor puts its text on the
// clipboard behind a marker and starts the other program, which takes it while it loads.
namespace shared {

inline const QString kHandOverMarker = QStringLiteral("***");

// What the sender puts on the clipboard for `text`.
QString HandOverText(const QString& text);

// The text handed over: the clipboard's plain text less the marker in front, "" when the marker
// stands alone; nothing when the clipboard does not start with it. The clipboard is left as it
// is, so a later start takes the same text again.
std::optional<QString> TakeHandOver(const platform::Clipboard& clipboard);

}  // namespace shared
