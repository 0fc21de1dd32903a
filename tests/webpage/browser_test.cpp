// Opens a built page in headless Chromium, when it is installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "support/fixture.h"
#include "webpage/editor_window.h"
#include "webpage/webloom.h"

namespace {

using webpage::EditorWindow;

constexpr int kTimeLimitMs = 90000;

QString chromium() {
  for (const char* name : {"chromium", "chromium-browser"}) {
    const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!found.isEmpty()) return found;
  }
  return QString();
}

class BrowserTest : public testing_support::RuntimeTest {
 protected:
  QString path(const QString& name) const {
    return QDir(testing_support::testRoot()).filePath(name);
  }

  // Runs Chromium headless on the page with `arguments`; its standard output.
  QByteArray runBrowser(const QString& page, QStringList arguments) {
    QProcess browser;
    arguments = QStringList{"--headless", "--no-sandbox", "--disable-gpu",
                            "--user-data-dir=" + profile.path()} +
                arguments + QStringList{QUrl::fromLocalFile(page).toString()};
    browser.start(chromium(), arguments);
    EXPECT_TRUE(browser.waitForFinished(kTimeLimitMs)) << "the browser did not finish in time";
    if (browser.state() != QProcess::NotRunning) browser.kill();
    browser.waitForFinished();
    return browser.readAllStandardOutput();
  }

  webpage::Webloom webloom{*runtime};
  QTemporaryDir profile;
};

TEST_F(BrowserTest, TheSavedPageOpensAndEveryLinkResolvesInItsFolder) {
  if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed";
  EditorWindow& editor = webloom.forms().get<EditorWindow>();
  const QString picture = writeFile("pictures/my \"dog\" #1 a\\b.jpg", "JPEG");
  webloom.links = {writeFile("me/about Zoë.html", "<p>me</p>"), writeFile("sound/café.wav", "RIFF"),
                   "Hear it"};
  editor.textBox->setText("My dog Rex\r\nlikes x<y & bones. Smile: \u263A");
  editor.textBox->setSelStart(7);
  editor.textBox->setSelLength(3);
  interaction->answerSave(picture);
  editor.linkButton->click();
  editor.titleBarBox->setText("Class 5");
  editor.paperTitleBox->setText("My Dog");
  editor.authorBox->setText("Zoë Lee");
  QDir().mkpath(path("web"));
  interaction->answerFolder(path("web")).answerMessage(platform::vbOK);
  editor.saveHtmlButton->click();
  const QString folder = path("web/My Dog");
  const QString page = folder + "/click_me.html";
  ASSERT_TRUE(QFileInfo::exists(page));

  const QString screenshot = path("page.png");
  runBrowser(page, {"--window-size=800,600", "--screenshot=" + screenshot});
  EXPECT_GT(QFileInfo(screenshot).size(), 0) << "no screenshot was taken";

  const QString dom = QString::fromUtf8(runBrowser(page, {"--dump-dom"}));
  EXPECT_TRUE(dom.contains("Zoë Lee")) << dom.toStdString();
  EXPECT_TRUE(dom.contains("x&lt;y &amp; bones")) << dom.toStdString();
  EXPECT_TRUE(dom.contains("\u263A"));
  static const QRegularExpression kTargets(R"re((?:href|action)="([^"]*)")re",
                                           QRegularExpression::CaseInsensitiveOption);
  // Each address resolved against the page, as the browser follows it.
  QStringList targets;
  for (const auto& match : kTargets.globalMatch(dom)) {
    targets.append(QUrl::fromLocalFile(page).resolved(QUrl(match.captured(1))).toLocalFile());
  }
  EXPECT_EQ((QStringList{folder + "/about Zoë.html", folder + "/café.wav",
                         folder + "/my \"dog\" #1 a\\b.jpg"}),
            targets)
      << dom.toStdString();
  for (const QString& target : targets)
    EXPECT_TRUE(QFileInfo(target).isFile()) << target.toStdString();
}

}  // namespace
