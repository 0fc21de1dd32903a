#include "webpage/page_builder.h"

#include <gtest/gtest.h>

namespace {

using webpage::BuildPage;
using webpage::FileCopy;
using webpage::LinkRow;
using webpage::LinkTable;
using webpage::PageContent;

const QString kHead = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC\"-//W3CDTD HTML 3.0//EN\"><HTML><HEAD><TITLE>Essays</TITLE></HEAD>"
    "<BODY VLINK=\"BLUE\"><H1><CENTER><FONT COLOR=\"#0000CD\">My Dog</FONT></CENTER></H1>");
const QString kAuthor =
    QStringLiteral("<H2><CENTER><FONT COLOR=\"#DC143C\">Ann Lee</FONT></CENTER></H2>");

PageContent content(const QString& text) {
  PageContent page;
  page.titleBar = "Essays";
  page.paperTitle = "My Dog";
  page.author = "Ann Lee";
  page.text = text;
  return page;
}

QString build(const PageContent& page, LinkTable& links) { return BuildPage(page, links).html; }
QString build(const QString& text) {
  LinkTable links;
  return build(content(text), links);
}

TEST(PageBuilderTest, APlainPageIsOneLineOfTheFixedPiecesJoined) {
  EXPECT_EQ(kHead + kAuthor + "<P>Rex is a dog.</P></BODY></HTML>", build("Rex is a dog."));
  LinkTable links;
  const webpage::BuiltPage page = BuildPage(content("x"), links);
  EXPECT_EQ((page.html + "\r\n").toUtf8(), webpage::PageFileBytes(page));
  EXPECT_TRUE(page.copies.empty());
}

TEST(PageBuilderTest, EachCarriageReturnStartsAParagraphAndTheLineFeedStays) {
  EXPECT_EQ(kHead + kAuthor + "<P>One.<P>\nTwo.<P>\n<P>\nThree.</P></BODY></HTML>",
            build("One.\r\nTwo.\r\n\r\nThree."));
  // Far more than a hundred paragraphs each get their mark.
  QString text;
  for (int n = 0; n < 150; ++n) text += "p\r\n";
  EXPECT_EQ(1 + 150, build(text).count("<P>"));
  EXPECT_FALSE(build(text).contains('\r'));
}

TEST(PageBuilderTest, TheAuthorLinkAndTheAudioFormHaveTheirExactForm) {
  PageContent page = content("Hi.");
  page.authorLinkFile = "/home/ann/me/about me.html";
  page.audioFile = "/home/ann/sounds/bark.wav";
  page.audioButtonCaption = "Hear Rex";
  LinkTable links;
  const webpage::BuiltPage built = BuildPage(page, links);
  EXPECT_EQ(kHead +
                "<H2><CENTER><FONT COLOR=\"#DC143C\"><A HREF=\"about me.html\">Ann Lee</A></FONT>"
                "</CENTER></H2>"
                "<FORM ACTION=\"bark.wav\"METHOD=GET><INPUT TYPE =submit VALUE=\"Hear Rex\"></FORM>"
                "<P>Hi.</P></BODY></HTML>",
            built.html);
  const std::vector<FileCopy> expected = {{"/home/ann/me/about me.html", "about me.html"},
                                          {"/home/ann/sounds/bark.wav", "bark.wav"}};
  EXPECT_EQ(expected, built.copies);
  // A second build gives the same page, with the author's name as typed then.
  page.author = "Ann B. Lee";
  EXPECT_TRUE(build(page, links).contains("<A HREF=\"about me.html\">Ann B. Lee</A>"));
  EXPECT_EQ(1, build(page, links).count("<FORM"));
}

TEST(PageBuilderTest, MarkedSpansBecomeAnchorsAndTheirRowsStayLinked) {
  LinkTable links;
  ASSERT_TRUE(links.add("Rex ", "/pics/rex.jpg"));  // selected with its trailing blank
  ASSERT_TRUE(links.add("ball", "/pics/ball.png"));
  ASSERT_TRUE(links.add("cat", "/pics/cat.png"));
  const webpage::BuiltPage page = BuildPage(content("`Rex` likes his `ball`."), links);
  EXPECT_EQ(kHead + kAuthor +
                "<P><A HREF=\"rex.jpg\">Rex</A> likes his <A HREF=\"ball.png\">ball</A>.</P>"
                "</BODY></HTML>",
            page.html);
  const std::vector<FileCopy> expected = {{"/pics/rex.jpg", "rex.jpg"},
                                          {"/pics/ball.png", "ball.png"}};
  EXPECT_EQ(expected, page.copies);
  EXPECT_EQ(LinkRow::Use::Unused, links.row(2).use);
  // The same file linked from two spans is copied once.
  links.add("his", "/pics/ball.png");
  EXPECT_EQ(expected, BuildPage(content("`his` `ball`"), links).copies);
  // Once linked, a row's file is copied by later pages too.
  EXPECT_EQ(expected, BuildPage(content("No links now."), links).copies);
}

