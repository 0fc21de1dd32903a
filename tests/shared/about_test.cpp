#include "shared/about_box.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/files/registry.h"
#include "support/fixture.h"

namespace {

using platform::Hive;
using shared::AboutBox;
using testing_support::PromptKind;

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

struct ProgramTexts {
  const char* title;
  const char* description;
  const char* disclaimer;
};

void PrintTo(const ProgramTexts& texts, std::ostream* os) { *os << texts.title; }

class AboutTest : public testing_support::RuntimeTest {
 protected:
  AboutBox& about(platform::Program& program) { return program.forms().get<AboutBox>(); }

  void store(Hive hive, const QString& key, const QString& name, const QString& text) {
    platform::RegValue value;
    value.type = platform::kRegString;
    value.text = text;
    ASSERT_EQ(runtime->registry().createKey(hive, key), platform::kRegSuccess);
    ASSERT_EQ(runtime->registry().setValue(hive, key, name, value), platform::kRegSuccess);
  }

  void storeNumber(Hive hive, const QString& key, const QString& name, quint32 number) {
    platform::RegValue value;
    value.type = platform::kRegNumber;
    value.number = number;
    ASSERT_EQ(runtime->registry().createKey(hive, key), platform::kRegSuccess);
    ASSERT_EQ(runtime->registry().setValue(hive, key, name, value), platform::kRegSuccess);
  }

  void expectUnavailableShown(const QString& title) {
    const auto messages = interaction->prompts(PromptKind::MessageBox);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kUnavailable);
    EXPECT_EQ(messages[0].title, title);
    EXPECT_EQ(messages[0].style, platform::vbOKOnly);
    EXPECT_TRUE(shell->started.isEmpty());
  }

  platform::Program quillora{*runtime, QStringLiteral("Quillora")};
};

class AboutTextsTest : public AboutTest, public ::testing::WithParamInterface<ProgramTexts> {};

