#include "platform/system/osversion.h"

#include <QRegularExpression>
#include <sys/utsname.h>

namespace platform {

namespace {
constexpr long kNtFamily = 2;
}

OsVersionInfo osVersionFromRelease(const QString& release) {
  static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
  const QRegularExpressionMatch match = numbers.match(release);
  // An overlong number does not convert and reads as 0.
  const auto number = [&match](int group) { return match.captured(group).toLong(); };
  OsVersionInfo info;
  info.platformId = kNtFamily;
  info.major = number(1);
  info.minor = number(2);
  info.build = number(3);
  return info;
}

OsVersionInfo queryOsVersion() {
  utsname system {};
  if (::uname(&system) != 0) return osVersionFromRelease(QString());
  return osVersionFromRelease(QString::fromLocal8Bit(system.release));
}

}  // namespace platform
