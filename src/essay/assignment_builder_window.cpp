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
const QString kReplaceWorkspaceAssignment = QStringLiteral(
    "The Quillora main screen already holds an assignment.\r\nDo you want to replace it with this "
    "outline? The current information will be lost if it has not been saved.");

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
QLayout* detailBlock(QLabel* label, int labelLeft, int labelTop,
                     const std::array<TextBox*, 4>& details, int detailsTop, QLabel* nextHeading,
                     int headingLeft) {
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
    : Form(program), fileDialog(program.runtime()), quillora_(program), store_(program.store) {
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
  themeBox =
      makeBox(this, QStringLiteral("themeBox"), QStringLiteral("Theme"), true, kThemeOrange, 495);
  themeBox->setText(kThemePrompt);
  introductionBox = makeBox(this, QStringLiteral("introductionBox"), QStringLiteral("Introduction"),
                            true, kLineYellow, 495);
  conclusionBox = makeBox(this, QStringLiteral("conclusionBox"), QStringLiteral("Conclusion"), true,
                          kLineYellow, 525);
  for (std::size_t idea = 0; idea < mainIdeaBoxes.size(); ++idea) {
    const QString ideaName = QStringLiteral("Main Idea %1").arg(idea + 1);
    mainIdeaBoxes[idea] = makeBox(this, QStringLiteral("mainIdeaBoxes[%1]").arg(idea), ideaName,
                                  true, kLineYellow, 525);
    for (std::size_t detail = 0; detail < detailBoxes[idea].size(); ++detail) {
      detailBoxes[idea][detail] =
          makeBox(this, QStringLiteral("detailBoxes[%1][%2]").arg(idea).arg(detail),
                  QStringLiteral("%1, supporting detail %2").arg(ideaName).arg(detail + 1), false,
                  kDetailYellow, 285);
    }
  }
  printBuffer = new platform::RichTextBox(this);
  printBuffer->setObjectName(QStringLiteral("printBuffer"));
  printBuffer->hide();
}

void AssignmentBuilderWindow::createLabels() {
  introductionLabel = makeLabel(this, QStringLiteral("introductionLabel"),
                                QStringLiteral("Introduction"), introductionBox, true);
  for (std::size_t idea = 0; idea < mainIdeaLabels.size(); ++idea) {
    mainIdeaLabels[idea] =
        makeLabel(this, QStringLiteral("mainIdeaLabels[%1]").arg(idea),
                  QStringLiteral("Main Idea %1").arg(idea + 1), mainIdeaBoxes[idea], true);
  }
  conclusionLabel = makeLabel(this, QStringLiteral("conclusionLabel"), QStringLiteral("Conclusion"),
                              conclusionBox, true);
  const QString details = QStringLiteral("Supporting Details");
  for (std::size_t idea = 0; idea < detailLabels.size(); ++idea) {
    detailLabels[idea] = makeLabel(this, QStringLiteral("detailLabels[%1]").arg(idea), details,
                                   detailBoxes[idea][0], false);
  }
}

void AssignmentBuilderWindow::createOptions() {
  optionsFrame = new QGroupBox(QStringLiteral("Options"), this);
  optionsFrame->setObjectName(QStringLiteral("optionsFrame"));
  optionsFrame->setMinimumWidth(px(1695));
  openButton =
      makeButton(optionsFrame, QStringLiteral("openButton"), QStringLiteral("Open for Editing"));
  saveButton =
      makeButton(optionsFrame, QStringLiteral("saveButton"), QStringLiteral("Save for later use"));
  useOutlineButton = makeButton(optionsFrame, QStringLiteral("useOutlineButton"),
                                QStringLiteral("Use this  outline now!"));
  printButton = makeButton(optionsFrame, QStringLiteral("printButton"), QStringLiteral("Print"));
  clearAllButton =
      makeButton(optionsFrame, QStringLiteral("clearAllButton"), QStringLiteral("Clear All"));
  helpButton = makeButton(optionsFrame, QStringLiteral("helpButton"), QStringLiteral("Help"));
  closeButton = makeButton(optionsFrame, QStringLiteral("closeButton"), QStringLiteral("Close"));
  // The buttons share one width: the designed one, or the widest caption's.
  const QList<QPushButton*> buttons = {openButton, saveButton, useOutlineButton, printButton,
                                       closeButton, clearAllButton, helpButton};
  int width = px(1215);
  for (QPushButton* button : buttons) width = std::max(width, button->sizeHint().width());
  for (QPushButton* button : buttons) button->setFixedWidth(width);
  for (std::size_t icon = 0; icon < iconPictures.size(); ++icon) {
    iconPictures[icon] = makeIcon(optionsFrame, QStringLiteral("iconPictures[%1]").arg(icon));
  }

  auto* icons = new QHBoxLayout;
  icons->setSpacing(px(960 - 360) - kIconPixels);
  for (QLabel* icon : iconPictures) icons->addWidget(icon);
  icons->addStretch();
  auto* column = new QVBoxLayout(optionsFrame);
  const int buttonHeight = 735;
  stack(column, {{alone(openButton), 480, buttonHeight},
                 {alone(saveButton), 1440, buttonHeight},
                 {alone(useOutlineButton), 2400, buttonHeight},
                 {icons, 3360, kIconPixels * platform::rtl::kTwipsPerPixel},
                 {alone(printButton), 4200, buttonHeight},
                 {alone(clearAllButton), 5160, buttonHeight},
                 {alone(helpButton), 6120, buttonHeight},
                 {alone(closeButton), 7080, buttonHeight}});
}

void AssignmentBuilderWindow::createLayout() {
  auto* outlineColumn = new QVBoxLayout;
  stack(outlineColumn,
        {{row(themeBox, 240, 9735), 0, 495},
         {row(introductionLabel, 240, 1695), 480, 255},
         {row(introductionBox, 240, 9735), 720, 495},
         {row(mainIdeaLabels[0], 600, 1815), 1320, 255},
         {row(mainIdeaBoxes[0], 600, 9015), 1560, 525},
         {detailBlock(detailLabels[0], 1200, 2520, detailBoxes[0], 2160, mainIdeaLabels[1], 600),
          2160, 1455},
         {row(mainIdeaBoxes[1], 600, 9015), 3600, 525},
         {detailBlock(detailLabels[1], 1200, 4560, detailBoxes[1], 4200, mainIdeaLabels[2], 480),
          4200, 1455},
         {row(mainIdeaBoxes[2], 480, 9135), 5640, 525},
         {detailBlock(detailLabels[2], 1320, 6600, detailBoxes[2], 6240, conclusionLabel, 120),
          6240, 1455},
         {row(conclusionBox, 120, 9855), 7680, 525}});

  auto* central = new QWidget(this);
  QPalette grey = central->palette();
  grey.setColor(QPalette::Window, kFormGrey);
  central->setPalette(grey);
  central->setAutoFillBackground(true);
  auto* page = new QHBoxLayout(central);
  // The design places the boxes from the window's very edge.
  page->setContentsMargins(0, 0, px(120), 0);
  page->addLayout(outlineColumn, kOutlineRight);
  page->addWidget(optionsFrame);
  setCentralWidget(central);
}

void AssignmentBuilderWindow::setTabOrder() {
  QList<QWidget*> order;
  order << themeBox << introductionBox;
  for (std::size_t idea = 0; idea < mainIdeaBoxes.size(); ++idea) {
    order << mainIdeaBoxes[idea];
    for (TextBox* detail : detailBoxes[idea]) order << detail;
  }
  order << conclusionBox << openButton << saveButton << printButton << closeButton
        << useOutlineButton << clearAllButton << helpButton;
  for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void AssignmentBuilderWindow::connectHandlers() {
  const std::pair<QPushButton*, void (AssignmentBuilderWindow::*)()> buttons[] = {
      {openButton, &AssignmentBuilderWindow::onOpenClicked},
      {saveButton, &AssignmentBuilderWindow::onSaveClicked},
      {useOutlineButton, &AssignmentBuilderWindow::onUseOutlineClicked},
      {printButton, &AssignmentBuilderWindow::onPrintClicked},
      {closeButton, &AssignmentBuilderWindow::onCloseClicked},
      {clearAllButton, &AssignmentBuilderWindow::onClearAllClicked},
      {helpButton, &AssignmentBuilderWindow::onHelpClicked}};
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }
}

BuilderOutline AssignmentBuilderWindow::outline() const {
  BuilderOutline outline;
  outline.theme = themeBox->Text();
  outline.introduction = introductionBox->Text();
  for (std::size_t idea = 0; idea < mainIdeaBoxes.size(); ++idea) {
    BuilderOutline::MainIdea& mainIdea = outline.mainIdeas[idea];
    mainIdea.idea = mainIdeaBoxes[idea]->Text();
    for (std::size_t detail = 0; detail < detailBoxes[idea].size(); ++detail) {
      mainIdea.details[detail] = detailBoxes[idea][detail]->Text();
    }
  }
  outline.conclusion = conclusionBox->Text();
  return outline;
}

void AssignmentBuilderWindow::showOutline(const BuilderOutline& outline) {
  themeBox->setText(outline.theme);
  introductionBox->setText(outline.introduction);
  for (std::size_t idea = 0; idea < mainIdeaBoxes.size(); ++idea) {
    const BuilderOutline::MainIdea& mainIdea = outline.mainIdeas[idea];
    mainIdeaBoxes[idea]->setText(mainIdea.idea);
    for (std::size_t detail = 0; detail < detailBoxes[idea].size(); ++detail) {
      detailBoxes[idea][detail]->setText(mainIdea.details[detail]);
    }
  }
  conclusionBox->setText(outline.conclusion);
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
  themeBox->setSelStart(0);
  themeBox->setSelLength(kThemePromptSelection);
  store_.FromBuilder = false;
  store_.NamedAssignment = false;
}

void AssignmentBuilderWindow::onCloseClicked() { Unload(); }

void AssignmentBuilderWindow::onClearAllClicked() {
  if (quillora_.MsgBox(kClearAll, platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) != platform::vbYes) {
    return;
  }
  introductionBox->setText(QString());
  for (std::size_t idea = 0; idea < mainIdeaBoxes.size(); ++idea) {
    mainIdeaBoxes[idea]->setText(QString());
    for (TextBox* detail : detailBoxes[idea]) detail->setText(QString());
  }
  conclusionBox->setText(QString());
  // The writing of a file opened here goes too, or a new outline would be saved with it.
  studentName_.clear();
  paragraphs_ = {};
  themeBox->setFocus();
  themeBox->setText(kThemePrompt);
  themeBox->setSelLength(kThemePromptSelection);
}

void AssignmentBuilderWindow::onHelpClicked() { quillora_.MsgBox(kHelp, platform::vbInformation); }

void AssignmentBuilderWindow::onUseOutlineClicked() {
  if (outline().started() && !store_.NamedAssignment && store_.BuilderSaved != 1) {
    const int answer = quillora_.MsgBox(kSaveBlankCopy, platform::vbYesNoCancel);
    if (answer == platform::vbCancel) return;
    // Whatever the save did, saved, cancelled or refused, the outline goes over.
    if (answer == platform::vbYes) onSaveClicked();
  }
  if (!outlineStarted(QStringLiteral("use"))) return;
  if (!workspaceMayTakeOutline()) return;
  handOver();
}

// Answering No leaves the workspace, the store and this window as they were.
bool AssignmentBuilderWindow::workspaceMayTakeOutline() {
  platform::Forms& forms = quillora_.forms();
  if (!forms.isLoaded<WorkspaceWindow>() || !forms.get<WorkspaceWindow>().holdsAssignment()) {
    return true;
  }
  return quillora_.MsgBox(kReplaceWorkspaceAssignment, platform::vbYesNo | platform::vbQuestion,
                          QStringLiteral("Quillora")) == platform::vbYes;
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
  // The outline replaces the workspace's assignment with the paragraphs of the file it came
  // from, none when it was typed here; the name stays when the builder has none to give.
  if (!studentName_.isEmpty()) store_.StudentName = studentName_;
  store_.IntroParagraph = paragraphs_[0];
  store_.MainIdea1Paragraph = paragraphs_[1];
  store_.MainIdea2Paragraph = paragraphs_[2];
  store_.MainIdea3Paragraph = paragraphs_[3];
  store_.ConclusionParagraph = paragraphs_[4];
  store_.FromBuilder = true;

  platform::Forms& forms = quillora_.forms();
  // A workspace that is loading takes the outline as it loads; one already open takes it now
  // (its assignment, if any, was given up above).
  const bool workspaceOpen = forms.isLoaded<WorkspaceWindow>();
  WorkspaceWindow& workspace = forms.get<WorkspaceWindow>();
  if (workspaceOpen) workspace.OpenAssignment();
  workspace.Show();
  Unload();
}

}  // namespace essay
