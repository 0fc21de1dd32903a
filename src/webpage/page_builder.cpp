#include "webpage/page_builder.h"

#include <QFileInfo>
#include <algorithm>

namespace webpage {
namespace {

const QString kDocumentType = QStringLiteral("<!DOCTYPE HTML PUBLIC\"-//W3CDTD HTML 3.0//EN\">");
const QString kBlueFont = QStringLiteral("<FONT COLOR=\"#0000CD\">");
const QString kRedFont = QStringLiteral("<FONT COLOR=\"#DC143C\">");
const QString kFontClose = QStringLiteral("</FONT>");
const QString kParagraph = QStringLiteral("<P>");

// Markup characters as entities, anything beyond ASCII as a character reference; with
// `paragraphs`, each CR starts a paragraph (the LF after it stays).
QString escaped(const QString& text, bool paragraphs, bool inAttribute) {
  QString out;
  out.reserve(text.size());
  for (const char32_t c : text.toUcs4()) {
    if (c == U'&') {
      out += QStringLiteral("&amp;");
    } else if (c == U'<') {
      out += QStringLiteral("&lt;");
    } else if (c == U'>') {
      out += QStringLiteral("&gt;");
    } else if (c == U'"' && inAttribute) {
      out += QStringLiteral("&quot;");
    } else if (c == U'\r' && paragraphs) {
      out += kParagraph;
    } else if (c == U'\uFFFC') {
      // Where a picture stands in the text: the page carries only the words.
    } else if (c < 0x80) {
      out += QChar(static_cast<char16_t>(c));
    } else {
      out += QStringLiteral("&#%1;").arg(static_cast<quint32>(c));
    }
  }
  return out;
}

QString textOf(const QString& text) { return escaped(text, false, false); }
QString paragraphTextOf(const QString& text) { return escaped(text, true, false); }

// A file name as a relative address: characters that end or escape an address, and anything
// beyond ASCII (as UTF-8), are percent-encoded; the rest stay as typed.
QString addressOf(const QString& fileName) {
  static const QByteArray kKeep = " !$'()*+,-.;=@_~";
  return QString::fromLatin1(fileName.toUtf8().toPercentEncoding(kKeep));
}

QString fileNameOf(const QString& path) { return QFileInfo(path).fileName(); }

QString anchor(const QString& path, const QString& visibleHtml) {
  return QStringLiteral("<A HREF=\"") + addressOf(fileNameOf(path)) + QStringLiteral("\">") +
         visibleHtml + QStringLiteral("</A>");
}

QString head(const PageContent& content) {
  return QStringLiteral("<HTML><HEAD><TITLE>") + textOf(content.titleBar) +
         QStringLiteral("</TITLE></HEAD>");
}

QString paperHeading(const PageContent& content) {
  return QStringLiteral("<BODY VLINK=\"BLUE\"><H1><CENTER>") + kBlueFont +
         textOf(content.paperTitle) + kFontClose + QStringLiteral("</CENTER></H1>");
}

QString authorHeading(const PageContent& content) {
  const QString author = textOf(content.author);
  const QString shown =
      content.authorLinkFile.isEmpty() ? author : anchor(content.authorLinkFile, author);
  return QStringLiteral("<H2><CENTER>") + kRedFont + shown + kFontClose +
         QStringLiteral("</CENTER></H2>");
}

QString audioForm(const PageContent& content) {
  if (content.audioFile.isEmpty()) return QString();
  return QStringLiteral("<FORM ACTION=\"") + addressOf(fileNameOf(content.audioFile)) +
         QStringLiteral("\"METHOD=GET><INPUT TYPE =submit VALUE=\"") +
         escaped(content.audioButtonCaption, false, true) + QStringLiteral("\"></FORM>");
}

// The text with every linked span made an anchor; the rows used are marked linked.
QString paragraphs(const QString& text, LinkTable& links) {
  QString out;
  qsizetype done = 0;
  for (const LinkSpan& span : FindLinkSpans(text, links)) {
    const QString shown = text.mid(span.open + 1, span.close - span.open - 1);
    out += paragraphTextOf(text.mid(done, span.open - done));
    out += anchor(links.row(span.row).filePath, paragraphTextOf(shown));
    links.markLinked(span.row);
    done = span.close + 1;
  }
  out += paragraphTextOf(text.mid(done));
  return kParagraph + out + QStringLiteral("</P>");
}

void addCopy(std::vector<FileCopy>& copies, const QString& path) {
  const FileCopy copy{path, fileNameOf(path)};
  // The same file linked twice is copied once.
  if (std::find(copies.begin(), copies.end(), copy) == copies.end()) copies.push_back(copy);
}

std::vector<FileCopy> linkedFiles(const PageContent& content, const LinkTable& links) {
  std::vector<FileCopy> copies;
  if (!content.authorLinkFile.isEmpty()) addCopy(copies, content.authorLinkFile);
  if (!content.audioFile.isEmpty()) addCopy(copies, content.audioFile);
  for (int index = 0; index < links.count(); ++index) {
    if (links.row(index).use == LinkRow::Use::Linked) addCopy(copies, links.row(index).filePath);
  }
  return copies;
}

}  // namespace

BuiltPage BuildPage(const PageContent& content, LinkTable& links) {
  BuiltPage page;
  page.html = kDocumentType + head(content) + paperHeading(content) + authorHeading(content) +
              audioForm(content) + paragraphs(content.text, links) + QStringLiteral("</BODY></HTML>");
  page.copies = linkedFiles(content, links);
  return page;
}

QByteArray PageFileBytes(const BuiltPage& page) {
  return (page.html + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace webpage
