#include "shared/small_routines.h"

#include <QDir>
#include <QFile>
#include <climits>
#include <gtest/gtest.h>

#include "platform/windows/form.h"
#include "platform/windows/program.h"
#include "support/fixture.h"

namespace {

using shared::FileExists;
using shared::GetField;

struct FieldCase {
  const char* text;
  const char* delimiter;
  int first;
  int last;
  const char* expected;
};

// Line breaks shown escaped, so each case prints on one line.
std::string escaped(const char* text) {
  return QString::fromUtf8(text)
      .replace(QLatin1Char('\r'), QLatin1String("\\r"))
      .replace(QLatin1Char('\n'), QLatin1String("\\n"))
      .toStdString();
}

void PrintTo(const FieldCase& c, std::ostream* os) {
  *os << '"' << escaped(c.text) << "\" on \"" << c.delimiter << "\" fields " << c.first
      << " to " << c.last;
}

class GetFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(GetFieldTest, TakesTheFieldsAsked) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(GetField(QString::fromUtf8(c.text), QString::fromUtf8(c.delimiter), c.first, c.last),
            QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GetFieldTest,
    ::testing::Values(
        // Fields between delimiters, the last running to the end, none past it.
        FieldCase{"a@b@c", "@", 1, 1, "a"}, FieldCase{"a@b@c", "@", 2, 2, "b"},
        FieldCase{"a@b@c", "@", 3, 3, "c"}, FieldCase{"a@b@c", "@", 4, 4, ""},
        FieldCase{"a@b@c", "@", 9, 12, ""},
        // A range keeps the delimiters inside it and stops at the end of the text.
        FieldCase{"a@b@c", "@", 2, 3, "b@c"}, FieldCase{"a@b@c", "@", 1, 2, "a@b"},
        FieldCase{"a@b@c", "@", 2, 9, "b@c"}, FieldCase{"a@b@c", "@", 1, INT_MAX, "a@b@c"},
        FieldCase{"a@b@c", "@", INT_MAX, INT_MAX, ""},
        // A trailing delimiter leaves an empty last field; a leading one an empty first field.
        FieldCase{"a@b@c@", "@", 4, 4, ""}, FieldCase{"a@b@c@", "@", 3, 3, "c"},
        FieldCase{"@a@b", "@", 1, 1, ""}, FieldCase{"@a@b", "@", 2, 2, "a"},
        FieldCase{"a@@b", "@", 2, 2, ""}, FieldCase{"a@@b", "@", 3, 3, "b"},
        // Field numbers below range.
        FieldCase{"a@b@c", "@", 0, 0, "a"}, FieldCase{"a@b@c", "@", -7, -7, "a"},
        FieldCase{"a@b@c", "@", 0, 2, "a@b"}, FieldCase{"a@b@c", "@", 3, 1, "c"},
        FieldCase{"a@b@c", "@", 2, -1, "b"},
        // No delimiter: the whole text for any field.
        FieldCase{"abc", "@", 1, 1, "abc"}, FieldCase{"abc", "@", 5, 5, "abc"},
        FieldCase{"abc", "@", 2, 7, "abc"},
        // Empty text or delimiter.
        FieldCase{"", "@", 1, 1, ""}, FieldCase{"abc", "", 1, 1, ""}, FieldCase{"", "", 2, 2, ""},
        // Exact, case-sensitive search of the whole delimiter.
        FieldCase{"aXbxc", "x", 1, 1, "aXb"}, FieldCase{"aXbxc", "x", 2, 2, "c"},
        FieldCase{"one, two,three, four", ", ", 2, 2, "two,three"},
        FieldCase{"one, two,three, four", ", ", 3, 3, "four"},
        FieldCase{"one, two,three, four", ", ", 1, 2, "one, two,three"},
        // Overlapping matches of a longer delimiter count, yet never end a field before it starts.
        FieldCase{"a@@@b", "@@", 1, 1, "a"}, FieldCase{"a@@@b", "@@", 2, 2, "@b"},
        FieldCase{"a@@@b", "@@", 3, 3, "b"}, FieldCase{"a@@@b", "@@", 4, 4, ""},
        // The assignment file's layout: a leading backtick, line breaks inside values kept.
        FieldCase{"`Ann`Theme: x\r\n`Idea@d1@d2`\r\n", "`", 1, 1, ""},
        FieldCase{"`Ann`Theme: x\r\n`Idea@d1@d2`\r\n", "`", 3, 3, "Theme: x\r\n"},
        FieldCase{"`Ann`Theme: x\r\n`Idea@d1@d2`\r\n", "`", 5, 5, "\r\n"},
        FieldCase{"`Ann`Theme: x\r\n`Idea@d1@d2`\r\n", "`", 6, 6, ""},
        FieldCase{"Idea@d1@d2", "@", 3, 3, "d2"}, FieldCase{"Idea@d1@d2", "@", 5, 5, ""}));

TEST(GetFieldLongText, ServesTextsBeyondSixteenBitPositions) {
  const QString first(40000, QLatin1Char('x'));
  const QString second(50000, QLatin1Char('y'));
  const QString text = first + QLatin1Char('`') + second + QStringLiteral("`tail");
  EXPECT_EQ(GetField(text, QStringLiteral("`"), 1, 1), first);
  EXPECT_EQ(GetField(text, QStringLiteral("`"), 2, 2), second);
  EXPECT_EQ(GetField(text, QStringLiteral("`"), 3, 3), QStringLiteral("tail"));
  EXPECT_EQ(GetField(text, QStringLiteral("`"), 2, 3), second + QStringLiteral("`tail"));
}

class FileExistsTest : public testing_support::RuntimeTest {
 protected:
  QString root() const { return testing_support::testRoot(); }
};

TEST_F(FileExistsTest, FindsFilesAndFolders) {
  const QString file = writeFile(QStringLiteral("notes.txt"), "text");
  const QString hidden = writeFile(QStringLiteral(".hidden"), "");
  const QString empty = writeFile(QStringLiteral("empty file"), "");
  QDir(root()).mkpath(QStringLiteral("Folder/Inner"));

  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(hidden));
  EXPECT_TRUE(FileExists(empty));
  EXPECT_TRUE(FileExists(root() + QStringLiteral("/Folder")));
  EXPECT_TRUE(FileExists(root() + QStringLiteral("/Folder/Inner/")));
  EXPECT_TRUE(FileExists(root()));
}

