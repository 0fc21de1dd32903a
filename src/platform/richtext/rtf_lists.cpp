#include "platform/richtext/rtf_lists.h"

#include "platform/richtext/rtf_formats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <cstdint>

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

// Whether one of the paragraphs comes after `from` and before `to`.
bool hasParagraphBetween(const std::vector<int>& paragraphs, int from, int to) {
  const auto next = std::upper_bound(paragraphs.begin(), paragraphs.end(), from);
  return next != paragraphs.end() && *next < to;
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
  for (int deeper = level + 1; deeper < kLevels; ++deeper)
    lists_.remove(listKey(p.override, deeper));
  QTextList*& list = lists_[listKey(p.override, level)];
  if (list != nullptr && list->format().style() == style) list->add(cursor.block());
  else list = cursor.createList(listFormat(cursor, style, level));
}

ListTable::ListTable(const QTextDocument& doc) {
  std::vector<Member> members;
  std::vector<const QTextList*> listOf;   // the document's list of each member
  std::vector<std::size_t> memberBefore;  // the member of the list paragraph before each
  QHash<const QTextList*, std::size_t> found;
  std::size_t previous = SIZE_MAX;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QTextList* list = block.textList();
    if (list == nullptr) continue;
    auto at = found.constFind(list);
    if (at == found.constEnd()) {
      at = found.insert(list, members.size());
      members.push_back({levelOf(list->format()), list->format().style(), {}});
      listOf.push_back(list);
      memberBefore.push_back(previous);
    }
    members[*at].paragraphs.push_back(block.blockNumber());
    previous = *at;
  }
  std::vector<std::vector<const Member*>> groups;
  std::vector<std::size_t> groupOf(members.size());
  for (std::size_t m = 0; m < members.size(); ++m) {
    const Member& member = members[m];
    const std::size_t before = memberBefore[m];
    if (member.level > 0 && before != SIZE_MAX && canJoin(groups[groupOf[before]], member)) {
      groupOf[m] = groupOf[before];
    } else {
      groupOf[m] = groups.size();
      groups.emplace_back();
      lists_.emplace_back();
      lists_.back().fill(QTextListFormat::ListStyleUndefined);
    }
    groups[groupOf[m]].push_back(&member);
    lists_[groupOf[m]][std::size_t(member.level)] = member.style;
    places_.insert(listOf[m], {int(groupOf[m]) + 1, member.level});
  }
}

// A reader numbers a level afresh after each item of a level above and continues a level's
// numbering across items of deeper ones: a list joins where neither splits it nor one already
// there, nor runs it on from one of the same level.
bool ListTable::canJoin(const std::vector<const Member*>& group, const Member& member) {
  const int first = member.paragraphs.front();
  const int last = member.paragraphs.back();
  for (const Member* other : group) {
    if (other->level <= member.level && hasParagraphBetween(other->paragraphs, first, last))
      return false;
    if (other->level >= member.level &&
        hasParagraphBetween(member.paragraphs, other->paragraphs.front(), other->paragraphs.back()))
      return false;
    if (other->level != member.level) continue;
    if (other->style != member.style) return false;
    const bool separated = std::any_of(group.begin(), group.end(), [&](const Member* above) {
      return above->level < member.level &&
             hasParagraphBetween(above->paragraphs, other->paragraphs.back(), first);
    });
    if (!separated) return false;
  }
  return true;
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
