#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <vector>

namespace webpage {

// The character that opens and closes a linked span in the text.
inline constexpr QChar kLinkMark = u'`';

// One linked span: its text as selected and the file it points to, kept apart so that any
// characters in either survive.
struct LinkRow {
  enum class Use { Unused, Linked, Deleted };
  QString text;  // as selected, a trailing blank included
  QString filePath;
  // Linked once a page has linked a span to the row; from then on every page copies its file.
  Use use = Use::Unused;
};

// The links of the document: rows are handed out in order; once all are handed out, the row of
// a deleted link is handed out again, so the table holds as many links as its rows.
class LinkTable {
 public:
  static constexpr int kCapacity = 100;

  // Takes the next row, else the first deleted one; false when every row holds a link.
  bool add(const QString& text, const QString& filePath);
  bool full() const;
  // The rows handed out, deleted ones included.
  int count() const { return static_cast<int>(rows_.size()); }
  const LinkRow& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

  // The first row not deleted whose text, trimmed, is `text` trimmed; -1 when there is none.
  int find(const QString& text) const;
  void markLinked(int index);
  // Forgets the first row that find() gives for `text`; false when there is none.
  bool remove(const QString& text);
  void clear() { rows_.clear(); }

 private:
  std::vector<LinkRow> rows_;
};

// A linked span: the positions of its two marks in the text and its row.
struct LinkSpan {
  qsizetype open;
  qsizetype close;
  int row;
};

// The linked spans of `text`. Marks pair from the left; a pair whose text names no row is no
// link, and its closing mark is tried as the next opening one, so a mark typed by hand stays
// plain text and the links after it still pair up.
QList<LinkSpan> FindLinkSpans(const QString& text, const LinkTable& table);

}  // namespace webpage
