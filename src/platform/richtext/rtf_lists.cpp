#include "platform/richtext/rtf_lists.h"

#include "platform/richtext/rtf_formats.h"

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
QTextListFormat listFormat(const QTextCursor& cursor, QTextListFormat::Style style, int level) {
  QTextListFormat format;
  format.setStyle(style);
  format.setIndent(cursor.blockFormat().leftMargin() > 0 ? 0 : 1);
  format.setProperty(kListLevelProperty, level);
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
      oldStyle_ = cursor.createList(listFormat(cursor, style, 0));
      oldStyleLists_.push_back(oldStyle_);
    }
    return;
  }
  const int level = std::clamp(p.level, 0, kLevels - 1);
  // An item numbers the deeper levels of its list afresh, as word processors do.
  for (int deeper = level + 1; deeper < kLevels; ++deeper) lists_.remove(listKey(p.override, deeper));
  QTextList*& list = lists_[listKey(p.override, level)];
  if (list != nullptr && list->format().style() == style) list->add(cursor.block());
  else list = cursor.createList(listFormat(cursor, style, level));
}

namespace {

int levelOf(const QTextListFormat& format) {
  const int level = format.hasProperty(kListLevelProperty) ? format.intProperty(kListLevelProperty)
                                                           : format.indent() - 1;
  return std::clamp(level, 0, 8);
}

bool isBullet(QTextListFormat::Style style) {
  return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
         style == QTextListFormat::ListSquare;
}

int numberingOf(QTextListFormat::Style style) {
  switch (style) {
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    default: return isBullet(style) ? kBullet : 0;
  }
}

// A level numbered "1." shows its own number; a bulleted one a bullet. The marker hangs in
// front of the text, each level further in.
QByteArray levelGroup(int level, QTextListFormat::Style style) {
  const QByteArray nfc = QByteArray::number(numberingOf(style));
  QByteArray group = "{\\listlevel\\levelnfc" + nfc + "\\levelnfcn" + nfc +
                     "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1";
  if (isBullet(style))
    group += "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}";
  else
    group += "{\\leveltext\\'02\\'0" + QByteArray::number(level) + ".;}{\\levelnumbers\\'01;}";
  return group + "\\fi-360\\li" + QByteArray::number(720 * (level + 1)) + "}";
}

}  // namespace

// A nested list joins the file's list of the list around it unless that list already has a
// level of another kind there.
ListTable::Place ListTable::placeOf(const QTextList& list) {
  if (const auto found = places_.constFind(&list); found != places_.constEnd()) {
    current_ = found->list - 1;
    return *found;
  }
  const QTextListFormat::Style style = list.format().style();
  const int level = levelOf(list.format());
  const auto joins = [&](const Levels& levels) {
    const QTextListFormat::Style there = levels[std::size_t(level)];
    return there == QTextListFormat::ListStyleUndefined || there == style;
  };
  if (level == 0 || current_ < 0 || !joins(lists_[std::size_t(current_)])) {
    Levels unused;
    unused.fill(QTextListFormat::ListStyleUndefined);
    lists_.push_back(unused);
    current_ = int(lists_.size()) - 1;
  }
  lists_[std::size_t(current_)][std::size_t(level)] = style;
  const Place place{current_ + 1, level};
  places_.insert(&list, place);
  return place;
}

QByteArray ListTable::groups() const {
  if (lists_.empty()) return {};
  QByteArray table = "{\\*\\listtable";
  QByteArray overrides = "{\\*\\listoverridetable";
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    const QByteArray id = QByteArray::number(qsizetype(i + 1));
    table += "\r\n{\\list\\listtemplateid" + id;
    for (int level = 0; level < kLevels; ++level)
      table += levelGroup(level, lists_[i][std::size_t(level)]);
    table += "{\\listname ;}\\listid" + id + "}";
    overrides += "{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}";
  }
  return table + "}\r\n" + overrides + "}\r\n";
}

}  // namespace platform::rtf
