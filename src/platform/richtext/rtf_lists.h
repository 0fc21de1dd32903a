#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTextListFormat>
#include <array>
#include <vector>

class QTextCursor;
class QTextDocument;
class QTextList;

// Lists as RTF marks them: old-style \pn paragraphs, and \ls paragraphs whose look the list
// table gives. Both become the document's lists.
namespace platform::rtf {

struct ListParagraph {
  int override = 0;  // \ls: the list override table's entry; 0 for none
  int level = 0;     // \ilvl
  QTextListFormat::Style numbering = QTextListFormat::ListStyleUndefined;  // from \pn
  bool numbered = false;  // \pn marks the paragraph as a list item
  bool ownGroup = false;  // the paragraph has a \pn group of its own, not one from before
  int start = 0;          // \pnstart: the number of the paragraph's item; 0 when not given
  bool operator==(const ListParagraph&) const = default;
};

class ListBuilder {
 public:
  // The list table: the numbering of one level of a list (\levelnfc), and which list an
  // override entry stands for.
  void defineLevel(int listId, int level, int numbering);
  void defineOverride(int override, int listId);

  // Makes the cursor's block an item of the list the paragraph belongs to. `marker` is the text
  // the file shows before the paragraph (\pntext, \listtext), which tells the kind of list
  // when nothing else does.
  void attach(QTextCursor& cursor, const ListParagraph& paragraph, const QString& marker);

  // A paragraph outside lists: old-style numbering starts again after it.
  void interrupt() { oldStyle_ = nullptr; }

 private:
  QTextListFormat::Style styleOf(const ListParagraph& paragraph, const QString& marker) const;
  QTextList* oldStyleList(const ListParagraph& paragraph, QTextListFormat::Style style) const;

  static constexpr int kLevels = 9;
  static int listKey(int override, int level) { return override * 16 + level; }
  QHash<int, std::array<int, kLevels>> levels_;  // list id -> \levelnfc of each level
  QHash<int, int> overrides_;                    // \ls -> list id
  QHash<int, QTextList*> lists_;                 // \ls and level -> the document's list
  QTextList* oldStyle_ = nullptr;             // the list the paragraph before belongs to
  std::vector<QTextList*> oldStyleLists_;
};

// The writer's side: each of the document's outermost lists, with the lists nested in it,
// becomes one list of the file's list table, so that word processors see one list with levels.
// A nested list joins only where a reader, numbering each level afresh after an item of a
// level above, gives back the same lists.
class ListTable {
 public:
  struct Place {
    int list = 0;   // \ls
    int level = 0;  // \ilvl
  };

  explicit ListTable(const QTextDocument& doc);

  Place placeOf(const QTextList& list) const { return places_.value(&list); }

  // The \listtable and \listoverridetable groups; empty when the document has no lists.
  QByteArray groups() const;

 private:
  static constexpr int kLevels = 9;

  struct Member {
    int level = 0;
    QTextListFormat::Style style = QTextListFormat::ListStyleUndefined;
    std::vector<int> paragraphs;  // the numbers of its blocks, in order
  };

  static bool canJoin(const std::vector<const Member*>& group, const Member& member);

  std::vector<std::array<QTextListFormat::Style, kLevels>> lists_;
  QHash<const QTextList*, Place> places_;
};

}  // namespace platform::rtf
