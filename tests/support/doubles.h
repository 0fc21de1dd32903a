#pragma once

#include <QDateTime>
#include <QStringList>
#include <vector>

#include "platform/system/clipboard.h"
#include "platform/system/services.h"

namespace testing_support {

class FixedScreen : public platform::Screen {
 public:
  int width = 1024;
  int height = 768;
  int widthPixels() const override { return width; }
  int heightPixels() const override { return height; }
};

class FixedClock : public platform::Clock {
 public:
  QDateTime time = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
  QDateTime now() const override { return time; }
};

// Plays back the given numbers in turn (then repeats the last); 0 when none are given.
class ScriptedRandom : public platform::Random {
 public:
  std::vector<double> values;
  double Rnd() override;
  void Randomize(double seed) override { seeds.push_back(seed); }
  std::vector<double> seeds;

 private:
  std::size_t next_ = 0;
};

// Records what was started; `available` decides whether a start succeeds.
class RecordingShell : public platform::Shell {
 public:
  bool available = true;
  QStringList started;
  QStringList opened;
  bool startSuiteProgram(const QString& name) override;
  bool startProgram(const QString& path, const QStringList& arguments) override;
  bool openDocument(const QString& path) override;
};

// A clipboard of this process alone, so tests neither see nor disturb the desktop's.
class MemoryClipboard : public platform::Clipboard {
 public:
  QString text;
  QString richText;
  QString html;
  void Clear() override {
    text.clear();
    richText.clear();
    html.clear();
  }
  void SetText(const QString& value) override {
    Clear();
    text = value;
  }
  QString GetText() const override { return text; }
  void SetRichText(const QString& rtf, const QString& plainText) override {
    Clear();
    richText = rtf;
    text = plainText;
  }
  QString GetRichText() const override { return richText; }
  QString GetHtml() const override { return html; }
};

}  // namespace testing_support
