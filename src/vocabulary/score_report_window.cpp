#include "vocabulary/score_report_window.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <memory>

#include "platform/printing/printer.h"
#include "platform/system/errors.h"
#include "platform/system/runtime_library.h"
#include "vocabulary/grid_print.h"

namespace vocabulary {

using platform::named;
namespace {

const QString kAscending = QStringLiteral("Ascending Sort");
const QString kDescending = QStringLiteral("Descending Sort");
constexpr std::uint32_t kHighlight = 0x80FFFF;
constexpr int kStudentColumn = 3;
constexpr int kAverageColumn = 4;
constexpr int kLastColumn = 12;
constexpr double kPrintMarginTop = 567;
constexpr double kPrintMarginBottom = 567;
constexpr double kPrintMarginLeft = 50;
constexpr int kGridWidthPixels = 400;
// Room beside a row number for the cell's margins on screen and on paper.
constexpr int kNumberPaddingPixels = 16;
constexpr int kGridHeightPixels = 200;
// The grid's own size with the filters and buttons above it.
constexpr int kWindowWidthPixels = 797;
constexpr int kWindowHeightPixels = 505;

QComboBox* filterBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = named(new QComboBox(parent), name);
  box->setAccessibleName(caption);
  box->addItem(QStringLiteral("All"));
  return box;
}

}  // namespace

ScoreReportWindow::ScoreReportWindow(Lexorama& program)
    : Form(program),
      printDialog(program.runtime().interaction(), program.runtime().printer()),
      lexorama_(program) {
  setObjectName(QStringLiteral("ScoreReportWindow"));
  setCaption(QStringLiteral("Score Report"));
  auto* central = new QWidget(this);
  testsLabel = named(new QLabel(QStringLiteral("Tests"), central), "testsLabel");
  teachersLabel = named(new QLabel(QStringLiteral("Teachers"), central), "teachersLabel");
  studentsLabel = named(new QLabel(QStringLiteral("Students"), central), "studentsLabel");
  testFilterBox = filterBox(central, "testFilterBox", QStringLiteral("Tests"));
  teacherFilterBox = filterBox(central, "teacherFilterBox", QStringLiteral("Teachers"));
  studentFilterBox = filterBox(central, "studentFilterBox", QStringLiteral("Students"));
  applyButton = named(new QPushButton(QStringLiteral("Apply"), central), "applyButton");
  sortOrderButton = named(new QPushButton(kAscending, central), "sortOrderButton");
  printButton = named(new QPushButton(QStringLiteral("Print"), central), "printButton");
  closeButton = named(new QPushButton(QStringLiteral("Close"), central), "closeButton");
  deleteBox = named(new QCheckBox(QStringLiteral("Delete?"), central), "deleteBox");
  sortBox = named(new QCheckBox(QStringLiteral("Sort On"), central), "sortBox");
  sortBox->setChecked(true);
  reportGrid = named(new platform::Grid(central), "reportGrid");
  reportGrid->setAccessibleName(QStringLiteral("Scores"));
  reportGrid->setMinimumSize(kGridWidthPixels, kGridHeightPixels);
  testsLabel->setBuddy(testFilterBox);
  teachersLabel->setBuddy(teacherFilterBox);
  studentsLabel->setBuddy(studentFilterBox);

  auto* filters = new QGridLayout;
  filters->addWidget(testsLabel, 0, 0);
  filters->addWidget(teachersLabel, 0, 1);
  filters->addWidget(studentsLabel, 0, 2);
  filters->addWidget(testFilterBox, 1, 0);
  filters->addWidget(teacherFilterBox, 1, 1);
  filters->addWidget(studentFilterBox, 1, 2);
  auto* checks = new QVBoxLayout;
  checks->addWidget(deleteBox);
  checks->addWidget(sortBox);
  auto* top = new QHBoxLayout;
  top->addLayout(filters);
  for (QPushButton* button : {applyButton, sortOrderButton, printButton, closeButton}) {
    top->addWidget(button, 0, Qt::AlignBottom);
  }
  top->addLayout(checks);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(reportGrid, 1);
  setCentralWidget(central);

  on(applyButton, &QPushButton::clicked, [this] { onApplyClicked(); });
  on(sortOrderButton, &QPushButton::clicked, [this] { onSortOrderClicked(); });
  on(printButton, &QPushButton::clicked, [this] { onPrintClicked(); });
  on(closeButton, &QPushButton::clicked, [this] { onCloseClicked(); });
  on(sortBox, &QCheckBox::clicked, [this] { onSortToggled(); });
  on(reportGrid, &platform::Grid::Click, [this] { onGridClicked(); });
  on(reportGrid, &platform::Grid::DblClick, [this] { onGridDoubleClicked(); });
  tablePrint_.onNewPage = [](TablePrint::NewPageEvent& event) { event.target.NewPage(); };
  if (program.childArea) program.childArea->adopt(*this);
}

