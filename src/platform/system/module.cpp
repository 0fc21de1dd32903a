#include "platform/system/module.h"

#include <QLibrary>

namespace platform {

QFunctionPointer moduleEntry(const QString& path, const char* entry, const char* what) {
  QLibrary module(path);
  const QFunctionPointer found = module.resolve(entry);
  if (!found) {
    qWarning("%s is off: the module %s could not be loaded (%s).", what, qUtf8Printable(path),
             qUtf8Printable(module.errorString()));
  }
  return found;
}

}  // namespace platform