TEST_P(AboutTextsTest, ShowsTheProgramsOwnWords) {
  const ProgramTexts& texts = GetParam();
  const QString title = QString::fromUtf8(texts.title);
  platform::Program program{*runtime, title};
  AboutBox& box = about(program);

  EXPECT_EQ(box.Caption(), QStringLiteral("About ") + title);
  EXPECT_EQ(box.titleLabel->text(), title);
  EXPECT_EQ(box.descriptionLabel->text(), QString::fromUtf8(texts.description));
  EXPECT_EQ(box.disclaimerLabel->text(), QString::fromUtf8(texts.disclaimer));
  EXPECT_EQ(box.versionLabel->text(), QStringLiteral("Version %1.%2.%3")
                                          .arg(SCRIBARY_VERSION_MAJOR)
                                          .arg(SCRIBARY_VERSION_MINOR)
                                          .arg(SCRIBARY_VERSION_PATCH));
  EXPECT_EQ(box.okButton->text(), QStringLiteral("OK"));
  EXPECT_EQ(box.systemInfoButton->text(), QStringLiteral("&System Info..."));
  EXPECT_FALSE(box.iconPicture->pixmap().isNull());
  EXPECT_FALSE(box.iconPicture->accessibleName().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, AboutTextsTest,
    ::testing::Values(
        ProgramTexts{"Quillora",
                     "Quillora provides a framework for writing. Students, teachers or anyone "
                     "else can create an outline and then use and modify it as the writing "
                     "project proceeds.",
                     "Warning: ...Your written ideas may be more organized, developed and lucid "
                     "than ever before."},
        ProgramTexts{"Webloom",
                     "Webloom is a web page creator. The web pages  have a title, author, "
                     "optional audio button, and text. Behind the links you create can be audio, "
                     "video, graphic or text files. All linked files are copied to a single "
                     "folder which can be made portable by copying to a floppy disk or cd "
                     "depending the size of your project.",
                     "Warning: ...This program may get you excited about writing. Expand your "
                     "writing with the sound of your own voice reading the text. Illustrate your "
                     "stories. Create mysteries and provide links to clues. Get carried away."},
        ProgramTexts{"Voxlet!",
                     "This program was written for the purpose of proofreading. Students and "
                     "others may compose and listen to their drafts. Use this program as an aid "
                     "to strong grammar, as well as focused content, developed and supported "
                     "details, clear organization, natural transitions and authentic voice and "
                     "tone.",
                     "Warning: ...If used properly this program may help produce  better writing "
                     "of all sorts."}));

TEST_F(AboutTest, OkUnloadsTheBoxAndTheNextTouchLoadsItAfresh) {
  AboutBox* first = &about(quillora);
  first->Show();
  first->okButton->click();
  EXPECT_FALSE(quillora.forms().isLoaded<AboutBox>());
  processEvents();
  EXPECT_EQ(about(quillora).Caption(), QStringLiteral("About Quillora"));
}

TEST_F(AboutTest, SystemInfoIsUnavailableWhenNoToolIsRegistered) {
  interaction->answerMessage(platform::vbOK);
  about(quillora).systemInfoButton->click();
  expectUnavailableShown(QStringLiteral("Quillora"));
  EXPECT_TRUE(quillora.forms().isLoaded<AboutBox>());
}

TEST_F(AboutTest, SystemInfoStartsTheRegisteredTool) {
  store(Hive::LocalMachine, kToolKey, QStringLiteral("PATH"), QStringLiteral("/opt/tools/sysinfo"));
  about(quillora).systemInfoButton->click();
  EXPECT_EQ(shell->started, QStringList{QStringLiteral("/opt/tools/sysinfo")});
}

TEST_F(AboutTest, SystemInfoReportsAToolThatWillNotStart) {
  store(Hive::LocalMachine, kToolKey, QStringLiteral("PATH"), QStringLiteral("/opt/tools/sysinfo"));
  shell->available = false;
  interaction->answerMessage(platform::vbOK);
  about(quillora).StartSysInfo();
  expectUnavailableShown(QStringLiteral("Quillora"));
}

TEST_F(AboutTest, SystemInfoStartsTheToolInTheRegisteredFolder) {
  const QString tool = writeFile(QStringLiteral("tools/msinfo32.exe"), "#!/bin/sh\n");
  store(Hive::LocalMachine, kLocationKey, QStringLiteral("MSINFO"),
        testing_support::testRoot() + QStringLiteral("/tools"));
  about(quillora).StartSysInfo();
  EXPECT_EQ(shell->started, QStringList{tool});
}

TEST_F(AboutTest, SystemInfoIsUnavailableWhenTheRegisteredFolderHasNoTool) {
  QDir(testing_support::testRoot()).mkpath(QStringLiteral("tools"));
  store(Hive::LocalMachine, kLocationKey, QStringLiteral("MSINFO"),
        testing_support::testRoot() + QStringLiteral("/tools"));
  interaction->answerMessage(platform::vbOK);
  about(quillora).StartSysInfo();
  expectUnavailableShown(QStringLiteral("Quillora"));
}

TEST_F(AboutTest, GetKeyValueReadsTextAndNumbers) {
  const QString key = QStringLiteral("SOFTWARE\\Scribary\\Test");
  store(Hive::LocalMachine, key, QStringLiteral("Text"), QStringLiteral("value"));
  store(Hive::CurrentUser, key, QStringLiteral("Text"), QStringLiteral("mine"));
  store(Hive::LocalMachine, key, QStringLiteral("Ends"), QStringLiteral("abc") + QChar(u'\0'));
  storeNumber(Hive::LocalMachine, key, QStringLiteral("Number"), 4294967295u);
  AboutBox& box = about(quillora);

  struct Case {
    long root;
    const char* name;
    const char* expected;
  };
  const Case cases[] = {{AboutBox::HKEY_LOCAL_MACHINE, "Text", "value"},
                        {AboutBox::HKEY_CURRENT_USER, "Text", "mine"},
                        {AboutBox::HKEY_LOCAL_MACHINE, "Ends", "abc"},
                        {AboutBox::HKEY_LOCAL_MACHINE, "Number", "4294967295"},
                        // The root as a signed 32-bit handle.
                        {-2147483646L, "Text", "value"}};
  for (const Case& c : cases) {
    QString value = QStringLiteral("before");
    EXPECT_TRUE(box.GetKeyValue(c.root, key, QString::fromLatin1(c.name), value)) << c.name;
    EXPECT_EQ(value, QString::fromLatin1(c.expected)) << c.name;
  }
}

TEST_F(AboutTest, GetKeyValueFailsWithAnEmptyResult) {
  const QString key = QStringLiteral("SOFTWARE\\Scribary\\Test");
  store(Hive::LocalMachine, key, QStringLiteral("Text"), QStringLiteral("value"));
  AboutBox& box = about(quillora);

  struct Case {
    long root;
    const char* key;
    const char* name;
  };
  const Case cases[] = {{AboutBox::HKEY_LOCAL_MACHINE, "SOFTWARE\\Scribary\\Test", "Missing"},
                        {AboutBox::HKEY_LOCAL_MACHINE, "SOFTWARE\\Scribary\\Nowhere", "Text"},
                        {AboutBox::HKEY_CURRENT_USER, "SOFTWARE\\Scribary\\Test", "Text"},
                        {0x80000000L, "SOFTWARE\\Scribary\\Test", "Text"},
                        {0, "SOFTWARE\\Scribary\\Test", "Text"}};
  for (const Case& c : cases) {
    QString value = QStringLiteral("before");
    EXPECT_FALSE(box.GetKeyValue(c.root, QString::fromLatin1(c.key), QString::fromLatin1(c.name),
                                 value))
        << c.key << " " << c.name;
    EXPECT_EQ(value, QString()) << c.key << " " << c.name;
  }
}

}  // namespace
