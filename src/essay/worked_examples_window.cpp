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
  QRadioButton* WorkedExamplesWindow::*option;
  const char* intro;
  const char* body;
  const char* conclusion;
  QString question;
  QString theme;
};

// In the order the options are tested.
const WritingSample kSamples[] = {
    {&WorkedExamplesWindow::Option1, "5Intro.rtf", "5Body.rtf", "5Conclusion.rtf",
     QStringLiteral("Losing something or someone can change you.  You may have lost your lunch "
                    "money, a pet, a friend who had to move, or your belief in monsters.  Write "
                    "about a loss."),
     QStringLiteral("Loss.")},
    {&WorkedExamplesWindow::Option3, "8Intro.rtf", "8Body.rtf", "8Conclusion.rtf",
     QStringLiteral("Many people are able to learn and grow from personal challenges.  Write "
                    "about facing a challenge."),
     QStringLiteral("Facing a challenge.")},
    {&WorkedExamplesWindow::Option4, "11Intro.rtf", "11Body.rtf", "11Conclusion.rtf",
     QStringLiteral("Sometimes we are fooled by the way things appear or the way people behave.  "
                    "Write about how things may not be what they seem."),
     QStringLiteral("Appearances can be deceiving.")},
};

using platform::named;

platform::RichTextBox* readOnlyRichBox(QWidget* parent, const char* name) {
  auto* box = named(new platform::RichTextBox(parent), name);
  box->setLocked(true);
  box->setBackColor(Qt::white);
  return box;
}

platform::TextBox* readOnlyTextBox(QWidget* parent, const char* name) {
  auto* box = named(new platform::TextBox(parent), name);
  box->setMultiLine(true);
  box->setScrollBars(2);
  box->setLocked(true);
  return box;
}

// A caption above its box; the box takes the caption as its name for screen readers.
QLabel* captionFor(QWidget* box, const char* name, const QString& text) {
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
  SSTab1 = named(new QTabWidget(this), "SSTab1");
  createSelectPage();

  RichTextBox1 = readOnlyRichBox(this, "RichTextBox1");
  RichTextBox2 = readOnlyRichBox(this, "RichTextBox2");
  RichTextBox3 = readOnlyRichBox(this, "RichTextBox3");
  Frame3 = named(new QGroupBox(this), "Frame3");
  Frame4 = named(new QGroupBox(this), "Frame4");
  Frame5 = named(new QGroupBox(this), "Frame5");
  SSTab1->addTab(createPartPage(RichTextBox1, Frame3), QStringLiteral("Introduction"));
  SSTab1->addTab(createPartPage(RichTextBox2, Frame4), QStringLiteral("Body"));
  SSTab1->addTab(createPartPage(RichTextBox3, Frame5), QStringLiteral("Conclusion"));

  Text1 = readOnlyTextBox(Frame3, "Text1");
  Label11 = captionFor(Text1, "Label11", kMainQuestion);
  RichTextBox4 = readOnlyRichBox(Frame3, "RichTextBox4");
  Label12 = captionFor(RichTextBox4, "Label12", kThemeCaption);
  Text3 = readOnlyTextBox(Frame3, "Text3");
  Label15 = captionFor(Text3, "Label15", QStringLiteral("What is an Introduction?"));
  Text4 = readOnlyTextBox(Frame4, "Text4");
  Label18 = captionFor(Text4, "Label18", kMainQuestion);
  RichTextBox5 = readOnlyRichBox(Frame4, "RichTextBox5");
  Label17 = captionFor(RichTextBox5, "Label17", kThemeCaption);
  Text6 = readOnlyTextBox(Frame4, "Text6");
  Label16 = captionFor(Text6, "Label16", QStringLiteral("What is the Body?"));
  Text7 = readOnlyTextBox(Frame5, "Text7");
  Label21 = captionFor(Text7, "Label21", kMainQuestion);
  RichTextBox6 = readOnlyRichBox(Frame5, "RichTextBox6");
  Label20 = captionFor(RichTextBox6, "Label20", kThemeCaption);
  Text9 = readOnlyTextBox(Frame5, "Text9");
  Label19 = captionFor(Text9, "Label19", QStringLiteral("What is a Conclusion?"));
  RichTextBox1->setAccessibleName(QStringLiteral("Example introduction"));
  RichTextBox2->setAccessibleName(QStringLiteral("Example body"));
  RichTextBox3->setAccessibleName(QStringLiteral("Example conclusion"));

  Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
  Image1 = named(new QLabel(this), "Image1");
  Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  Image1->hide();
  createLayout();
  connectHandlers();
  // The designed size, which the window keeps on every screen but the smallest.
  setWidth(11400);
  setHeight(8400);
}

