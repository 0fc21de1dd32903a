#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>

// Small seams for what the programs take from the machine, so tests can fix them.
namespace platform {

// The screen the windows are sized for.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual int widthPixels() const = 0;
  virtual int heightPixels() const = 0;
  int twipsPerPixelX() const { return 15; }
  int twipsPerPixelY() const { return 15; }
  int widthTwips() const { return widthPixels() * twipsPerPixelX(); }
  int heightTwips() const { return heightPixels() * twipsPerPixelY(); }
  // The part of the screen windows may use (without the desktop's panels), in pixels.
  virtual QRect availableGeometry() const { return {0, 0, widthPixels(), heightPixels()}; }
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

// The runtime's random numbers: Rnd in [0, 1), seeded from the clock unless told otherwise.
class Random {
 public:
  virtual ~Random() = default;
  virtual double Rnd() = 0;
  virtual void Randomize(double seed) = 0;
};

// Starting other programs and opening documents.
class Shell {
 public:
  virtual ~Shell() = default;
  // Starts a program of the suite ("webloom", "voxlet") from the program folder; false when it
  // is not there or cannot be started.
  virtual bool startSuiteProgram(const QString& name) = 0;
  // Starts any program; false when it cannot be started.
  virtual bool startProgram(const QString& path, const QStringList& arguments = {}) = 0;
  // Opens a page or file with the desktop's program for it (the browser for a page).
  virtual bool openDocument(const QString& path) = 0;
};

}  // namespace platform
