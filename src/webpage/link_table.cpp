#include "webpage/link_table.h"

namespace webpage {

bool LinkTable::add(const QString& text, const QString& filePath) {
  if (full()) return false;
  rows_.push_back({text, filePath, LinkRow::Use::Unused});
  return true;
}

int LinkTable::find(const QString& text) const {
  const QString wanted = text.trimmed();
  for (int index = 0; index < count(); ++index) {
    const LinkRow& candidate = row(index);
    if (candidate.use != LinkRow::Use::Deleted && candidate.text.trimmed() == wanted) return index;
  }
  return -1;
}

void LinkTable::markLinked(int index) {
  rows_.at(static_cast<std::size_t>(index)).use = LinkRow::Use::Linked;
}

bool LinkTable::remove(const QString& text) {
  const int index = find(text);
  if (index < 0) return false;
  rows_[static_cast<std::size_t>(index)] = {QString(), QString(), LinkRow::Use::Deleted};
  return true;
}

QList<LinkSpan> FindLinkSpans(const QString& text, const LinkTable& table) {
  QList<LinkSpan> spans;
  qsizetype open = text.indexOf(kLinkMark);
  while (open >= 0) {
    const qsizetype close = text.indexOf(kLinkMark, open + 1);
    if (close < 0) break;
    const int row = table.find(text.mid(open + 1, close - open - 1));
    if (row < 0) {
      open = close;
      continue;
    }
    spans.append({open, close, row});
    open = text.indexOf(kLinkMark, close + 1);
  }
  return spans;
}

}  // namespace webpage
