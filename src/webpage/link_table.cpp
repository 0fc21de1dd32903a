#include "webpage/link_table.h"

#include <algorithm>

namespace webpage {
namespace {

bool isDeleted(const LinkRow& row) { return row.use == LinkRow::Use::Deleted; }

}  // namespace

bool LinkTable::full() const {
  return count() >= kCapacity && std::none_of(rows_.cbegin(), rows_.cend(), isDeleted);
}

bool LinkTable::add(const QString& text, const QString& filePath) {
  const LinkRow made{text, filePath, LinkRow::Use::Unused};
  if (count() < kCapacity) {
    rows_.push_back(made);
    return true;
  }
  const auto deleted = std::find_if(rows_.begin(), rows_.end(), isDeleted);
  if (deleted == rows_.end()) return false;
  *deleted = made;
  return true;
}

int LinkTable::find(const QString& text) const {
  const QString wanted = text.trimmed();
  for (int index = 0; index < count(); ++index) {
    const LinkRow& candidate = row(index);
    if (!isDeleted(candidate) && candidate.text.trimmed() == wanted) return index;
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