QSize ScoreReportWindow::sizeHint() const { return {kWindowWidthPixels, kWindowHeightPixels}; }

void ScoreReportWindow::load() { LoadScoreRecords(); }

void ScoreReportWindow::resetGrid() {
  reportGrid->Clear();
  reportGrid->setRows(1);
  reportGrid->setFormatString(kReportFormat);
}

void ScoreReportWindow::LoadScoreRecords() {
  sortOrderButton->setText(kAscending);
  resetGrid();
  try {
    rows_ = ReadReportRows(lexorama_.practice.DataFolder);
  } catch (const ScoreFileError& error) {
    rows_.clear();
    lexorama_.MsgBox(error.message(), platform::vbExclamation);
  }
  FillReportFilters();
  setCaption(Caption() + QStringLiteral("     ") + lexorama_.practice.StudentName);
}

void ScoreReportWindow::FillReportFilters() {
  const std::pair<QComboBox*, ReportNameColumn> filters[] = {
      {testFilterBox, kReportTest}, {teacherFilterBox, kReportTeacher},
      {studentFilterBox, kReportStudent}};
  for (const auto& [box, column] : filters) {
    box->clear();
    box->addItems(ReportFilterEntries(rows_, column));
    box->setCurrentIndex(0);
  }
}

void ScoreReportWindow::onApplyClicked() { ApplyReportFilter(); }

void ScoreReportWindow::ApplyReportFilter() {
  // The activities may have scored since the window opened: the file is read afresh.
  try {
    rows_ = ReadReportRows(lexorama_.practice.DataFolder);
  } catch (const ScoreFileError& error) {
    lexorama_.MsgBox(error.message(), platform::vbExclamation);
  }
  resetGrid();
  const ReportFilter filter{testFilterBox->currentText(), teacherFilterBox->currentText(),
                            studentFilterBox->currentText()};
  std::vector<QStringList> listed;
  for (const ReportRow& row : rows_) {
    if (filter.accepts(row)) listed.push_back(ReportCells(row, static_cast<int>(listed.size()) + 1));
  }
  reportGrid->AddRows(listed);
  fitRowNumbers(static_cast<int>(listed.size()));
  for (int at = reportGrid->FixedRows(); at < reportGrid->Rows(); ++at) {
    reportGrid->setCellBackColor(at, kStudentColumn, platform::rtl::Color(kHighlight));
    reportGrid->setCellBackColor(at, kAverageColumn, platform::rtl::Color(kHighlight));
  }
}

void ScoreReportWindow::fitRowNumbers(int lastNumber) {
  const int textWidth =
      QFontMetrics(reportGrid->font()).horizontalAdvance(QString::number(lastNumber));
  const int needed = platform::rtl::PixelsToTwips(textWidth + kNumberPaddingPixels);
  if (needed > reportGrid->ColWidth(0)) reportGrid->setColWidth(0, needed);
}

void ScoreReportWindow::onSortOrderClicked() {
  sortOrderButton->setText(sortOrderButton->text() != kAscending ? kAscending : kDescending);
}

void ScoreReportWindow::onSortToggled() {
  sortBox->setText(sortBox->isChecked() ? QStringLiteral("Sort On") : QStringLiteral("Sort Off"));
}

void ScoreReportWindow::onGridClicked() {
  if (!sortBox->isChecked() || deleteBox->isChecked()) return;
  const int col = reportGrid->Col();
  const bool ascending = sortOrderButton->text() == kAscending;
  if (col >= 1 && col <= kStudentColumn) {
    reportGrid->Sort(col, ascending ? platform::flexSortStringNoCaseAscending
                                    : platform::flexSortStringNoCaseDescending);
  } else if (col >= kAverageColumn && col <= kLastColumn) {
    reportGrid->Sort(col, ascending ? platform::flexSortNumericAscending
                                    : platform::flexSortNumericDescending);
  } else {
    lexorama_.MsgBox(QStringLiteral("Unable to sort. Please try again."));
  }
}

