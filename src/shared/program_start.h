#pragma once

namespace shared {

// The programs place their windows and read the clipboard while loading, which Wayland does not
// allow; use X11 (also through XWayland) whenever a display offers it and nothing else was asked.
void PreferX11();

}  // namespace shared
