#include "vocabulary/score_report.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace vocabulary {

const QString kReportFormat = QStringLiteral(
    "^     |<              Test             |<       Teacher   |<            Student          "
    "|^Avg |^MChoice1|^MChoice2|^Matching1|^Matching2|^Picture1|^Picture2|^Sentences|^ Spelling ");

namespace {

constexpr int kActivityCount = 6;
constexpr int kSentencesDone = 10;
constexpr int kSpellingPracticed = 1;

QString sentencesText(int value) {
  return value == kSentencesDone ? QStringLiteral("OK") : QStringLiteral("?");
}

QString spellingText(int value) {
  if (value == 0) return QStringLiteral("?");
  if (value == kSpellingPracticed) return QStringLiteral("P");
  return QString::number(value);
}

}  // namespace

ReportRow::ReportRow(const ScoreRecord& record)
    : test(record.Test.trimmed()),
      teacher(record.Teacher.trimmed()),
      student(record.Student.trimmed()),
      scores(record.scores) {}

const QString& ReportRow::name(ReportNameColumn column) const {
  switch (column) {
    case kReportTeacher:
      return teacher;
    case kReportStudent:
      return student;
    default:
      return test;
  }
}

bool ReportRow::listed() const {
  return std::any_of(scores.begin(), scores.end(), [](std::int16_t score) { return score != 0; });
}

std::vector<ReportRow> ReadReportRows(const QString& dataFolder) {
  const std::vector<ScoreRecord> records = ScoreFile(dataFolder).readAll();
  return std::vector<ReportRow>(records.begin(), records.end());
}

QStringList ReportFilterEntries(const std::vector<ReportRow>& rows, ReportNameColumn column) {
  QStringList entries{QStringLiteral("All")};
  std::unordered_set<QString> seen{entries.first()};
  for (const ReportRow& row : rows) {
    if (row.listed() && seen.insert(row.name(column)).second) entries.append(row.name(column));
  }
  return entries;
}

bool ReportFilter::accepts(const ReportRow& row) const {
  const auto matches = [](const QString& filter, const QString& name) {
    return filter == QLatin1String("All") || filter == name;
  };
  return row.listed() && matches(test, row.test) && matches(teacher, row.teacher) &&
         matches(student, row.student);
}

int ReportAverage(const ReportRow& row) {
  int sum = 0;
  for (int i = 0; i < kActivityCount; ++i) sum += row.scores[static_cast<std::size_t>(i)];
  return static_cast<int>(std::nearbyint(static_cast<double>(sum) / kActivityCount));
}

QStringList ReportCells(const ReportRow& row, int number) {
  QStringList cells{QString::number(number), row.test, row.teacher, row.student,
                    QString::number(ReportAverage(row))};
  for (int i = 0; i < kActivityCount; ++i) {
    cells.append(QString::number(row.scores[static_cast<std::size_t>(i)]));
  }
  cells.append(sentencesText(row.scores[kSentences]));
  cells.append(spellingText(row.scores[kSpelling]));
  return cells;
}

}  // namespace vocabulary
