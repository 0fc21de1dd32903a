#include "essay/assignment_builder_window.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "essay/workspace_window.h"
#include "platform/system/runtime_library.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

using platform::TextBox;

const QColor kFormGrey = platform::rtl::Color(0xC0C0C0);
const QColor kThemeOrange = platform::rtl::Color(0x80C0FF);
const QColor kLineYellow = platform::rtl::Color(0x80FFFF);
const QColor kDetailYellow = platform::rtl::Color(0xC0FFFF);
const QString kThemePrompt = QStringLiteral("Type the Main Idea or Theme of Your Essay Here...");
constexpr int kThemePromptSelection = 50;
// The right edge of the outline boxes and the height of the program icon pictures.
constexpr int kOutlineRight = 9975;
constexpr int kIconPixels = 32;

const QString kClearAll = QStringLiteral(
    "Do you want to clear all the information on this form?\r\nThe current information will be "
    "lost if it has not been saved.");
const QString kHelp = QStringLiteral(
    "Create an Assignment\r\rEnter your ideas for your introduction, body and supporting details, "
    "and conclusion.\r(You can change these ideas at any time by opening the assignment and "
    "making the\rchanges here on the Create Assignment screen or the Quillora main screen.)");
const QString kSaveBlankCopy = QStringLiteral(
    "You should save your work if you want to keep a blank copy of this assignment.");

int px(int twips) { return platform::rtl::TwipsToPixels(twips); }

TextBox* makeBox(QWidget* parent, const QString& name, const QString& accessibleName,
                 bool multiLine, const QColor& color, int heightTwips) {
  auto* box = new TextBox(parent);
  box->setObjectName(name);
  box->setAccessibleName(accessibleName);
  if (multiLine) {
    box->setMultiLine(true);
    box->setScrollBars(2);
  }
  box->setBackColor(color);
  // A single-line box is never made lower than one line of its font.
  box->setFixedHeight(multiLine ? px(heightTwips)
                                : std::max(px(heightTwips), box->minimumSizeHint().height()));
  return box;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, TextBox* buddy,
                  bool heading) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  label->setWordWrap(!heading);
  if (heading) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setFixedHeight(px(735));
  return button;
}

