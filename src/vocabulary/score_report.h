#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "vocabulary/score_record.h"

// What the teacher's score report lists: the records of a score file that hold a score, their
// filters and the texts of their rows.
namespace vocabulary {

// The name columns of a record: test, teacher, student.
enum ReportNameColumn { kReportTest, kReportTeacher, kReportStudent };

// The heading of the report's thirteen columns; its blanks set the columns' widths.
extern const QString kReportFormat;

// A record's names trimmed of blanks, with its eight scores.
struct ReportRow {
  explicit ReportRow(const ScoreRecord& record);
  const QString& name(ReportNameColumn column) const;
  // A record whose scores are all 0 (never scored, or deleted) is listed nowhere.
  bool listed() const;
  QString test;
  QString teacher;
  QString student;
  std::array<std::int16_t, 8> scores{};
};

// The rows of the score file of `dataFolder`; raises ScoreFileError.
std::vector<ReportRow> ReadReportRows(const QString& dataFolder);

// "All", then each name of the listed rows in the column once, in the order first met.
QStringList ReportFilterEntries(const std::vector<ReportRow>& rows, ReportNameColumn column);

// A name filter: "All" or one exact name (case counts) for each name column.
struct ReportFilter {
  QString test = QStringLiteral("All");
  QString teacher = QStringLiteral("All");
  QString student = QStringLiteral("All");
  bool accepts(const ReportRow& row) const;
};

// The thirteen cells of the `number`th listed row.
QStringList ReportCells(const ReportRow& row, int number);

// The six activity scores' average, always over six, rounded half to even.
int ReportAverage(const ReportRow& row);

}  // namespace vocabulary
