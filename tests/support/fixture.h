#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

#include "platform/system/runtime.h"
#include "support/doubles.h"
#include "support/qt_printing.h"
#include "support/recording_character.h"
#include "support/recording_printer.h"
#include "support/scripted_interaction.h"

namespace testing_support {

// The data root every test starts with: fresh and empty (set by the shared test main).
QString testRoot();
// The names in a folder, hidden ones included, in order.
QStringList entries(const QString& folder);

// A runtime of doubles. Tests reach the doubles to script answers, size the screen, set the
// clock, see what was started and look at the printed pages.
class RuntimeTest : public ::testing::Test {
 protected:
  RuntimeTest();
  void TearDown() override;

  // Lets deferred deletions and queued events run, as returning to the event loop would.
  static void processEvents();
  // Lets shown windows be drawn, and what waits for a window's first drawing run, as the event
  // loop would.
  static void letWindowsDraw();
  // Writes `bytes` to a file below the test root and returns its path.
  static QString writeFile(const QString& relativePath, const QByteArray& bytes);
  static QByteArray readFile(const QString& path);

  ScriptedInteraction* interaction;
  FixedScreen* screen;
  FixedClock* clock;
  ScriptedRandom* random;
  RecordingShell* shell;
  RecordingPrinter* printer;
  MemoryClipboard* clipboard;
  RecordingCharacters* characters;
  std::unique_ptr<platform::Runtime> runtime;
};

}  // namespace testing_support