void WorkedExamplesWindow::createSelectPage() {
  auto* page = new QWidget;
  Frame2 = named(new QGroupBox(QStringLiteral("Getting Started"), page), "Frame2");
  Label6 = named(new QLabel(QStringLiteral("If you are having problems getting started  with the "
                                           "introduction, body, or conclusion, look here.  You "
                                           "will find an explanation of what should be in each "
                                           "part with specific examples."),
                            Frame2),
                 "Label6");
  Label6->setWordWrap(true);
  Command4 = named(new QPushButton(QStringLiteral("Introduction"), Frame2), "Command4");
  Command5 = named(new QPushButton(QStringLiteral("Body"), Frame2), "Command5");
  Command6 = named(new QPushButton(QStringLiteral("Conclusion"), Frame2), "Command6");
  auto* gettingStarted = new QVBoxLayout(Frame2);
  gettingStarted->addWidget(Label6);
  for (QPushButton* button : {Command4, Command5, Command6}) gettingStarted->addWidget(button);
  gettingStarted->addStretch();

  Frame1 = named(new QGroupBox(QStringLiteral("Writing Examples"), page), "Frame1");
  Option7 = named(new QRadioButton(QStringLiteral("Scoring Rubrics"), Frame1), "Option7");
  Option1 = named(new QRadioButton(QStringLiteral("5th Grade Writing Sample"), Frame1), "Option1");
  Option3 = named(new QRadioButton(QStringLiteral("8th Grade Writing Sample"), Frame1), "Option3");
  Option4 =
      named(new QRadioButton(QStringLiteral("High School Writing Sample"), Frame1), "Option4");
  Command2 = named(new QPushButton(QStringLiteral("OK"), Frame1), "Command2");
  auto* examples = new QVBoxLayout(Frame1);
  for (QRadioButton* option : {Option7, Option1, Option3, Option4}) examples->addWidget(option);
  examples->addWidget(Command2);
  examples->addStretch();

  auto* layout = new QHBoxLayout(page);
  layout->addWidget(Frame2, 1);
  layout->addWidget(Frame1, 1);
  SSTab1->addTab(page, QStringLiteral("Select Example"));
}

QWidget* WorkedExamplesWindow::createPartPage(platform::RichTextBox* example, QGroupBox* frame) {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(example, 3);
  layout->addWidget(frame, 2);
  return page;
}

void WorkedExamplesWindow::createLayout() {
  const struct {
    QGroupBox* frame;
    QLabel* labels[3];
    QWidget* boxes[3];
  } frames[] = {{Frame3, {Label11, Label12, Label15}, {Text1, RichTextBox4, Text3}},
                {Frame4, {Label18, Label17, Label16}, {Text4, RichTextBox5, Text6}},
                {Frame5, {Label21, Label20, Label19}, {Text7, RichTextBox6, Text9}}};
  for (const auto& f : frames) {
    auto* column = new QVBoxLayout(f.frame);
    for (int i = 0; i < 3; ++i) {
      column->addWidget(f.labels[i]);
      column->addWidget(f.boxes[i], 1);
    }
  }

  auto* central = new shared::TiledArea(this);
  central->setTile(Image1->pixmap());
  auto* page = new QVBoxLayout(central);
  page->addWidget(SSTab1, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(Command1);
  page->addLayout(bottom);
  setCentralWidget(central);
}

void WorkedExamplesWindow::connectHandlers() {
  const std::pair<QPushButton*, void (WorkedExamplesWindow::*)()> buttons[] = {
      {Command4, &WorkedExamplesWindow::Command4_Click}, {Command5, &WorkedExamplesWindow::Command5_Click},
      {Command6, &WorkedExamplesWindow::Command6_Click}, {Command2, &WorkedExamplesWindow::Command2_Click},
      {Command1, &WorkedExamplesWindow::Command1_Click}};
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }
}

