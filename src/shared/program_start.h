#pragma once

#include <QString>

namespace shared {

// Settles what every program of the suite starts with; called before the application object.
void PrepareStart();

// Names the program and gives it its window picture (one of the suite's own, ":/pictures/...")
// and the suite's style; called once the application object exists.
void SetUpApplication(const QString& name, const QString& picture);

}  // namespace shared
