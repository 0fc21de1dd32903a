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

void ListBuilder::attach(QTextCursor& cursor, const ListParagraph& p, const QString& marker) {
  const QTextListFormat::Style style = styleOf(p, marker);
  if (style == QTextListFormat::ListStyleUndefined) return interrupt();
  // The file's indents place the paragraph; the list adds none of its own.
  QTextListFormat format;
  format.setStyle(style);
  format.setIndent(cursor.blockFormat().leftMargin() > 0 ? 0 : 1);

  const int key = p.override > 0 ? p.override * 16 + std::clamp(p.level, 0, kLevels - 1) : 0;
  QTextList*& list = p.override > 0 ? lists_[key] : oldStyle_;
  if (list != nullptr && list->format().style() == style && list->format().indent() == format.indent()) {
    list->add(cursor.block());
    return;
  }
  list = cursor.createList(format);
}

}  // namespace platform::rtf
