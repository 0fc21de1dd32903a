#pragma once

#include <QString>

#include "platform/windows/program.h"

namespace webpage {

// The author and audio links of the page, chosen in the link dialog.
struct PageLinks {
  QString authorLinkFile;
  QString audioFile;
  QString audioButtonCaption;
};

// Webloom's running state: its windows and what they share.
class Webloom : public platform::Program {
 public:
  explicit Webloom(platform::Runtime& runtime) : Program(runtime, QStringLiteral("Webloom")) {}

  PageLinks links;
  int ScreenHeightPixels = 0;
};

}  // namespace webpage
