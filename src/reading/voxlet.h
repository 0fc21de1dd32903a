#pragma once

#include "platform/windows/program.h"

namespace reading {

// Voxlet!'s running state: its windows and what they share.
class Voxlet : public platform::Program {
 public:
  explicit Voxlet(platform::Runtime& runtime) : Program(runtime, QStringLiteral("Voxlet!")) {}

  int ScreenHeightPixels = 0;
};

// The reading aid's fixed files, in its folder of the data root.
QString DefinitionListPath();
QString HelpDocumentPath();
QString PicturesFolder();

}  // namespace reading
