#pragma once

#include <QFile>
#include <QTest>
#include <optional>

#include "lexorama_fixture.h"
#include "vocabulary/score_record.h"

namespace vocabulary_testing {

// A class folder with names, a word list opened and a teacher and student chosen, ready to start
// an activity.
class ActivityTest : public LexoramaTest {
 protected:
  void SetUp() override { writeNameLists(); }

  // Opens `list`, chooses the names, the activity (1..8) and the order, and presses OK.
  void start(const QString& list, int activity, bool sequential = false) {
    open(list);
    choose(setup().teacherBox, "Ms Hale");
    choose(setup().studentBox, "Ortiz, Ana");
    setup().activityButtons[activity - 1]->click();
    if (sequential) setup().sequentialButton->click();
    if (!sequential && setup().randomButton->isEnabled()) setup().randomButton->click();
    setup().okButton->click();
  }
  // A long run of numbers in [0, 1) that looks random and is the same every time.
  static std::vector<double> numbers(unsigned seed, int count = 4000) {
    std::vector<double> values;
    unsigned state = seed;
    for (int i = 0; i < count; ++i) {
      state = state * 1103515245u + 12345u;
      values.push_back(static_cast<double>((state >> 8) % 10000) / 10000.0);
    }
    return values;
  }
  static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  // The stored record of Ortiz, Ana with Ms Hale for `test`.
  std::optional<vocabulary::ScoreRecord> storedRecord(const QString& test) {
    return vocabulary::ScoreFile(classFolder())
        .find({test, QStringLiteral("Ms Hale"), QStringLiteral("Ortiz, Ana")});
  }
  int recordCount() {
    return static_cast<int>(readFile(classFolder() + "Resources/data.dat").size() /
                            vocabulary::kScoreRecordLength);
  }
};

}  // namespace vocabulary_testing
