#include "shared/document_files.h"

#include "platform/system/errors.h"

namespace shared {

QString LoadDocument(platform::RichTextBox& box, const QString& path, int type) {
  try {
    box.LoadFile(path, type);
  } catch (const platform::RuntimeError& error) {
    return QStringLiteral("Can't open file: ") + path + QStringLiteral("\r\n\r\n") +
           error.description();
  }
  return QString();
}

QString BlankDocumentRefusal(const QString& title) {
  return title + QStringLiteral(
                     " will not save a blank document.\r\nThis is a safety precaution to avoid "
                     "overwriting an existing file with a blank one.");
}

}  // namespace shared
