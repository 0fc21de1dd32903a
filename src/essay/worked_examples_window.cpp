#include "essay/worked_examples_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "essay/rubrics_window.h"
#include "shared/small_routines.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

const QString kThemeCaption = QStringLiteral("Theme / Main Idea");
const QString kMainQuestion = QStringLiteral("Main Question");

struct PartTexts {
  QString tab;
  QString exampleName;
  QString explanationCaption;
};

const std::array<PartTexts, 3> kParts = {{
    {QStringLiteral("Introduction"), QStringLiteral("Example introduction"),
     QStringLiteral("What is an Introduction?")},
    {QStringLiteral("Body"), QStringLiteral("Example body"), QStringLiteral("What is the Body?")},
    {QStringLiteral("Conclusion"), QStringLiteral("Example conclusion"),
     QStringLiteral("What is a Conclusion?")},
}};

const QString kHowToQuestion = QStringLiteral("What was most memorable about your summer vacation?");
const QString kHowToBegin = QStringLiteral(
    "Your introduction can be general or specific.  This example has both.  The memorable events "
    "of the summer are introduced with the words, screaming and splashing.  You could stop the "
    "introduction there and go on to explain what they mean in the body.  Or, as in this "
    "example, you can use a specific introduction.  This is done by mentioning each point you "
    "will develop in the body.  In this case, Cedar Point and fishing.");
const QString kHowToFinish = QStringLiteral(
    "Conclusion means to bring to an end.  In this example, the main idea is what was most "
    "memorable.  The conclusion says these memories will last a lifetime and cause you to be "
    "planning next summer already.  The middle sentence makes it clear that Cedar point and "
    "fishing were much more memorable than any other events of the summer.");

struct WritingSample {
  const char* intro;
  const char* body;
  const char* conclusion;
  QString question;
  QString theme;
};

// In the order of the grade options.
const WritingSample kSamples[] = {
    {"5Intro.rtf", "5Body.rtf", "5Conclusion.rtf",
     QStringLiteral("Losing something or someone can change you.  You may have lost your lunch "
                    "money, a pet, a friend who had to move, or your belief in monsters.  Write "
                    "about a loss."),
     QStringLiteral("Loss.")},
    {"8Intro.rtf", "8Body.rtf", "8Conclusion.rtf",
     QStringLiteral("Many people are able to learn and grow from personal challenges.  Write "
                    "about facing a challenge."),
     QStringLiteral("Facing a challenge.")},
    {"11Intro.rtf", "11Body.rtf", "11Conclusion.rtf",
     QStringLiteral("Sometimes we are fooled by the way things appear or the way people behave.  "
                    "Write about how things may not be what they seem."),
     QStringLiteral("Appearances can be deceiving.")},
};

using platform::named;

platform::RichTextBox* readOnlyRichBox(QWidget* parent, const QString& name) {
  auto* box = named(new platform::RichTextBox(parent), name);
  box->setLocked(true);
  box->setBackColor(Qt::white);
  return box;
}

platform::TextBox* readOnlyTextBox(QWidget* parent, const QString& name) {
  auto* box = named(new platform::TextBox(parent), name);
  box->setMultiLine(true);
  box->setScrollBars(2);
  box->setLocked(true);
  return box;
}

// A caption above its box; the box takes the caption as its name for screen readers.
QLabel* captionFor(QWidget* box, const QString& name, const QString& text) {
  auto* label = named(new QLabel(text, box->parentWidget()), name);
  label->setBuddy(box);
  box->setAccessibleName(text);
  return label;
}

}  // namespace

WorkedExamplesWindow::WorkedExamplesWindow(Quillora& program) : Form(program), quillora_(program) {
  setObjectName(QStringLiteral("WorkedExamplesWindow"));
  setCaption(QStringLiteral("Examples - Introduction - Body - Conclusion"));
  setWindowIcon(QPixmap(QStringLiteral(":/pictures/quillora.png")));
  exampleTabs = named(new QTabWidget(this), "exampleTabs");
  createSelectPage();

  for (std::size_t part = 0; part < kParts.size(); ++part) {
    createPart(part, kParts[part].tab, kParts[part].exampleName, kParts[part].explanationCaption);
  }

  closeButton = named(new QPushButton(QStringLiteral("Close"), this), "closeButton");
  tilePicture = named(new QLabel(this), "tilePicture");
  tilePicture->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  tilePicture->hide();
  createLayout();
  connectHandlers();
  // The designed size, which the window keeps on every screen but the smallest.
  setWidth(11400);
  setHeight(8400);
}

