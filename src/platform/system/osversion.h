#pragma once

#include <QString>

namespace platform {

// The operating system's family and release, as the programs ask for them: platform id 1 for the
// 95 family, 2 for the NT family (this system reports itself as such), 4 for other families.
struct OsVersionInfo {
  long platformId = 0;
  long major = 0;
  long minor = 0;
  long build = 0;
};

// This machine: platform id 2, with major, minor and build from the kernel's release numbers.
OsVersionInfo queryOsVersion();

// The leading "major.minor.build" numbers of a release text such as "6.1.0-18-amd64"; missing or
// unreadable numbers are 0.
OsVersionInfo osVersionFromRelease(const QString& release);

}  // namespace platform