void ScoreReportWindow::onGridDoubleClicked() {
  if (deleteBox->isChecked()) DeleteScoreRecord();
}

void ScoreReportWindow::DeleteScoreRecord() {
  const int row = reportGrid->Row();
  if (row < reportGrid->FixedRows()) return;
  const ScoreKey key{reportGrid->TextMatrix(row, 1), reportGrid->TextMatrix(row, 2),
                     reportGrid->TextMatrix(row, 3)};
  const QString question = QStringLiteral("Do you want to delete the record: \r\n") +
                           QString(10, QLatin1Char(' ')) + key.test + QStringLiteral(" - ") +
                           key.teacher + QStringLiteral(" - ") + key.student;
  if (lexorama_.MsgBox(question, platform::vbYesNo) != platform::vbYes) return;
  try {
    ScoreFile file(lexorama_.practice.DataFolder);
    if (!file.blank(key)) return;
  } catch (const ScoreFileError& error) {
    lexorama_.MsgBox(error.message(), platform::vbExclamation);
    return;
  }
  for (ReportRow& stored : rows_) {
    if (stored.test == key.test.trimmed() && stored.teacher == key.teacher.trimmed() &&
        stored.student == key.student.trimmed()) {
      stored.scores = {};
    }
  }
  try {
    reportGrid->RemoveItem(row);
  } catch (const platform::RuntimeError& error) {
    if (error.number() != platform::kCannotRemoveLastNonFixedRow) throw;
    lexorama_.MsgBox(QStringLiteral(
        "This record has been deleted. Click apply to refresh the list of records."));
    return;
  }
  FillReportFilters();
}

void ScoreReportWindow::onPrintClicked() {
  printDialog.DialogTitle = QStringLiteral("Print...");
  printDialog.CancelError = true;
  printDialog.Flags =
      platform::cdlPDReturnDC | platform::cdlPDNoPageNums | platform::cdlPDHidePrintToFile;
  try {
    printDialog.ShowPrinter();
  } catch (const platform::RuntimeError& error) {
    if (error.number() == platform::kCancelError) return;
    throw;
  }
  printReport();
}

void ScoreReportWindow::printReport() {
  platform::Printer& printer = lexorama_.runtime().printer();
  try {
    printer.Print();
    tablePrint_.MarginBottom = kPrintMarginBottom;
    tablePrint_.MarginLeft = kPrintMarginLeft;
    tablePrint_.MarginTop = kPrintMarginTop;
    // The grid's own widths, unless they are wider than the paper: then the table shrinks to the
    // paper's width, its letters with it.
    double gridWidth = 0;
    for (int c = 0; c < reportGrid->Cols(); ++c) gridWidth += reportGrid->ColWidth(c);
    const double pageWidth = printer.ScaleWidth() - kPrintMarginLeft;
    const bool shrink = gridWidth > pageWidth;
    PrintFlexGrid(tablePrint_, *reportGrid, shrink ? pageWidth : -1);
    if (shrink) {
      QFont smaller = reportGrid->CellFont();
      smaller.setPointSizeF(smaller.pointSizeF() * pageWidth / gridWidth);
      const auto font = std::make_shared<const QFont>(smaller);
      tablePrint_.setFontMatrix(-1, -1, font);
      tablePrint_.setHeaderFont(-1, -1, font);
    }
    printer.setCurrentY(tablePrint_.MarginTop);
    tablePrint_.DrawTable(printer, 0, 1);
    printer.EndDoc();
  } catch (const platform::RuntimeError& error) {
    printer.KillDoc();
    const auto* cause = dynamic_cast<const platform::PrinterError*>(&error);
    lexorama_.MsgBox(QStringLiteral("The report could not be printed. ") +
                         (cause ? cause->reason()
                                : QStringLiteral("Check the printer and try again.")),
                     platform::vbExclamation);
  }
}

void ScoreReportWindow::onCloseClicked() { Unload(); }

}  // namespace vocabulary