void WorkedExamplesWindow::createSelectPage() {
  auto* page = new QWidget;
  gettingStartedFrame =
      named(new QGroupBox(QStringLiteral("Getting Started"), page), "gettingStartedFrame");
  gettingStartedLabel =
      named(new QLabel(QStringLiteral("If you are having problems getting started  with the "
                                      "introduction, body, or conclusion, look here.  You "
                                      "will find an explanation of what should be in each "
                                      "part with specific examples."),
                       gettingStartedFrame),
            "gettingStartedLabel");
  gettingStartedLabel->setWordWrap(true);
  introductionButton = named(new QPushButton(QStringLiteral("Introduction"), gettingStartedFrame),
                             "introductionButton");
  bodyButton = named(new QPushButton(QStringLiteral("Body"), gettingStartedFrame), "bodyButton");
  conclusionButton =
      named(new QPushButton(QStringLiteral("Conclusion"), gettingStartedFrame), "conclusionButton");
  auto* gettingStarted = new QVBoxLayout(gettingStartedFrame);
  gettingStarted->addWidget(gettingStartedLabel);
  for (QPushButton* button : {introductionButton, bodyButton, conclusionButton})
    gettingStarted->addWidget(button);
  gettingStarted->addStretch();

  writingExamplesFrame =
      named(new QGroupBox(QStringLiteral("Writing Examples"), page), "writingExamplesFrame");
  scoringRubricsOption =
      named(new QRadioButton(QStringLiteral("Scoring Rubrics"), writingExamplesFrame),
            "scoringRubricsOption");
  const QString grades[] = {QStringLiteral("5th Grade Writing Sample"),
                            QStringLiteral("8th Grade Writing Sample"),
                            QStringLiteral("High School Writing Sample")};
  for (std::size_t grade = 0; grade < gradeOptions.size(); ++grade) {
    gradeOptions[grade] = named(new QRadioButton(grades[grade], writingExamplesFrame),
                                QStringLiteral("gradeOptions[%1]").arg(grade));
  }
  okButton = named(new QPushButton(QStringLiteral("OK"), writingExamplesFrame), "okButton");
  auto* examples = new QVBoxLayout(writingExamplesFrame);
  examples->addWidget(scoringRubricsOption);
  for (QRadioButton* option : gradeOptions) examples->addWidget(option);
  examples->addWidget(okButton);
  examples->addStretch();

  auto* layout = new QHBoxLayout(page);
  layout->addWidget(gettingStartedFrame, 1);
  layout->addWidget(writingExamplesFrame, 1);
  exampleTabs->addTab(page, QStringLiteral("Select Example"));
}

void WorkedExamplesWindow::createPart(std::size_t part, const QString& tab,
                                      const QString& exampleName,
                                      const QString& explanationCaption) {
  const auto name = [part](const char* family) {
    return QStringLiteral("%1[%2]").arg(QLatin1String(family)).arg(part);
  };
  exampleBoxes[part] = readOnlyRichBox(this, name("exampleBoxes"));
  exampleBoxes[part]->setAccessibleName(exampleName);
  partFrames[part] = named(new QGroupBox(this), name("partFrames"));
  QGroupBox* frame = partFrames[part];
  questionBoxes[part] = readOnlyTextBox(frame, name("questionBoxes"));
  questionLabels[part] = captionFor(questionBoxes[part], name("questionLabels"), kMainQuestion);
  themeBoxes[part] = readOnlyRichBox(frame, name("themeBoxes"));
  themeLabels[part] = captionFor(themeBoxes[part], name("themeLabels"), kThemeCaption);
  explanationBoxes[part] = readOnlyTextBox(frame, name("explanationBoxes"));
  explanationLabels[part] =
      captionFor(explanationBoxes[part], name("explanationLabels"), explanationCaption);

  auto* column = new QVBoxLayout(frame);
  const std::pair<QLabel*, QWidget*> rows[] = {{questionLabels[part], questionBoxes[part]},
                                               {themeLabels[part], themeBoxes[part]},
                                               {explanationLabels[part], explanationBoxes[part]}};
  for (const auto& [label, box] : rows) {
    column->addWidget(label);
    column->addWidget(box, 1);
  }
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(exampleBoxes[part], 3);
  layout->addWidget(frame, 2);
  exampleTabs->addTab(page, tab);
}

void WorkedExamplesWindow::createLayout() {
  auto* central = new shared::TiledArea(this);
  central->setTile(tilePicture->pixmap());
  auto* page = new QVBoxLayout(central);
  page->addWidget(exampleTabs, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(closeButton);
  page->addLayout(bottom);
  setCentralWidget(central);
}

void WorkedExamplesWindow::connectHandlers() {
  const std::pair<QPushButton*, void (WorkedExamplesWindow::*)()> buttons[] = {
      {introductionButton, &WorkedExamplesWindow::onIntroductionClicked},
      {bodyButton, &WorkedExamplesWindow::onBodyClicked},
      {conclusionButton, &WorkedExamplesWindow::onConclusionClicked},
      {okButton, &WorkedExamplesWindow::onOkClicked},
      {closeButton, &WorkedExamplesWindow::onCloseClicked}};
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }
}

