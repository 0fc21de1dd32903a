#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/windows/form.h"
#include "platform/windows/grid.h"
#include "platform/windows/interaction.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/score_report.h"
#include "vocabulary/table_print.h"

namespace vocabulary {

// The teacher's view of the scores of the open word list's folder: filtered by test, teacher and
// student, sorted by a clicked column, a record deleted by double-click, printed as a table.
class ScoreReportWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit ScoreReportWindow(Lexorama& program);

  QLabel* testsLabel;
  QLabel* teachersLabel;
  QLabel* studentsLabel;
  QComboBox* testFilterBox;
  QComboBox* teacherFilterBox;
  QComboBox* studentFilterBox;
  QPushButton* applyButton;
  QPushButton* sortOrderButton;
  QPushButton* printButton;
  QPushButton* closeButton;
  QCheckBox* deleteBox;
  QCheckBox* sortBox;
  platform::Grid* reportGrid;
  platform::CommonDialog printDialog;

  void onApplyClicked();
  void onSortOrderClicked();
  void onPrintClicked();
  void onCloseClicked();
  void onSortToggled();
  void onGridClicked();
  void onGridDoubleClicked();
  // As wide as the report's columns, so that they show without scrolling.
  QSize sizeHint() const override;

 protected:
  void load() override;

 private:
  void LoadScoreRecords();
  void FillReportFilters();
  void ApplyReportFilter();
  void DeleteScoreRecord();
  void resetGrid();
  // Row numbers past 999 are wider than the heading makes their column.
  void fitRowNumbers(int lastNumber);
  void printReport();

  Lexorama& lexorama_;
  std::vector<ReportRow> rows_;
  TablePrint tablePrint_;
};

}  // namespace vocabulary
