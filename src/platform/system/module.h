#pragma once

#include <QFunctionPointer>
#include <QString>

namespace platform {

// The function `entry` of the module at `path` (one of the suite's own, beside the programs),
// which then stays loaded for the rest of the program. None when the module cannot be loaded,
// which is said once, here, for whoever looks after the computer: "`what` is off: ...".
QFunctionPointer moduleEntry(const QString& path, const char* entry, const char* what);

}  // namespace platform