TEST(PageBuilderTest, FilesOfTheSameNameFromDifferentFoldersEachGetANameOfTheirOwn) {
  PageContent page = content("`Rex` and `Max` and `Bo` and `Al`");
  page.audioFile = "/sounds/Dog.JPG";
  LinkTable links;
  links.add("Rex", "/files/dog.jpg");
  links.add("Max", "/other/dog.jpg");
  links.add("Bo", "/files/dog.jpg");
  links.add("Al", "/web/click_me.html");
  const webpage::BuiltPage built = BuildPage(page, links);
  EXPECT_TRUE(built.html.contains("<P><A HREF=\"dog (2).jpg\">Rex</A> and <A HREF=\"dog (3).jpg\">"
                                  "Max</A> and <A HREF=\"dog (2).jpg\">Bo</A> and "
                                  "<A HREF=\"click_me (2).html\">Al</A></P>"))
      << built.html.toStdString();
  const std::vector<FileCopy> expected = {{"/sounds/Dog.JPG", "Dog.JPG"},
                                          {"/files/dog.jpg", "dog (2).jpg"},
                                          {"/other/dog.jpg", "dog (3).jpg"},
                                          {"/web/click_me.html", "click_me (2).html"}};
  EXPECT_EQ(expected, built.copies);
}

TEST(PageBuilderTest, ALoneOrUnknownMarkStaysTextAndLaterLinksStillPair) {
  LinkTable links;
  links.add("ball", "/pics/ball.png");
  EXPECT_EQ(kHead + kAuthor + "<P>It`s a <A HREF=\"ball.png\">ball</A>.</P></BODY></HTML>",
            build(content("It`s a `ball`."), links));
  EXPECT_EQ(kHead + kAuthor + "<P>A <A HREF=\"ball.png\">ball</A> and a `</P></BODY></HTML>",
            build(content("A `ball` and a `"), links));
}

TEST(PageBuilderTest, EverySpanIsLinkedHoweverMany) {
  LinkTable links;
  QString text;
  for (int n = 0; n < 12; ++n) {
    links.add(QString("w%1").arg(n), QString("/f/%1.txt").arg(n));
    text += QString("`w%1` ").arg(n);
  }
  const QString page = build(content(text), links);
  EXPECT_EQ(12, page.count("<A HREF="));
  EXPECT_FALSE(page.contains('`'));
}

TEST(PageBuilderTest, TextIsEscapedAndNonAsciiBecomesCharacterReferences) {
  PageContent page = content("x<y & a&b > \"q\" caf\u00e9 \u20ac \U0001F600");
  page.titleBar = "A&B";
  page.paperTitle = "<b>";
  page.author = "Zo\u00eb";
  page.audioFile = "/s/\"odd\" #1?.wav";
  page.audioButtonCaption = "Say \"hi\"";
  LinkTable links;
  links.add("x<y", "/p/na\u00efve & <b>.txt");
  page.text = "`x<y` " + page.text;
  const QString html = build(page, links);
  EXPECT_TRUE(html.contains("<TITLE>A&amp;B</TITLE>"));
  EXPECT_TRUE(html.contains("#0000CD\">&lt;b&gt;</FONT>"));
  EXPECT_TRUE(html.contains("#DC143C\">Zo&#235;</FONT>"));
  EXPECT_TRUE(html.contains("ACTION=\"%22odd%22 %231%3F.wav\"METHOD"));
  EXPECT_TRUE(html.contains("VALUE=\"Say &quot;hi&quot;\">"));
  EXPECT_TRUE(html.contains("<A HREF=\"na%C3%AFve %26 %3Cb%3E.txt\">x&lt;y</A>"));
  EXPECT_TRUE(html.contains(" x&lt;y &amp; a&amp;b &gt; \"q\" caf&#233; &#8364; &#128512;</P>"));
  for (const QChar c : html) EXPECT_LT(c.unicode(), 0x80);
}

TEST(PageBuilderTest, APictureInTheTextLeavesNoMarkOnThePage) {
  const QString html = build("Owls\uFFFC hunt.");
  EXPECT_TRUE(html.contains("Owls hunt.</P>")) << html.toStdString();
  EXPECT_FALSE(html.contains("&#65532;"));
}

TEST(PageBuilderTest, LinksFarIntoALongTextWork) {
  LinkTable links;
  links.add("end", "/f/end.txt");
  const QString text = QString(40000, 'a') + "`end`";
  EXPECT_TRUE(
      build(content(text), links).endsWith("<A HREF=\"end.txt\">end</A></P></BODY></HTML>"));
}

TEST(LinkTableTest, HoldsAHundredRowsMatchesTrimmedAndForgetsDeletedOnes) {
  LinkTable links;
  for (int n = 0; n < LinkTable::kCapacity; ++n)
    ASSERT_TRUE(links.add(QString("w%1").arg(n), "/f"));
  EXPECT_TRUE(links.full());
  EXPECT_FALSE(links.add("more", "/f"));
  EXPECT_EQ(100, links.count());
  // A deleted row is handed out again once the table is full.
  EXPECT_TRUE(links.remove("w41"));
  EXPECT_TRUE(links.remove("w7"));
  EXPECT_FALSE(links.full());
  EXPECT_TRUE(links.add("more", "/more"));
  EXPECT_EQ(7, links.find("more"));
  EXPECT_TRUE(links.add("again", "/again"));
  EXPECT_EQ(41, links.find("again"));
  EXPECT_EQ(LinkRow::Use::Unused, links.row(41).use);
  EXPECT_TRUE(links.full());
  EXPECT_FALSE(links.add("too many", "/f"));
  EXPECT_EQ(100, links.count());

  LinkTable twice;
  twice.add("dog ", "/a");
  twice.add("dog", "/b");
  EXPECT_EQ(0, twice.find(" dog"));
  EXPECT_TRUE(twice.remove("dog"));
  EXPECT_EQ(1, twice.find("dog"));
  EXPECT_EQ(LinkRow::Use::Deleted, twice.row(0).use);
  EXPECT_TRUE(twice.remove("dog"));
  EXPECT_FALSE(twice.remove("dog"));
  EXPECT_EQ(-1, twice.find(""));
}

}  // namespace
