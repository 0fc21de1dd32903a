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

// "dog.jpg", then "dog (2).jpg", "dog (3).jpg" and so on.
QString numberedName(const QString& fileName, int number) {
  if (number == 1) return fileName;
  qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  if (dot <= 0) dot = fileName.size();
  return fileName.left(dot) + QStringLiteral(" (%1)").arg(number) + fileName.mid(dot);
}

// Each linked file gets a name of its own in the page folder: files of the same name from
// different folders are numbered, without regard to case, so the folder also holds them apart on
// disks that ignore it; no file takes the page's own name.
class PageFiles {
 public:
  void add(const QString& path) {
    if (std::any_of(copies_.cbegin(), copies_.cend(),
                    [&](const FileCopy& copy) { return copy.source == path; })) {
      return;  // the same file linked twice is copied once
    }
    QString name;
    for (int number = 1; name.isEmpty() || taken(name); ++number) {
      name = numberedName(fileNameOf(path), number);
    }
    copies_.push_back({path, name});
  }
  QString nameOf(const QString& path) const {
    const auto copy = std::find_if(copies_.cbegin(), copies_.cend(),
                                   [&](const FileCopy& each) { return each.source == path; });
    return copy == copies_.cend() ? fileNameOf(path) : copy->fileName;
  }
  const std::vector<FileCopy>& copies() const { return copies_; }

 private:
  bool taken(const QString& name) const {
    const auto same = [&](const QString& other) {
      return name.compare(other, Qt::CaseInsensitive) == 0;
    };
    return same(kPageFileName) || std::any_of(copies_.cbegin(), copies_.cend(),
                                              [&](const FileCopy& copy) {
                                                return same(copy.fileName);
                                              });
  }

  std::vector<FileCopy> copies_;
};

QString anchor(const QString& fileName, const QString& visibleHtml) {
  return QStringLiteral("<A HREF=\"") + addressOf(fileName) + QStringLiteral("\">") +
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

QString authorHeading(const PageContent& content, const PageFiles& files) {
  const QString author = textOf(content.author);
  const QString shown = content.authorLinkFile.isEmpty()
                            ? author
                            : anchor(files.nameOf(content.authorLinkFile), author);
  return QStringLiteral("<H2><CENTER>") + kRedFont + shown + kFontClose +
         QStringLiteral("</CENTER></H2>");
}

QString audioForm(const PageContent& content, const PageFiles& files) {
  if (content.audioFile.isEmpty()) return QString();
  return QStringLiteral("<FORM ACTION=\"") + addressOf(files.nameOf(content.audioFile)) +
         QStringLiteral("\"METHOD=GET><INPUT TYPE =submit VALUE=\"") +
         escaped(content.audioButtonCaption, false, true) + QStringLiteral("\"></FORM>");
}

// The text with every linked span made an anchor.
QString paragraphs(const QString& text, const QList<LinkSpan>& spans, const LinkTable& links,
                   const PageFiles& files) {
  QString out;
  qsizetype done = 0;
  for (const LinkSpan& span : spans) {
    const QString shown = text.mid(span.open + 1, span.close - span.open - 1);
    out += paragraphTextOf(text.mid(done, span.open - done));
    out += anchor(files.nameOf(links.row(span.row).filePath), paragraphTextOf(shown));
    done = span.close + 1;
  }
  out += paragraphTextOf(text.mid(done));
  return kParagraph + out + QStringLiteral("</P>");
}

// The author file, the audio file, then the file of every row ever linked, in row order.
PageFiles linkedFiles(const PageContent& content, const LinkTable& links) {
  PageFiles files;
  if (!content.authorLinkFile.isEmpty()) files.add(content.authorLinkFile);
  if (!content.audioFile.isEmpty()) files.add(content.audioFile);
  for (int index = 0; index < links.count(); ++index) {
    if (links.row(index).use == LinkRow::Use::Linked) files.add(links.row(index).filePath);
  }
  return files;
}

}  // namespace

BuiltPage BuildPage(const PageContent& content, LinkTable& links) {
  const QList<LinkSpan> spans = FindLinkSpans(content.text, links);
  for (const LinkSpan& span : spans) links.markLinked(span.row);
  const PageFiles files = linkedFiles(content, links);
  BuiltPage page;
  page.html = kDocumentType + head(content) + paperHeading(content) +
              authorHeading(content, files) + audioForm(content, files) +
              paragraphs(content.text, spans, links, files) + QStringLiteral("</BODY></HTML>");
  page.copies = files.copies();
  return page;
}

QByteArray PageFileBytes(const BuiltPage& page) {
  return (page.html + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace webpage
