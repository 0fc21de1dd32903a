#include "shared/program_start.h"

#include <QByteArray>
#include <QtGlobal>

namespace shared {

void PreferX11() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  }
}

}  // namespace shared
