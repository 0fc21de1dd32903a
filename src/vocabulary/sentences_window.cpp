#include "vocabulary/sentences_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLocale>

#include "platform/files/textfile.h"
#include "platform/system/errors.h"
#include "shared/document_files.h"
#include "shared/print_rtb.h"
#include "vocabulary/activity_support.h"

namespace vocabulary {
namespace {

const QString kCaption = QStringLiteral("Sentences");
const QString kHeadingGap = QStringLiteral("       ");
constexpr int kPrintMargin = 720;
constexpr int kSecondsPerDay = 86400;

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

platform::RichTextBox* TextBox(const char* name, QWidget* parent) {
  return platform::named(new platform::RichTextBox(parent), name);
}

}  // namespace

QString ElapsedTime(const QTime& start, const QTime& end) {
  if (!start.isValid() || !end.isValid()) return QString();
  int total = start.secsTo(end);
  if (total < 0) total += kSecondsPerDay;
  return TwoDigits(total / 3600 % 24) + QLatin1Char(':') + TwoDigits(total / 60 % 60) +
         QLatin1Char(':') + TwoDigits(total % 60);
}

SentencesWindow::SentencesWindow(Lexorama& program)
    : Form(program),
      fileDialog(program.runtime().interaction(), program.runtime().printer()),
      lexorama_(program),
      practice_(program.practice) {
  setObjectName(QStringLiteral("SentencesWindow"));
  setCaption(kCaption);
  createControls();
  connectHandlers();
  AdoptActivity(program, *this, 12000, 7400);
}

void SentencesWindow::createControls() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  transcriptBox = TextBox("transcriptBox", central);
  transcriptBox->setAccessibleName(QStringLiteral("Sentences written"));
  // Sentences are written below, never into the transcript itself.
  transcriptBox->setFocusPolicy(Qt::NoFocus);
  grid->addWidget(transcriptBox, 0, 0, 1, 5);
  sentenceBox = TextBox("sentenceBox", central);
  sentenceBox->setAccessibleName(QStringLiteral("Sentence"));
  sentenceBox->setFixedHeight(50);
  sentenceBox->installEventFilter(this);
  grid->addWidget(sentenceBox, 1, 0, 1, 3);
  const auto itemBox = [&](QLabel*& label, platform::RichTextBox*& box, const QString& caption,
                           const char* labelName, const char* boxName, int column) {
    label = platform::named(new QLabel(caption, central), labelName);
    box = TextBox(boxName, central);
    box->setLocked(true);
    box->setAccessibleName(caption);
    box->setFixedHeight(57);
    grid->addWidget(label, 2, column);
    grid->addWidget(box, 3, column);
  };
  itemBox(wordLabel, wordBox, QStringLiteral("Word"), "wordLabel", "wordBox", 0);
  itemBox(definition1Label, definition1Box, QStringLiteral("Definition 1"), "definition1Label",
          "definition1Box", 1);
  itemBox(definition2Label, definition2Box, QStringLiteral("Definition 2"), "definition2Label",
          "definition2Box", 2);
  savedCopyBox = TextBox("savedCopyBox", central);
  savedCopyBox->hide();
  applyButton = platform::named(new QPushButton(QStringLiteral("Apply"), central), "applyButton");
  applyButton->setDefault(true);
  skipButton = platform::named(new QPushButton(QStringLiteral("Skip"), central), "skipButton");
  skipButton->setEnabled(false);
  openButton = platform::named(new QPushButton(QStringLiteral("Open"), central), "openButton");
  saveButton = platform::named(new QPushButton(QStringLiteral("Save"), central), "saveButton");
  printButton = platform::named(new QPushButton(QStringLiteral("Print"), central), "printButton");
  closeButton = platform::named(new QPushButton(QStringLiteral("Close"), central), "closeButton");
  grid->addWidget(applyButton, 1, 3);
  grid->addWidget(skipButton, 2, 3);
  grid->addWidget(openButton, 3, 3);
  grid->addWidget(saveButton, 1, 4);
  grid->addWidget(printButton, 2, 4);
  grid->addWidget(closeButton, 3, 4);
  instructionsLabel = platform::named(
      new QLabel(QStringLiteral("Type a sentence in the white rectangle to the left, then click "
                                "APPLY.  Make sure you use the word in a way that shows you know "
                                "what the word means. "),
                 central),
      "instructionsLabel");
  instructionsLabel->setWordWrap(true);
  grid->addWidget(instructionsLabel, 4, 0, 1, 5);
  grid->setRowStretch(0, 1);
  setCentralWidget(central);
}

void SentencesWindow::connectHandlers() {
  on(applyButton, &QPushButton::clicked, [this] { onApplyClicked(); });
  on(skipButton, &QPushButton::clicked, [this] { onSkipClicked(); });
  on(openButton, &QPushButton::clicked, [this] { onOpenClicked(); });
  on(saveButton, &QPushButton::clicked, [this] { onSaveClicked(); });
  on(printButton, &QPushButton::clicked, [this] { onPrintClicked(); });
  on(closeButton, &QPushButton::clicked, [this] { onCloseClicked(); });
  on(transcriptBox, &platform::RichTextBox::Click, [this] { sentenceBox->setFocus(); });
}

