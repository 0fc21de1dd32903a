#include "shared/document_files.h"

#include <QFile>

#include "platform/system/errors.h"

namespace shared {
namespace {

// The error the box raises for a text too large for it.
constexpr int kErrorOutOfMemory = 7;

// Only the start of a file is looked at: text that holds a NUL there is binary data.
bool looksBinary(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray start = file.read(8192);
  return !start.startsWith("{\\rtf") && start.contains('\0');
}

}  // namespace

QString LoadDocument(platform::RichTextBox& box, const QString& path, int type) {
  const QString cantOpen = QStringLiteral("Can't open file: ") + path;
  if (looksBinary(path)) return cantOpen;
  try {
    box.LoadFile(path, type);
  } catch (const platform::RuntimeError& error) {
    if (error.number() != kErrorOutOfMemory) return cantOpen;
    return cantOpen + QStringLiteral("\r\n\r\n") + platform::RichTextBox::TooLargeMessage();
  }
  return QString();
}

QString BlankDocumentRefusal(const QString& title) {
  return title + QStringLiteral(
                     " will not save a blank document.\r\nThis is a safety precaution to avoid "
                     "overwriting an existing file with a blank one.");
}

}  // namespace shared
