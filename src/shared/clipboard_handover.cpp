#include "shared/clipboard_handover.h"

#include "platform/system/clipboard.h"

namespace shared {

QString HandOverText(const QString& text) { return kHandOverMarker + text; }

std::optional<QString> TakeHandOver(const platform::Clipboard& clipboard) {
  const QString text = clipboard.GetText();
  if (!text.startsWith(kHandOverMarker)) return std::nullopt;
  return text.mid(kHandOverMarker.size());
}

}  // namespace shared
