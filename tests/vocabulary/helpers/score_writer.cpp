// Saves scores for many students into one score file, as another copy of Lexorama would; the
// score file tests start two of these at once.
#include <QString>
#include <cstdlib>
#include <iostream>

#include "vocabulary/score_record.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: score_writer DATA_FOLDER STUDENT_PREFIX COUNT\n";
    return 2;
  }
  const QString dataFolder = QString::fromLocal8Bit(argv[1]);
  const QString prefix = QString::fromLocal8Bit(argv[2]);
  const int count = std::atoi(argv[3]);
  try {
    vocabulary::ScoreFile file(dataFolder);
    for (int i = 0; i < count; ++i) {
      const vocabulary::ScoreKey key{QStringLiteral("shared"), QStringLiteral("Teacher"),
                                     prefix + QString::number(i)};
      vocabulary::SaveScores(file, key, {i % 100, 1, 2, 3, 4, 5});
    }
  } catch (const vocabulary::ScoreFileError& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