bool SentencesWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the sentence presses the default button.
  if (watched == sentenceBox && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && applyButton->isEnabled()) {
      applyButton->click();
      return true;
    }
  }
  return Form::eventFilter(watched, event);
}

void SentencesWindow::load() {
  list_ = TakeRunList(practice_);
  currentItem_ = 1;
  showItem();
  startTime_ = lexorama_.runtime().clock().now().time();
  ShowPracticeNames();
}

void SentencesWindow::ShowPracticeNames() {
  setCaption(ActivityCaption(kCaption, list_, practice_));
}

void SentencesWindow::showItem() {
  // Rows past the list are empty.
  const WordListItem item =
      currentItem_ <= list_.items.size() ? list_.items[currentItem_ - 1] : WordListItem{};
  wordBox->setText(item.word);
  definition1Box->setText(item.definition1);
  definition2Box->setText(item.definition2);
}

bool SentencesWindow::allDone() const { return currentItem_ > list_.items.size(); }

void SentencesWindow::onApplyClicked() {
  if (allDone()) return;
  skipButton->setEnabled(false);
  if (!sentenceBox->Text().isEmpty()) {
    transcriptBox->setSelStart(static_cast<int>(transcriptBox->Text().size()));
    transcriptBox->setSelText(QString::number(currentItem_) + QStringLiteral(".  ") +
                              wordBox->Text() + QStringLiteral(" - ") + sentenceBox->Text() +
                              QStringLiteral("\r\n\r\n"));
    ++currentItem_;
    showItem();
  }
  transcriptBox->setSelStart(static_cast<int>(transcriptBox->Text().size()));
  sentenceBox->setText(QString());
  sentenceBox->setFocus();
  if (allDone()) {
    finish();
    applyButton->setEnabled(false);
  }
}

void SentencesWindow::onSkipClicked() {
  if (allDone()) return;
  sentenceBox->setText(QString());
  ++currentItem_;
  showItem();
  skipButton->setFocus();
  if (allDone()) finish();
}

QString SentencesWindow::heading() const {
  const QDateTime now = lexorama_.runtime().clock().now();
  return practice_.StudentName + kHeadingGap +
         QLocale::system().toString(now.date(), QLocale::ShortFormat) + kHeadingGap +
         QStringLiteral("Time = ") + ElapsedTime(startTime_, now.time()) + kHeadingGap +
         list_.testName + QStringLiteral("\r\n\r\n");
}

void SentencesWindow::finish() {
  transcriptBox->setSelStart(0);
  transcriptBox->setSelText(heading());
  lexorama_.MsgBox(QStringLiteral("That's all folks!"));
  SaveSentenceMark();
}

void SentencesWindow::SaveSentenceMark() {
  const PracticeScores scores = RunScores(practice_, list_);
  const bool saved = UpdateScoreFile(lexorama_, list_, [&scores](ScoreRecord& record, bool found) {
    if (!found) {
      for (std::size_t i = 0; i < scores.size(); ++i) {
        record.scores[i] = static_cast<std::int16_t>(std::clamp(scores[i], 0, 32767));
      }
    }
    record.scores[kSentences] = 10;
  });
  if (saved && OnRunList(practice_, list_)) practice_.SentencesMark = QStringLiteral("OK");
}

void SentencesWindow::onOpenClicked() {
  fileDialog.DialogTitle = QStringLiteral("Open");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*");
  if (!fileDialog.TryShowOpen()) return;
  const QString path = fileDialog.FileName;
  if (path.isEmpty()) return;
  applyButton->setEnabled(true);
  skipButton->setEnabled(true);
  skipButton->setFocus();
  instructionsLabel->setText(QStringLiteral("After opening an incomplete assignment press SKIP "
                                            "until you reach the word you need to continue the "
                                            "assignment."));
  currentItem_ = 1;
  showItem();
  if (const QString failure = shared::LoadDocument(*transcriptBox, path); !failure.isEmpty()) {
    lexorama_.MsgBox(failure);
  }
}

void SentencesWindow::onSaveClicked() {
  fileDialog.DialogTitle = QStringLiteral("Save As...");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf");
  if (!fileDialog.TryShowSave()) return;
  const QString path = fileDialog.FileName;
  if (path.isEmpty()) return;
  savedCopyBox->setText(heading() + transcriptBox->Text());
  const QString failure =
      platform::textfile::writeAtomic(path, savedCopyBox->TextRTF() + QStringLiteral("\r\n"));
  if (!failure.isEmpty()) {
    lexorama_.MsgBox(failure, platform::vbExclamation);
    return;
  }
  setCaption(QStringLiteral(" Lexorama - ") + path);
}

void SentencesWindow::onPrintClicked() {
  const shared::PrintResult printed =
      shared::PrintWholeBox(fileDialog, *transcriptBox, kPrintMargin, kPrintMargin, kPrintMargin,
                            kPrintMargin, lexorama_.runtime().printer());
  if (printed.outcome == shared::PrintOutcome::Failed) {
    lexorama_.MsgBox(QStringLiteral("The sentences could not be printed. ") + printed.failure,
                     platform::vbExclamation);
  }
}

void SentencesWindow::onCloseClicked() { Unload(); }

}  // namespace vocabulary