TEST_F(FileExistsTest, CountsReadOnlyAndUnreadableFiles) {
  const QString file = writeFile(QStringLiteral("locked.ql"), "x");
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions()));
  EXPECT_TRUE(FileExists(file));
  QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(FileExistsTest, CountsALinkWhoseTargetIsGone) {
  const QString link = root() + QStringLiteral("/dangling");
  ASSERT_TRUE(QFile::link(root() + QStringLiteral("/nowhere"), link));
  EXPECT_TRUE(FileExists(link));
}

TEST_F(FileExistsTest, OddNamesWork) {
  for (const QString& name : {QStringLiteral("two  blanks .ql"), QStringLiteral("caf\u00e9 \u20ac.ql"),
                              QStringLiteral("back\\slash.ql"), QStringLiteral("-dash"),
                              QStringLiteral("semi;colon`tick@at.ql")}) {
    const QString path = writeFile(name, "x");
    EXPECT_TRUE(FileExists(path)) << name.toStdString();
  }
}

TEST_F(FileExistsTest, AnythingUnreachableIsFalse) {
  const QString file = writeFile(QStringLiteral("notes.txt"), "text");
  const QStringList paths{
      QString(),
      root() + QStringLiteral("/missing.ql"),
      root() + QStringLiteral("/missing folder/notes.txt"),
      file + QStringLiteral("/"),               // a file is no folder
      file + QStringLiteral("/inner.txt"),
      file + QChar(u'\0') + QStringLiteral("x"),  // cut short at the system boundary otherwise
      QStringLiteral("C:\\Scribary Files\\essay.ql"),
      root() + QLatin1Char('/') + QString(5000, QLatin1Char('n')),
  };
  for (const QString& path : paths) {
    EXPECT_FALSE(FileExists(path)) << path.left(80).toStdString();
  }
}

class MinimizeFormTest : public testing_support::RuntimeTest {};

TEST_F(MinimizeFormTest, MinimisesAShownWindow) {
  platform::Program program{*runtime, QStringLiteral("Quillora")};
  platform::Form window{program};
  window.Show();
  window.setWindowStateValue(platform::vbMaximized);
  shared::MinimizeForm(window);
  EXPECT_EQ(window.WindowState(), platform::vbMinimized);
}

}  // namespace