void WorkedExamplesWindow::load() {
  quillora_.store.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::KeepDesignSize, quillora_.runtime().screen());
  closeButton->setVisible(true);
  IntroExplanation = QStringLiteral(
      "The introduction will present the main idea. In some way, it will mention the ideas you "
      "will be writing about in the body. The introduction answers the question, what is this "
      "paper about?");
  BodyExplanation =
      QStringLiteral("The body of your paper explains your main idea using examples and details.");
  ConclusionExplanation = QStringLiteral(
      "The conclusion explains that what you have written supports the main idea.  Here you lay "
      "out your reasons why this main idea is important or is meaningful.");
}

void WorkedExamplesWindow::onIntroductionClicked() { showHowTo(kTabIntroduction); }
void WorkedExamplesWindow::onBodyClicked() { showHowTo(kTabBody); }
void WorkedExamplesWindow::onConclusionClicked() { showHowTo(kTabConclusion); }

void WorkedExamplesWindow::showHowTo(int tab) {
  exampleTabs->setCurrentIndex(tab);
  setThemeCaptions(QStringLiteral("How To Begin"), QStringLiteral("How To Elaborate in the Body"),
                   QStringLiteral("How To Finish"));
  LoadHowToExamples();
  closeButton->setVisible(true);
}

void WorkedExamplesWindow::setThemeCaptions(const QString& intro, const QString& body, const QString& conclusion) {
  themeLabels[0]->setText(intro);
  themeLabels[1]->setText(body);
  themeLabels[2]->setText(conclusion);
  themeBoxes[0]->setAccessibleName(intro);
  themeBoxes[1]->setAccessibleName(body);
  themeBoxes[2]->setAccessibleName(conclusion);
}

void WorkedExamplesWindow::LoadHowToExamples() {
  questionBoxes[0]->setText(kHowToQuestion);
  themeBoxes[0]->setText(kHowToBegin);
  themeBoxes[1]->setText(BodyExplanation);
  explanationBoxes[0]->setText(IntroExplanation);
  questionBoxes[1]->setText(questionBoxes[0]->Text());
  explanationBoxes[1]->setText(BodyExplanation);
  questionBoxes[2]->setText(questionBoxes[0]->Text());
  themeBoxes[2]->setText(kHowToFinish);
  explanationBoxes[2]->setText(ConclusionExplanation);
  loadExampleTexts(QStringLiteral("exIntroduction.rtf"), QStringLiteral("exBody.rtf"),
                   QStringLiteral("exConclusion.rtf"));
}

// Each file is read afresh; one that cannot be read leaves its box as it was.
void WorkedExamplesWindow::loadExampleTexts(const QString& intro, const QString& body, const QString& conclusion) {
  QStringList unreadable;
  const std::pair<platform::RichTextBox*, QString> files[] = {
      {exampleBoxes[0], intro}, {exampleBoxes[1], body}, {exampleBoxes[2], conclusion}};
  for (const auto& [box, name] : files) {
    if (LoadExampleFile(*box, name) == ExampleFileLoad::Unreadable) unreadable.append(name);
  }
  ReportUnreadableExamples(quillora_, unreadable);
}

void WorkedExamplesWindow::LoadWritingSample() {
  for (std::size_t grade = 0; grade < gradeOptions.size(); ++grade) {
    if (!gradeOptions[grade]->isChecked()) continue;
    const WritingSample& sample = kSamples[grade];
    loadExampleTexts(QString::fromLatin1(sample.intro), QString::fromLatin1(sample.body),
                     QString::fromLatin1(sample.conclusion));
    for (platform::TextBox* question : questionBoxes) question->setText(sample.question);
    for (platform::RichTextBox* theme : themeBoxes) theme->setText(sample.theme);
    explanationBoxes[0]->setText(IntroExplanation);
    explanationBoxes[1]->setText(BodyExplanation);
    explanationBoxes[2]->setText(ConclusionExplanation);
    return;
  }
  if (scoringRubricsOption->isChecked()) quillora_.forms().get<RubricsWindow>().Show();
}

void WorkedExamplesWindow::onOkClicked() {
  closeButton->setVisible(true);
  setThemeCaptions(kThemeCaption, kThemeCaption, kThemeCaption);
  LoadWritingSample();
  // With only the rubrics chosen, LoadWritingSample has shown them and the page stays as it was.
  if (!scoringRubricsOption->isChecked()) exampleTabs->setCurrentIndex(kTabIntroduction);
}

void WorkedExamplesWindow::onCloseClicked() {
  shared::MinimizeForm(*this);
  Unload();
}

}  // namespace essay