QLabel* makeIcon(QWidget* parent, const QString& name) {
  auto* image = new QLabel(parent);
  image->setObjectName(name);
  image->setFixedSize(kIconPixels, kIconPixels);
  image->setPixmap(QPixmap(QStringLiteral(":/pictures/quillora.png"))
                       .scaled(kIconPixels, kIconPixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  return image;
}

// A row of the outline: the control at its designed left edge and, while the window has its
// designed width, its designed width; the rest of the row stays empty.
QLayout* row(QWidget* widget, int left, int width) {
  auto* layout = new QHBoxLayout;
  layout->setSpacing(0);
  layout->addSpacing(px(left));
  layout->addWidget(widget, width);
  if (kOutlineRight > left + width) layout->addStretch(kOutlineRight - left - width);
  return layout;
}

// The four detail boxes of a main idea, their "Supporting Details" label to the left and, below
// that label and beside the last detail, the heading of the box that follows, as designed.
QLayout* detailBlock(QLabel* label, int labelLeft, int labelTop, const QList<TextBox*>& details,
                     int detailsTop, QLabel* nextHeading, int headingLeft) {
  constexpr int kDetailLeft = 2160;
  constexpr int kDetailWidth = 5895;
  constexpr int kDetailPitch = 360;
  // The designed offsets give way where the window's font needs the room.
  const auto indented = [](QWidget* widget, int left) {
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    line->addSpacerItem(new QSpacerItem(px(left), 0, QSizePolicy::Preferred, QSizePolicy::Minimum));
    line->addWidget(widget);
    line->addStretch();
    return line;
  };
  auto* left = new QWidget;
  left->setFixedWidth(px(kDetailLeft));
  auto* leftColumn = new QVBoxLayout(left);
  leftColumn->setContentsMargins(0, 0, 0, 0);
  leftColumn->setSpacing(0);
  leftColumn->addSpacing(px(labelTop - detailsTop));
  leftColumn->addLayout(indented(label, labelLeft));
  leftColumn->addStretch();
  leftColumn->addLayout(indented(nextHeading, headingLeft));

  auto* detailColumn = new QVBoxLayout;
  detailColumn->setSpacing(std::max(0, px(kDetailPitch) - details.front()->height()));
  for (TextBox* detail : details) detailColumn->addWidget(detail);
  detailColumn->addStretch();

  auto* layout = new QHBoxLayout;
  layout->setSpacing(0);
  layout->addWidget(left);
  layout->addLayout(detailColumn, kDetailWidth);
  layout->addStretch(kOutlineRight - kDetailLeft - kDetailWidth);
  return layout;
}

struct StackedRow {
  QLayout* layout;
  int top;
  int height;
};

// Stacks rows at their designed tops (twips); rows the design lets overlap simply follow on.
void stack(QVBoxLayout* column, const std::vector<StackedRow>& rows) {
  column->setSpacing(0);
  int bottom = 0;
  for (const StackedRow& r : rows) {
    const int gap = px(r.top) - px(bottom);
    if (gap > 0) column->addSpacing(gap);
    column->addLayout(r.layout);
    bottom = std::max(bottom, r.top + r.height);
  }
  column->addStretch();
}

QLayout* alone(QWidget* widget) {
  auto* layout = new QHBoxLayout;
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(widget);
  layout->addStretch();
  return layout;
}

}  // namespace

AssignmentBuilderWindow::AssignmentBuilderWindow(Quillora& program)
    : Form(program), CommonDialog1(program.runtime()), quillora_(program), store_(program.store) {
  setObjectName(QStringLiteral("AssignmentBuilderWindow"));
  setCaption(QStringLiteral("Create An Assignment"));
  setWindowIcon(QIcon(QStringLiteral(":/pictures/quillora.png")));
  createBoxes();
  createLabels();
  createOptions();
  createLayout();
  setTabOrder();
  connectHandlers();
}

void AssignmentBuilderWindow::createBoxes() {
  Text18a = makeBox(this, QStringLiteral("Text18a"), QStringLiteral("Theme"), true, kThemeOrange, 495);
  Text18a->setText(kThemePrompt);
  Text1a = makeBox(this, QStringLiteral("Text1a"), QStringLiteral("Introduction"), true, kLineYellow, 495);
  Text17a = makeBox(this, QStringLiteral("Text17a"), QStringLiteral("Conclusion"), true, kLineYellow, 525);
  TextBox** mainIdeas[3][5] = {{&Text2a, &Text3a, &Text4a, &Text5a, &Text6a},
                               {&Text7a, &Text8a, &Text9a, &Text10a, &Text11a},
                               {&Text12a, &Text13a, &Text14a, &Text15a, &Text16a}};
  int number = 2;
  for (int idea = 0; idea < 3; ++idea) {
    const QString ideaName = QStringLiteral("Main Idea %1").arg(idea + 1);
    *mainIdeas[idea][0] = makeBox(this, QStringLiteral("Text%1a").arg(number++), ideaName, true,
                                  kLineYellow, 525);
    for (int detail = 1; detail <= 4; ++detail) {
      *mainIdeas[idea][detail] =
          makeBox(this, QStringLiteral("Text%1a").arg(number++),
                  QStringLiteral("%1, supporting detail %2").arg(ideaName).arg(detail), false,
                  kDetailYellow, 285);
    }
  }
  RichTextBox1 = new platform::RichTextBox(this);
  RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
  RichTextBox1->hide();
}

void AssignmentBuilderWindow::createLabels() {
  Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Introduction"), Text1a, true);
  Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Main Idea 1"), Text2a, true);
  Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Main Idea 2"), Text7a, true);
  Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Main Idea 3"), Text12a, true);
  Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Conclusion"), Text17a, true);
  const QString details = QStringLiteral("Supporting Details");
  Label6 = makeLabel(this, QStringLiteral("Label6"), details, Text3a, false);
  Label9 = makeLabel(this, QStringLiteral("Label9"), details, Text8a, false);
  Label10 = makeLabel(this, QStringLiteral("Label10"), details, Text13a, false);
}

void AssignmentBuilderWindow::createOptions() {
  Frame1 = new QGroupBox(QStringLiteral("Options"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setMinimumWidth(px(1695));
  Command1 = makeButton(Frame1, QStringLiteral("Command1"), QStringLiteral("Open for Editing"));
  Command2 = makeButton(Frame1, QStringLiteral("Command2"), QStringLiteral("Save for later use"));
  Command3 = makeButton(Frame1, QStringLiteral("Command3"), QStringLiteral("Use this  outline now!"));
  Command4 = makeButton(Frame1, QStringLiteral("Command4"), QStringLiteral("Print"));
  Command6 = makeButton(Frame1, QStringLiteral("Command6"), QStringLiteral("Clear All"));
  Command7 = makeButton(Frame1, QStringLiteral("Command7"), QStringLiteral("Help"));
  Command5 = makeButton(Frame1, QStringLiteral("Command5"), QStringLiteral("Close"));
  // The buttons share one width: the designed one, or the widest caption's.
  const QList<QPushButton*> buttons = {Command1, Command2, Command3, Command4,
                                       Command5, Command6, Command7};
  int width = px(1215);
  for (QPushButton* button : buttons) width = std::max(width, button->sizeHint().width());
  for (QPushButton* button : buttons) button->setFixedWidth(width);
  Image1 = makeIcon(Frame1, QStringLiteral("Image1"));
  Image2 = makeIcon(Frame1, QStringLiteral("Image2"));

  auto* icons = new QHBoxLayout;
  icons->setSpacing(px(960 - 360) - kIconPixels);
  icons->addWidget(Image1);
  icons->addWidget(Image2);
  icons->addStretch();
  auto* column = new QVBoxLayout(Frame1);
  const int buttonHeight = 735;
  stack(column, {{alone(Command1), 480, buttonHeight},
                 {alone(Command2), 1440, buttonHeight},
                 {alone(Command3), 2400, buttonHeight},
                 {icons, 3360, kIconPixels * platform::rtl::kTwipsPerPixel},
                 {alone(Command4), 4200, buttonHeight},
                 {alone(Command6), 5160, buttonHeight},
                 {alone(Command7), 6120, buttonHeight},
                 {alone(Command5), 7080, buttonHeight}});
}

void AssignmentBuilderWindow::createLayout() {
  auto* outlineColumn = new QVBoxLayout;
  stack(outlineColumn,
        {{row(Text18a, 240, 9735), 0, 495},
         {row(Label1, 240, 1695), 480, 255},
         {row(Text1a, 240, 9735), 720, 495},
         {row(Label2, 600, 1815), 1320, 255},
         {row(Text2a, 600, 9015), 1560, 525},
         {detailBlock(Label6, 1200, 2520, mainIdeaBoxes(1).mid(1), 2160, Label3, 600), 2160, 1455},
         {row(Text7a, 600, 9015), 3600, 525},
         {detailBlock(Label9, 1200, 4560, mainIdeaBoxes(2).mid(1), 4200, Label4, 480), 4200, 1455},
         {row(Text12a, 480, 9135), 5640, 525},
         {detailBlock(Label10, 1320, 6600, mainIdeaBoxes(3).mid(1), 6240, Label5, 120), 6240, 1455},
         {row(Text17a, 120, 9855), 7680, 525}});

  auto* central = new QWidget(this);
  QPalette grey = central->palette();
  grey.setColor(QPalette::Window, kFormGrey);
  central->setPalette(grey);
  central->setAutoFillBackground(true);
  auto* page = new QHBoxLayout(central);
  // The design places the boxes from the window's very edge.
  page->setContentsMargins(0, 0, px(120), 0);
  page->addLayout(outlineColumn, kOutlineRight);
  page->addWidget(Frame1);
  setCentralWidget(central);
}

void AssignmentBuilderWindow::setTabOrder() {
  QList<QWidget*> order;
  order << Text18a << Text1a;
  for (int idea = 1; idea <= 3; ++idea) {
    for (TextBox* box : mainIdeaBoxes(idea)) order << box;
  }
  order << Text17a << Command1 << Command2 << Command4 << Command5 << Command3 << Command6
        << Command7;
  for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void AssignmentBuilderWindow::connectHandlers() {
  const std::pair<QPushButton*, void (AssignmentBuilderWindow::*)()> buttons[] = {
      {Command1, &AssignmentBuilderWindow::Command1_Click}, {Command2, &AssignmentBuilderWindow::Command2_Click},
      {Command3, &AssignmentBuilderWindow::Command3_Click}, {Command4, &AssignmentBuilderWindow::Command4_Click},
      {Command5, &AssignmentBuilderWindow::Command5_Click}, {Command6, &AssignmentBuilderWindow::Command6_Click},
      {Command7, &AssignmentBuilderWindow::Command7_Click}};
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }
}

QList<TextBox*> AssignmentBuilderWindow::mainIdeaBoxes(int number) const {
  switch (number) {
    case 1: return {Text2a, Text3a, Text4a, Text5a, Text6a};
    case 2: return {Text7a, Text8a, Text9a, Text10a, Text11a};
    default: return {Text12a, Text13a, Text14a, Text15a, Text16a};
  }
}

BuilderOutline AssignmentBuilderWindow::outline() const {
  BuilderOutline outline;
  outline.theme = Text18a->Text();
  outline.introduction = Text1a->Text();
  for (int idea = 1; idea <= 3; ++idea) {
    const QList<TextBox*> boxes = mainIdeaBoxes(idea);
    BuilderOutline::MainIdea& mainIdea = outline.mainIdeas[static_cast<std::size_t>(idea - 1)];
    mainIdea.idea = boxes[0]->Text();
    for (int detail = 0; detail < 4; ++detail) {
      mainIdea.details[static_cast<std::size_t>(detail)] = boxes[detail + 1]->Text();
    }
  }
  outline.conclusion = Text17a->Text();
  return outline;
}

void AssignmentBuilderWindow::showOutline(const BuilderOutline& outline) {
  Text18a->setText(outline.theme);
  Text1a->setText(outline.introduction);
  for (int idea = 1; idea <= 3; ++idea) {
    const QList<TextBox*> boxes = mainIdeaBoxes(idea);
    const BuilderOutline::MainIdea& mainIdea = outline.mainIdeas[static_cast<std::size_t>(idea - 1)];
    boxes[0]->setText(mainIdea.idea);
    for (int detail = 0; detail < 4; ++detail) {
      boxes[detail + 1]->setText(mainIdea.details[static_cast<std::size_t>(detail)]);
    }
  }
  Text17a->setText(outline.conclusion);
}

bool AssignmentBuilderWindow::outlineStarted(const QString& action) {
  if (outline().started()) return true;
  quillora_.MsgBox(QStringLiteral("You must enter a theme, an idea for an introduction and at "
                                  "least one main idea before you can %1 this assignment.")
                       .arg(action),
                   platform::vbInformation, QStringLiteral("Quillora"));
  return false;
}

void AssignmentBuilderWindow::load() {
  store_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, quillora_.runtime().screen());
  Text18a->setSelStart(0);
  Text18a->setSelLength(kThemePromptSelection);
  store_.FromBuilder = false;
  store_.NamedAssignment = false;
}

void AssignmentBuilderWindow::Command5_Click() { Unload(); }

void AssignmentBuilderWindow::Command6_Click() {
  if (quillora_.MsgBox(kClearAll, platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) != platform::vbYes) {
    return;
  }
  Text1a->setText(QString());
  for (int idea = 1; idea <= 3; ++idea) {
    for (TextBox* box : mainIdeaBoxes(idea)) box->setText(QString());
  }
  Text17a->setText(QString());
  Text18a->setFocus();
  Text18a->setText(kThemePrompt);
  Text18a->setSelLength(kThemePromptSelection);
}

void AssignmentBuilderWindow::Command7_Click() { quillora_.MsgBox(kHelp, platform::vbInformation); }

void AssignmentBuilderWindow::Command3_Click() {
  if (outline().started() && !store_.NamedAssignment && store_.BuilderSaved != 1) {
    const int answer = quillora_.MsgBox(kSaveBlankCopy, platform::vbYesNoCancel);
    if (answer == platform::vbCancel) return;
    // Whatever the save did, saved, cancelled or refused, the outline goes over.
    if (answer == platform::vbYes) Command2_Click();
  }
  if (!outlineStarted(QStringLiteral("use"))) return;
  handOver();
}

void AssignmentBuilderWindow::handOver() {
  const OutlineLines lines = outlineLines(outline());
  store_.ThemeLine = lines.themeLine;
  store_.IntroLine = lines.introLine;
  store_.MainIdea1Line = lines.mainIdeas[0].line;
  store_.MainIdea1Details = lines.mainIdeas[0].details;
  store_.MainIdea2Line = lines.mainIdeas[1].line;
  store_.MainIdea2Details = lines.mainIdeas[1].details;
  store_.MainIdea3Line = lines.mainIdeas[2].line;
  store_.MainIdea3Details = lines.mainIdeas[2].details;
  store_.ConclusionLine = lines.conclusionLine;
  store_.FromBuilder = true;

  platform::Forms& forms = quillora_.forms();
  // A workspace that is loading takes the outline as it loads; one already open takes it now.
  const bool workspaceOpen = forms.isLoaded<WorkspaceWindow>();
  WorkspaceWindow& workspace = forms.get<WorkspaceWindow>();
  if (workspaceOpen) workspace.OpenAssignment();
  workspace.Show();
  Unload();
}

}  // namespace essay
