#include "shared/about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <cstdint>
#include <optional>

#include "platform/files/locations.h"
#include "platform/files/registry.h"
#include "shared/small_routines.h"

namespace shared {
namespace {

struct AboutTexts {
  const char* title;
  const char* description;
  const char* disclaimer;
};

// Each program's own words; the double blanks are theirs.
constexpr AboutTexts kTexts[] = {
    {"Quillora",
     "Quillora provides a framework for writing. Students, teachers or anyone else can create an "
     "outline and then use and modify it as the writing project proceeds.",
     "Warning: ...Your written ideas may be more organized, developed and lucid than ever before."},
    {"Lexorama",
     "Lexorama is designed to provide extensive practice and reporting for teachers, students, or "
     "others interested in vocabulary development. Every effort has been made to provide an "
     "effective format, an excessively simple interface, and an easy to use program. Enjoy!",
     "Warning: ...The use of this program may result in an improved vocabulary."},
    {"Webloom",
     "Webloom is a web page creator. The web pages  have a title, author, optional audio button, "
     "and text. Behind the links you create can be audio, video, graphic or text files. All "
     "linked files are copied to a single folder which can be made portable by copying to a "
     "floppy disk or cd depending the size of your project.",
     "Warning: ...This program may get you excited about writing. Expand your writing with the "
     "sound of your own voice reading the text. Illustrate your stories. Create mysteries and "
     "provide links to clues. Get carried away."},
    {"Voxlet!",
     "This program was written for the purpose of proofreading. Students and others may compose "
     "and listen to their drafts. Use this program as an aid to strong grammar, as well as "
     "focused content, developed and supported details, clear organization, natural transitions "
     "and authentic voice and tone.",
     "Warning: ...If used properly this program may help produce  better writing of all sorts."},
};

const AboutTexts* textsFor(const QString& title) {
  for (const AboutTexts& texts : kTexts) {
    if (title == QLatin1String(texts.title)) return &texts;
  }
  return nullptr;
}

constexpr int kIconPixels = 32;
constexpr int kMinimumWidthPixels = 420;
const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

std::optional<platform::Hive> hiveOf(long keyRoot) {
  // Callers may hand the root over as a signed 32-bit number, as the system declares it.
  switch (static_cast<std::uint32_t>(keyRoot)) {
    case static_cast<std::uint32_t>(AboutBox::HKEY_LOCAL_MACHINE):
      return platform::Hive::LocalMachine;
    case static_cast<std::uint32_t>(AboutBox::HKEY_CURRENT_USER):
      return platform::Hive::CurrentUser;
    default:
      return std::nullopt;
  }
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

AboutBox::AboutBox(platform::Program& program)
    : Form(program),
      iconPicture(new QLabel(this)),
      titleLabel(wrappedLabel(QString(), this)),
      versionLabel(wrappedLabel(QString(), this)),
      descriptionLabel(wrappedLabel(QString(), this)),
      disclaimerLabel(wrappedLabel(QString(), this)),
      okButton(new QPushButton(QStringLiteral("OK"), this)),
      systemInfoButton(new QPushButton(QStringLiteral("&System Info..."), this)) {
  if (const AboutTexts* texts = textsFor(program.title())) {
    descriptionLabel->setText(QString::fromUtf8(texts->description));
    disclaimerLabel->setText(QString::fromUtf8(texts->disclaimer));
  }
  layOut();
  on(okButton, &QPushButton::clicked, [this] { onOkClicked(); });
  on(systemInfoButton, &QPushButton::clicked, [this] { onSystemInfoClicked(); });
}

void AboutBox::layOut() {
  QIcon icon = QGuiApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  iconPicture->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
  iconPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  iconPicture->setAccessibleName(QStringLiteral("Program icon"));

  QFont titleFont = titleLabel->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
  titleLabel->setFont(titleFont);

  auto* text = new QVBoxLayout;
  text->addWidget(titleLabel);
  text->addWidget(versionLabel);
  text->addWidget(descriptionLabel);

  auto* top = new QHBoxLayout;
  top->addWidget(iconPicture, 0, Qt::AlignTop);
  top->addLayout(text, 1);

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(okButton);
  buttons->addWidget(systemInfoButton);
  buttons->addStretch();

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(disclaimerLabel, 1, Qt::AlignTop);
  bottom->addLayout(buttons);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->addLayout(top);
  column->addWidget(rule);
  column->addLayout(bottom);
  setCentralWidget(central);

  okButton->setDefault(true);
  okButton->setFocus();
  setMinimumWidth(kMinimumWidthPixels);
}

void AboutBox::load() {
  const QString& title = program().title();
  setCaption(QStringLiteral("About ") + title);
  versionLabel->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(SCRIBARY_VERSION_MAJOR)
                            .arg(SCRIBARY_VERSION_MINOR)
                            .arg(SCRIBARY_VERSION_PATCH));
  titleLabel->setText(title);
}

void AboutBox::onOkClicked() { Unload(); }

void AboutBox::onSystemInfoClicked() { StartSysInfo(); }

void AboutBox::StartSysInfo() {
  if (!startSysInfoTool()) {
    program().MsgBox(QStringLiteral("System Information Is Unavailable At This Time"),
                     platform::vbOKOnly);
  }
}

bool AboutBox::startSysInfoTool() {
  platform::Shell& shell = program().runtime().shell();
  QString toolPath;
  if (GetKeyValue(HKEY_LOCAL_MACHINE, kSysInfoKey, QStringLiteral("PATH"), toolPath)) {
    return shell.startProgram(toolPath);
  }
  QString toolFolder;
  if (GetKeyValue(HKEY_LOCAL_MACHINE, kSysInfoLocationKey, QStringLiteral("MSINFO"), toolFolder)) {
    const QString tool = platform::locations::resolve(toolFolder, QStringLiteral("MSINFO32.EXE"));
    if (FileExists(tool)) return shell.startProgram(tool);
  }
  return false;
}

bool AboutBox::GetKeyValue(long KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) {
  const std::optional<platform::Hive> hive = hiveOf(KeyRoot);
  const platform::Registry& registry = program().runtime().registry();
  platform::RegValue value;
  if (!hive || registry.openKey(*hive, KeyName) != platform::kRegSuccess ||
      registry.queryValue(*hive, KeyName, SubKeyRef, value) != platform::kRegSuccess) {
    KeyVal.clear();
    return false;
  }
  switch (value.type) {
    case platform::kRegString:
      KeyVal = value.text;
      if (KeyVal.endsWith(QChar(u'\0'))) KeyVal.chop(1);
      break;
    case platform::kRegNumber:
      KeyVal = QString::number(value.number);
      break;
    default:
      // Other kinds of data leave KeyVal as the caller gave it.
      break;
  }
  return true;
}

}  // namespace shared