void WorkedExamplesWindow::load() {
  quillora_.store.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::KeepDesignSize, quillora_.runtime().screen());
  Command1->setVisible(true);
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

void WorkedExamplesWindow::Command4_Click() { showHowTo(kTabIntroduction); }
void WorkedExamplesWindow::Command5_Click() { showHowTo(kTabBody); }
void WorkedExamplesWindow::Command6_Click() { showHowTo(kTabConclusion); }

void WorkedExamplesWindow::showHowTo(int tab) {
  SSTab1->setCurrentIndex(tab);
  setThemeCaptions(QStringLiteral("How To Begin"), QStringLiteral("How To Elaborate in the Body"),
                   QStringLiteral("How To Finish"));
  LoadHowToExamples();
  Command1->setVisible(true);
}

void WorkedExamplesWindow::setThemeCaptions(const QString& intro, const QString& body, const QString& conclusion) {
  Label12->setText(intro);
  Label17->setText(body);
  Label20->setText(conclusion);
  RichTextBox4->setAccessibleName(intro);
  RichTextBox5->setAccessibleName(body);
  RichTextBox6->setAccessibleName(conclusion);
}

void WorkedExamplesWindow::LoadHowToExamples() {
  Text1->setText(kHowToQuestion);
  RichTextBox4->setText(kHowToBegin);
  RichTextBox5->setText(BodyExplanation);
  Text3->setText(IntroExplanation);
  Text4->setText(Text1->Text());
  Text6->setText(BodyExplanation);
  Text7->setText(Text1->Text());
  RichTextBox6->setText(kHowToFinish);
  Text9->setText(ConclusionExplanation);
  loadExampleTexts(QStringLiteral("exIntroduction.rtf"), QStringLiteral("exBody.rtf"),
                   QStringLiteral("exConclusion.rtf"));
}

// Each file is read afresh; one that cannot be read leaves its box as it was.
void WorkedExamplesWindow::loadExampleTexts(const QString& intro, const QString& body, const QString& conclusion) {
  QStringList unreadable;
  const std::pair<platform::RichTextBox*, QString> files[] = {
      {RichTextBox1, intro}, {RichTextBox2, body}, {RichTextBox3, conclusion}};
  for (const auto& [box, name] : files) {
    if (LoadExampleFile(*box, name) == ExampleFileLoad::Unreadable) unreadable.append(name);
  }
  ReportUnreadableExamples(quillora_, unreadable);
}

void WorkedExamplesWindow::LoadWritingSample() {
  for (const WritingSample& sample : kSamples) {
    if (!(this->*sample.option)->isChecked()) continue;
    loadExampleTexts(QString::fromLatin1(sample.intro), QString::fromLatin1(sample.body),
                     QString::fromLatin1(sample.conclusion));
    for (platform::TextBox* question : {Text1, Text4, Text7}) question->setText(sample.question);
    for (platform::RichTextBox* theme : {RichTextBox4, RichTextBox5, RichTextBox6}) {
      theme->setText(sample.theme);
    }
    Text3->setText(IntroExplanation);
    Text6->setText(BodyExplanation);
    Text9->setText(ConclusionExplanation);
    return;
  }
  if (Option7->isChecked()) quillora_.forms().get<RubricsWindow>().Show();
}

void WorkedExamplesWindow::Command2_Click() {
  Command1->setVisible(true);
  setThemeCaptions(kThemeCaption, kThemeCaption, kThemeCaption);
  LoadWritingSample();
  // With only the rubrics chosen, LoadWritingSample has shown them and the page stays as it was.
  if (!Option7->isChecked()) SSTab1->setCurrentIndex(kTabIntroduction);
}

void WorkedExamplesWindow::Command1_Click() {
  shared::MinimizeForm(*this);
  Unload();
}

}  // namespace essay
