#include "vocabulary/practice_setup_window.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "vocabulary/name_lists.h"

namespace vocabulary {
namespace {

const QString kCaption = QStringLiteral("Options");
const QString kSelectTeacher = QStringLiteral("Select Teacher");
const QString kSelectStudent = QStringLiteral("Select Student");

const QStringList kInstructions = {
    QStringLiteral("Step1: Choose sequential or random. Sequential only applies to the Multiple "
                   "Choice tests and the Sentences test."),
    QStringLiteral("Step2: Choose a type of test."),
    QStringLiteral("Step3: Open a test file."),
    QStringLiteral("Step4: Select your teacher and your name, then click OK."),
    QStringLiteral("If at any time you want to see your scores, press F12. Also, you can take a "
                   "test more than once if allowed by your teacher. Only new scores that are "
                   "higher than old scores will be recorded."),
    QStringLiteral("Take your time, read each answer carefully and choose the best answer. Some "
                   "assignments may be designed to have more than one correct answer, though "
                   "only one correct answer will appear at one time."),
};

// How each activity sets the order buttons: which may be chosen, and which it chooses.
struct OrderRule {
  bool sequentialEnabled;
  bool randomEnabled;  // applied only when touchesRandomEnabled
  enum Choice { Keep, Random, Sequential } choice;
  bool touchesRandomEnabled;
};
constexpr OrderRule kOrderRules[8] = {
    {true, true, OrderRule::Keep, true},         // 1 multiple choice, word to four definitions
    {true, true, OrderRule::Keep, true},         // 2 multiple choice, definition to four words
    {false, false, OrderRule::Random, false},    // 3 matching
    {false, false, OrderRule::Random, false},    // 4 matching
    {false, false, OrderRule::Random, false},    // 5 picture game
    {false, true, OrderRule::Random, true},      // 6 picture game
    {true, false, OrderRule::Sequential, true},  // 7 sentences
    {true, false, OrderRule::Sequential, true},  // 8 spelling
};

using platform::named;

QRadioButton* radio(const QString& caption, const char* name, QWidget* parent) {
  return named(new QRadioButton(caption, parent), name);
}

QLabel* label(const QString& caption, const char* name, QWidget* parent) {
  return named(new QLabel(caption, parent), name);
}

QGroupBox* frame(const QString& caption, const char* name, QWidget* parent) {
  return named(new QGroupBox(caption, parent), name);
}

QComboBox* nameBox(const char* name, const QString& prompt, QWidget* parent) {
  auto* box = named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setAccessibleName(prompt);
  box->setEditText(prompt);
  return box;
}

bool typesText(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
  return !key.text().isEmpty() && key.text().front().isPrint() &&
         !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

PracticeSetupWindow::PracticeSetupWindow(Lexorama& program)
    : Form(program),
      openDialog(program.runtime()),
      lexorama_(program),
      practice_(program.practice) {
  setObjectName(QStringLiteral("PracticeSetupWindow"));
  setCaption(kCaption);
  createControls();
  connectHandlers();
  if (program.childArea) program.childArea->adopt(*this);
}

void PracticeSetupWindow::createControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->addWidget(createOrderFrame(), 0, 0);
  grid->addWidget(createActivityFrame(), 1, 0, 2, 1);
  grid->addWidget(createWordListFrame(), 0, 1);
  grid->addWidget(createNamesFrame(), 1, 1);
  instructionsLabel = label(kInstructions.join('\n'), "instructionsLabel", central);
  instructionsLabel->setWordWrap(true);
  grid->addWidget(instructionsLabel, 2, 1);
  studyGuideBox = named(new platform::RichTextBox(central), "studyGuideBox");
  studyGuideBox->hide();
  setCentralWidget(central);
}

QGroupBox* PracticeSetupWindow::createOrderFrame() {
  orderFrame = frame(QStringLiteral("Step 1"), "orderFrame", this);
  sequentialButton = radio(QStringLiteral("Sequential"), "sequentialButton", orderFrame);
  randomButton = radio(QStringLiteral("Random"), "randomButton", orderFrame);
  auto* column = new QVBoxLayout(orderFrame);
  column->addWidget(sequentialButton);
  column->addWidget(randomButton);
  return orderFrame;
}

QGroupBox* PracticeSetupWindow::createActivityFrame() {
  activityFrame = frame(QStringLiteral("Step 2"), "activityFrame", this);
  auto* column = new QVBoxLayout(activityFrame);
  const auto heading = [&](QLabel*& member, const QString& caption, const char* name) {
    member = label(caption, name, activityFrame);
    QFont bold = member->font();
    bold.setBold(true);
    member->setFont(bold);
    column->addWidget(member);
  };
  const QString captions[8] = {
      QStringLiteral("1 Word / 4 Definitions"),   QStringLiteral("1 Definition / 4 Words"),
      QStringLiteral("1 Word / All Definitions"), QStringLiteral("1 Definition / All Words"),
      QStringLiteral("1 Word / All Definitions"), QStringLiteral("1 Definition / All Words"),
      QStringLiteral("Write Sentences"),          QStringLiteral("Spelling"),
  };
  for (int i = 0; i < 8; ++i) {
    if (i == 0) heading(multipleChoiceLabel, QStringLiteral("Multiple Choice"), "multipleChoiceLabel");
    if (i == 2) heading(matchingLabel, QStringLiteral("Matching"), "matchingLabel");
    if (i == 4) heading(matchingGameLabel, QStringLiteral("Matching Game"), "matchingGameLabel");
    if (i == 6) heading(writingLabel, QStringLiteral("Writing"), "writingLabel");
    activityButtons[i] = new QRadioButton(captions[i], activityFrame);
    activityButtons[i]->setObjectName(QStringLiteral("activityButtons[%1]").arg(i));
    column->addWidget(activityButtons[i]);
  }
  column->addStretch();
  return activityFrame;
}

QGroupBox* PracticeSetupWindow::createWordListFrame() {
  wordListFrame = frame(QStringLiteral("Step 3"), "wordListFrame", this);
  wordListPathBox = named(new QLineEdit(wordListFrame), "wordListPathBox");
  wordListPathBox->setReadOnly(true);
  wordListPathBox->setAccessibleName(QStringLiteral("Word list"));
  openFileButton = named(new QPushButton(QStringLiteral("Open File"), wordListFrame), "openFileButton");
  auto* row = new QHBoxLayout(wordListFrame);
  row->addWidget(wordListPathBox, 1);
  row->addWidget(openFileButton);
  return wordListFrame;
}

QGroupBox* PracticeSetupWindow::createNamesFrame() {
  namesFrame = frame(QStringLiteral("Step 4"), "namesFrame", this);
  teacherBox = nameBox("teacherBox", kSelectTeacher, namesFrame);
  studentBox = nameBox("studentBox", kSelectStudent, namesFrame);
  okButton = named(new QPushButton(QStringLiteral("OK"), namesFrame), "okButton");
  cancelButton = named(new QPushButton(QStringLiteral("Cancel"), namesFrame), "cancelButton");
  auto* grid = new QGridLayout(namesFrame);
  grid->addWidget(teacherBox, 0, 0, 1, 2);
  grid->addWidget(studentBox, 1, 0, 1, 2);
  grid->addWidget(okButton, 2, 0);
  grid->addWidget(cancelButton, 2, 1);
  return namesFrame;
}

void PracticeSetupWindow::connectHandlers() {
  for (int i = 0; i < 8; ++i) {
    // Choosing a button in code runs its handler as a click does.
    on(activityButtons[i], &QRadioButton::toggled, [this, i] {
      if (activityButtons[i]->isChecked()) onActivityChosen(i + 1);
    });
  }
  on(openFileButton, &QPushButton::clicked, [this] { OpenWordList(); });
  on(teacherBox, &QComboBox::activated, [this] { onTeacherChosen(); });
  on(studentBox, &QComboBox::activated, [this] { onStudentChosen(); });
  for (QComboBox* box : {teacherBox, studentBox}) {
    on(box->lineEdit(), &QLineEdit::textEdited, [this] { onNameTyped(); });
    on(box->lineEdit(), &QLineEdit::editingFinished, [this] { takeTypedNames(); });
    box->installEventFilter(this);
    box->view()->installEventFilter(this);
  }
  on(okButton, &QPushButton::clicked, [this] { StartActivity(); });
  on(cancelButton, &QPushButton::clicked, [this] { onCancelClicked(); });
}

void PracticeSetupWindow::load() {
  readStoredOpenPath();
  randomButton->setChecked(true);
  activityButtons[0]->setChecked(true);
}

bool PracticeSetupWindow::eventFilter(QObject* watched, QEvent* event) {
  // A name list opens when it gets the focus, but not again when its own list closes (the window
  // system may then hand the focus back as to a window made active again).
  // A list opened as a dialog closed is taken down as the window becomes active again, and opens
  // once more then.
  if (event->type() == QEvent::FocusIn && (watched == teacherBox || watched == studentBox)) {
    auto* box = static_cast<QComboBox*>(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const bool returning = reason == Qt::ActiveWindowFocusReason;
    const bool afterDialog = returning && std::exchange(listAfterDialog_, nullptr) == watched;
    if (reason == Qt::MouseFocusReason) {
      // A click on the arrow opens the list itself, and one opened under it would close again;
      // a click elsewhere in the box opens it once the click is handled.
      QTimer::singleShot(0, box, [box] {
        if (box->hasFocus() && !box->view()->isVisible()) box->showPopup();
      });
    } else if (afterDialog || (reason != Qt::PopupFocusReason && !returning)) {
      box->showPopup();
    }
  }
  // Once the student has used the list opened after the dialog (typed into it, or closed it),
  // the window's coming back must not open it again over what was typed.
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) &&
      listAfterDialog_ != nullptr &&
      (watched == listAfterDialog_ || watched == listAfterDialog_->view())) {
    listAfterDialog_ = nullptr;
  }
  // A name typed while its list is open goes into the box, the first key replacing what it held;
  // the list keeps the keys that move in it. Without a highlighted item the list closes at once,
  // not after flashing it; keys typed quickly may still reach it while it is taken down.
  if (event->type() != QEvent::KeyPress || !typesText(*static_cast<QKeyEvent*>(event))) {
    return Form::eventFilter(watched, event);
  }
  for (QComboBox* box : {teacherBox, studentBox}) {
    if (watched == box->view()) {
      if (box->view()->isVisible()) {
        box->view()->selectionModel()->clear();
        box->hidePopup();
        box->lineEdit()->selectAll();
      }
      QCoreApplication::sendEvent(box->lineEdit(), event);
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void PracticeSetupWindow::onActivityChosen(int activity) {
  practice_.ActivityNumber = activity;
  const OrderRule& rule = kOrderRules[activity - 1];
  sequentialButton->setEnabled(rule.sequentialEnabled);
  if (rule.choice == OrderRule::Random) randomButton->setChecked(true);
  if (rule.choice == OrderRule::Sequential) sequentialButton->setChecked(true);
  if (rule.touchesRandomEnabled) randomButton->setEnabled(rule.randomEnabled);
}

void PracticeSetupWindow::onTeacherChosen() {
  if (refuseUnstorableName()) return;
  resetProgress();
  practice_.TeacherName = teacherBox->currentText();
  ShowPracticeNames(lexorama_);
  LoadStudentProgress();
  studentBox->setFocus();
  studentBox->showPopup();
}

void PracticeSetupWindow::onStudentChosen() {
  if (refuseUnstorableName()) return;
  resetProgress();
  practice_.StudentName = studentBox->currentText();
  setCaption(kCaption + QStringLiteral("     ") + practice_.StudentName);
  ShowPracticeNames(lexorama_);
  LoadStudentProgress();
  okButton->setFocus();
}

void PracticeSetupWindow::onNameTyped() {
  practice_.TeacherName = teacherBox->currentText();
  practice_.StudentName = studentBox->currentText();
  ShowPracticeNames(lexorama_);
}

void PracticeSetupWindow::takeTypedNames() {
  if (refuseUnstorableName()) {
    resetProgress();
    progressKey_ = currentKey();
    return;
  }
  const ScoreKey key = currentKey();
  if (key.teacher == progressKey_.teacher && key.student == progressKey_.student &&
      key.test == progressKey_.test) {
    return;
  }
  resetProgress();
  LoadStudentProgress();
}

bool PracticeSetupWindow::refuseUnstorableName() {
  const struct {
    QComboBox* box;
    QString prompt;
    QString& name;
  } names[] = {{teacherBox, kSelectTeacher, practice_.TeacherName},
               {studentBox, kSelectStudent, practice_.StudentName}};
  for (const auto& [box, prompt, name] : names) {
    const QString problem = UnstorableNameText(box->currentText());
    if (problem.isEmpty()) continue;
    // Cleared at once, so that leaving the box and pressing OK do not say it twice.
    box->setEditText(prompt);
    name.clear();
    ShowPracticeNames(lexorama_);
    lexorama_.MsgBox(problem, platform::vbExclamation);
    return true;
  }
  return false;
}

ScoreKey PracticeSetupWindow::currentKey() const {
  return {practice_.AssignmentName, practice_.TeacherName, practice_.StudentName};
}

void PracticeSetupWindow::fillNameLists(const QStringList& teachers, const QStringList& students) {
  teacherBox->clear();
  studentBox->clear();
  teacherBox->addItems(teachers);
  studentBox->addItems(students);
  // No name is current while the box asks for one, in the box or in its list (which would take
  // the first as it gets the focus), so Down goes to the first.
  for (QComboBox* box : {teacherBox, studentBox}) {
    box->setCurrentIndex(-1);
    box->view()->setCurrentIndex(QModelIndex());
  }
  teacherBox->setEditText(kSelectTeacher);
  studentBox->setEditText(kSelectStudent);
}

void PracticeSetupWindow::resetProgress() {
  practice_.Scores.fill(0);
  practice_.SentencesMark = QStringLiteral(" ?");
  practice_.SpellingMark = QStringLiteral(" ?");
}

void PracticeSetupWindow::LoadStudentProgress() {
  progressKey_ = currentKey();
  if (practice_.DataFolder.isEmpty()) return;
  std::optional<ScoreRecord> stored;
  try {
    stored = ScoreFile(practice_.DataFolder).find(progressKey_);
  } catch (const ScoreFileError& error) {
    lexorama_.MsgBox(QStringLiteral("Your scores so far cannot be shown.\r\n") + error.message(),
                     platform::vbExclamation);
    return;
  }
  if (!stored) return;
  for (std::size_t i = 0; i < practice_.Scores.size(); ++i) {
    practice_.Scores[i] = std::max<int>(practice_.Scores[i], stored->scores[i]);
  }
  practice_.SentencesMark =
      stored->scores[kSentences] == 10 ? QStringLiteral("OK") : QStringLiteral(" ?");
  const int spelling = stored->scores[kSpelling];
  if (spelling == 0) practice_.SpellingMark = QStringLiteral(" ?");
  if (spelling == 1) practice_.SpellingMark = QStringLiteral(" P");
  if (spelling >= 2) practice_.SpellingMark = QString::number(spelling);
}

void PracticeSetupWindow::StartActivity() {
  if (refuseUnstorableName()) return;
  const QString teacher = teacherBox->currentText();
  const QString student = studentBox->currentText();
  if (wordListPathBox->text().isEmpty() || teacher.isEmpty() || teacher == kSelectTeacher ||
      student.isEmpty() || student == kSelectStudent) {
    lexorama_.MsgBox(QStringLiteral("In Step 3 you must OPEN a file and in Step 4 select a "
                                    "TEACHER and a STUDENT."));
    return;
  }
  if (practice_.ItemCount() < kMinItemsToStart) {
    lexorama_.MsgBox(QStringLiteral("You must have at least 5 items in this file to test."));
    return;
  }
  takeTypedNames();
  for (WordListItem& item : practice_.WordList) item.asked = false;
  ShowActivity(lexorama_);
}

void PracticeSetupWindow::onCancelClicked() { Unload(); }

}  // namespace vocabulary
