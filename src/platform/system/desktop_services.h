#pragma once

#include <random>

#include "platform/system/services.h"

// The machine's own screen, clock, random numbers and shell, for the programs at run time.
namespace platform {

// The primary screen; 1024 x 768 when there is none (no display, or no application yet).
class QtScreen : public Screen {
 public:
  int widthPixels() const override;
  int heightPixels() const override;
  QRect availableGeometry() const override;
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override;
};

class SystemRandom : public Random {
 public:
  SystemRandom();
  double Rnd() override;
  // The same seed gives the same numbers after it.
  void Randomize(double seed) override;

 private:
  std::mt19937_64 engine_;
};

class DesktopShell : public Shell {
 public:
  bool startSuiteProgram(const QString& name) override;
  bool startProgram(const QString& path, const QStringList& arguments = {}) override;
  bool openDocument(const QString& path) override;
};

}  // namespace platform
