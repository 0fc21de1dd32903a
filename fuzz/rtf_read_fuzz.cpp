// Feeds arbitrary bytes to the RTF reader. Whatever it reads must survive a write and a read:
// the same text, and formatting that writes out the same again.
#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/richtext/rtf.h"

namespace {

// Characters a document may hold that RTF has no text for: the writer leaves them out.
QString writableText(const QTextDocument& doc) {
  QString text = doc.toRawText();
  text.remove(QChar(0));
  text.remove(QChar::ObjectReplacementCharacter);
  return text;
}

[[noreturn]] void fail(const char* what, const QByteArray& written) {
  std::fprintf(stderr, "%s between write and read; written:\n%s\n", what, written.constData());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "rtf_read_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QTextDocument doc;
  platform::rtf::read(input, doc);

  const QByteArray written = platform::rtf::write(doc);
  QTextDocument again;
  platform::rtf::read(written, again);
  if (writableText(again) != writableText(doc)) fail("Text changed", written);
  if (platform::rtf::write(again) != written) fail("Formatting changed", written);
  return 0;
}
