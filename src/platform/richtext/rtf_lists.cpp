#include "platform/richtext/rtf_lists.h"

#include <QTextCursor>
#include <QTextList>
#include <algorithm>

namespace platform::rtf {
namespace {

constexpr std::size_t kMaxEntries = 8192;
constexpr int kBullet = 23;  // \levelnfc of a bulleted level
constexpr int kNoNumber = 255;

QTextListFormat::Style styleOfNumbering(int nfc) {
  switch (nfc) {
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case kBullet: return QTextListFormat::ListDisc;
    case kNoNumber: return QTextListFormat::ListStyleUndefined;
    default: return QTextListFormat::ListDecimal;
  }
}

bool allOf(const QString& s, QStringView letters) {
  return std::all_of(s.begin(), s.end(), [&](QChar c) { return letters.contains(c); });
}

// "1." numbers, "a)" letters, "iv." roman numbers; anything else is a bullet.
QTextListFormat::Style styleOfMarker(const QString& marker) {
  QString mark = marker.trimmed();
  if (mark.isEmpty()) return QTextListFormat::ListDisc;
  const bool punctuated = mark.endsWith('.') || mark.endsWith(')');
  if (punctuated) mark.chop(1);
  if (mark.isEmpty()) return QTextListFormat::ListDisc;
  if (allOf(mark, u"0123456789")) return QTextListFormat::ListDecimal;
  if (!punctuated) return mark == u"o" ? QTextListFormat::ListCircle : QTextListFormat::ListDisc;
  if (allOf(mark, u"ivxl")) return QTextListFormat::ListLowerRoman;
  if (allOf(mark, u"IVXL")) return QTextListFormat::ListUpperRoman;
  if (mark.size() == 1 && mark[0].isLower()) return QTextListFormat::ListLowerAlpha;
  if (mark.size() == 1 && mark[0].isUpper()) return QTextListFormat::ListUpperAlpha;
  return QTextListFormat::ListDisc;
}

// The file's indents place the paragraph; the list adds none of its own.
QTextListFormat listFormat(const QTextCursor& cursor, QTextListFormat::Style style) {
  QTextListFormat format;
  format.setStyle(style);
  format.setIndent(cursor.blockFormat().leftMargin() > 0 ? 0 : 1);
  return format;
}

}  // namespace

void ListBuilder::defineLevel(int listId, int level, int numbering) {
  if (level < 0 || level >= kLevels) return;
  if (!levels_.contains(listId)) {
    if (std::size_t(levels_.size()) >= kMaxEntries) return;
    std::array<int, kLevels> decimal{};
    levels_.insert(listId, decimal);
  }
  levels_[listId][std::size_t(level)] = numbering;
}

void ListBuilder::defineOverride(int override, int listId) {
  if (overrides_.contains(override) || std::size_t(overrides_.size()) < kMaxEntries)
    overrides_.insert(override, listId);
}

QTextListFormat::Style ListBuilder::styleOf(const ListParagraph& p, const QString& marker) const {
  if (p.numbering != QTextListFormat::ListStyleUndefined) return p.numbering;
  if (p.override > 0) {
    const auto list = levels_.constFind(overrides_.value(p.override, -1));
    if (list != levels_.constEnd())
      return styleOfNumbering((*list)[std::size_t(std::clamp(p.level, 0, kLevels - 1))]);
  }
  return styleOfMarker(marker);
}

// An old-style item continues the list before it; one that gives its number continues the list
// that ends just before that number, and one numbered 1 with a \pn of its own starts a list.
QTextList* ListBuilder::oldStyleList(const ListParagraph& p, QTextListFormat::Style style) const {
  if (p.ownGroup && p.start > 1) {
    for (auto it = oldStyleLists_.rbegin(); it != oldStyleLists_.rend(); ++it) {
      if ((*it)->format().style() == style && (*it)->count() == p.start - 1) return *it;
    }
    return nullptr;
  }
  if (p.ownGroup && p.start == 1) return nullptr;
  return oldStyle_ != nullptr && oldStyle_->format().style() == style ? oldStyle_ : nullptr;
}

void ListBuilder::attach(QTextCursor& cursor, const ListParagraph& p, const QString& marker) {
  const QTextListFormat::Style style = styleOf(p, marker);
  if (style == QTextListFormat::ListStyleUndefined) return interrupt();
  if (p.override <= 0) {
    oldStyle_ = oldStyleList(p, style);
    if (oldStyle_ != nullptr) {
      oldStyle_->add(cursor.block());
    } else {
      oldStyle_ = cursor.createList(listFormat(cursor, style));
      oldStyleLists_.push_back(oldStyle_);
    }
    return;
  }
  QTextList*& list = lists_[p.override * 16 + std::clamp(p.level, 0, kLevels - 1)];
  if (list != nullptr && list->format().style() == style) list->add(cursor.block());
  else list = cursor.createList(listFormat(cursor, style));
}

}  // namespace platform::rtf
