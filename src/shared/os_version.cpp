#include "shared/os_version.h"

#include <array>
#include <climits>
#include <cstdint>

namespace shared {
namespace {

constexpr long kAny = LONG_MIN;

struct Range {
  long low = kAny;
  long high = kAny;
  bool holds(long value) const { return low == kAny || (low <= value && value <= high); }
};

// One release: its platform id, and the major, minor and build ranges it covers.
struct Release {
  long platformId;
  Range major;
  Range minor;
  Range build;
  long code;
};

constexpr Range any{};
constexpr Range only(long value) { return {value, value}; }
constexpr Range from(long low, long high) { return {low, high}; }

constexpr std::array kReleases{
    Release{1, any, only(0), only(950), 1},
    Release{1, any, only(0), from(951, 1079), 2},
    Release{1, any, from(1, 9), any, 3},
    Release{1, any, only(10), only(1998), 4},
    Release{1, any, only(10), from(1999, 2182), 5},
    Release{1, any, only(10), from(2183, LONG_MAX), 6},
    Release{1, any, only(90), any, 7},
    Release{2, only(3), any, any, 8},
    Release{2, only(4), any, any, 9},
    Release{2, only(5), only(0), any, 10},
    Release{2, only(5), only(1), any, 11},
    Release{2, only(5), only(2), any, 12},
    Release{4, only(1), any, any, 13},
    Release{4, only(2), only(0), any, 14},
    Release{4, only(2), only(1), any, 15},
    Release{4, only(3), any, any, 16},
};

// The build number as the 95 family reports it: the low word, read as a signed 16-bit number.
long lowWordBuild(long build) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(build & 0xFFFF));
}

}  // namespace

OsVersion::OsVersion(Provider provider) : provider_(std::move(provider)) {}

long OsVersion::CurrentPlatform() const {
  switch (provider_().platformId) {
    case 2: return 1;
    case 4: return 2;
    default: return 0;
  }
}

long OsVersion::CurrentOS() const {
  const platform::OsVersionInfo info = provider_();
  const long build = lowWordBuild(info.build);
  for (const Release& release : kReleases) {
    if (release.platformId == info.platformId && release.major.holds(info.major) &&
        release.minor.holds(info.minor) && release.build.holds(build)) {
      return release.code;
    }
  }
  return 0;
}

}  // namespace shared
