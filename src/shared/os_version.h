#pragma once

#include <functional>

#include "platform/system/osversion.h"

namespace shared {

// Which system family and release the program runs on. Holds no state: every property asks the
// provider afresh.
class OsVersion {
 public:
  using Provider = std::function<platform::OsVersionInfo()>;
  explicit OsVersion(Provider provider = platform::queryOsVersion);

  // 0 for the 95 family (and any unknown id), 1 for the NT family, 2 for platform id 4.
  long CurrentPlatform() const;
  // A release code from 1 to 16, or 0 when the family and release are not known.
  long CurrentOS() const;

 private:
  Provider provider_;
};

}  // namespace shared
