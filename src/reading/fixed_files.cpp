#include "platform/files/locations.h"
#include "reading/voxlet.h"

namespace reading {

QString DefinitionListPath() {
  return platform::locations::readingAidFolder() + QStringLiteral("/vxlong word list.txt");
}

QString HelpDocumentPath() {
  return platform::locations::readingAidFolder() + QStringLiteral("/vxHelp.rtf");
}

QString PicturesFolder() {
  return platform::locations::resolve(platform::locations::readingAidFolder(), QStringLiteral("Pictures"));
}

}  // namespace reading
