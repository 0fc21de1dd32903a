#pragma once

#include <QString>
#include <vector>

#include "webpage/link_table.h"

namespace webpage {

// What a page is made of: the three fields, the document's plain text (CR LF line breaks) with
// its link marks, and the author and audio files chosen for the page.
struct PageContent {
  QString titleBar;
  QString paperTitle;
  QString author;
  QString text;
  QString authorLinkFile;
  QString audioFile;
  QString audioButtonCaption;
};

// A linked file, to be copied beside the page under the name the page links it by, which no
// other file of the page has.
struct FileCopy {
  QString source;
  QString fileName;
  bool operator==(const FileCopy&) const = default;
};

struct BuiltPage {
  QString html;  // one line, without its line end
  // The author file, the audio file, then the file of every row ever linked, in row order.
  std::vector<FileCopy> copies;
};

// The page's file name inside its folder.
inline const QString kPageFileName = QStringLiteral("click_me.html");

// Builds the page. The rows linked are marked so in the table, and stay so for later pages.
// The page is plain ASCII: markup characters in the texts are escaped and every other character
// is written as a character reference, so a browser shows it whatever encoding it assumes.
BuiltPage BuildPage(const PageContent& content, LinkTable& links);

// The bytes of the page file: the page and a CR LF.
QByteArray PageFileBytes(const BuiltPage& page);

}  // namespace webpage
