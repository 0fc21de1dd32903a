#include "support/doubles.h"

namespace testing_support {

double ScriptedRandom::Rnd() {
  if (values.empty()) return 0.0;
  const double value = values[std::min(next_, values.size() - 1)];
  ++next_;
  return value;
}

bool RecordingShell::startSuiteProgram(const QString& name) {
  if (available) started.append(name);
  return available;
}

bool RecordingShell::startProgram(const QString& path, const QStringList& arguments) {
  if (available) started.append((QStringList{path} + arguments).join(QLatin1Char(' ')));
  return available;
}

bool RecordingShell::openDocument(const QString& path) {
  if (available) opened.append(path);
  return available;
}

}  // namespace testing_support
