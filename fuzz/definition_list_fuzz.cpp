// Feeds arbitrary bytes to the definition list reader as a list file, then looks up every head it
// kept. Every found line must be one the group holds, and no group may hold more than it can.
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "reading/definition_list.h"

namespace {

QString listPath() {
  static QTemporaryDir dir;
  return dir.path() + "/vxlong word list.txt";
}

[[noreturn]] void fail(const char* what, const QString& word) {
  std::fprintf(stderr, "%s: %s\n", what, word.toUtf8().constData());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "definition_list_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QFile file(listPath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();

  const auto list = reading::DefinitionList::fromFile(listPath());
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const QStringList group = list.group(letter);
    if (group.size() > reading::DefinitionList::kMaxEntries) fail("group too large", group.first());
    for (const QString& line : group) {
      const QString word = line.section(' ', 0, 0);
      const auto found = list.lookUp(word);
      if (found && *found != reading::DefinitionList::kNotAvailable && !group.contains(*found)) {
        fail("found a line its group does not hold", word);
      }
    }
  }
  list.lookUp(QString::fromUtf8(reinterpret_cast<const char*>(data),
                                static_cast<qsizetype>(std::min<std::size_t>(size, 64))));
  return 0;
}
