#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

namespace essay {

// Where two texts differ: `removed` characters of the older text from `start` were replaced by
// `inserted` characters of the newer one. Positions count UTF-16 units, CR LF as two.
struct TextChange {
  int start = 0;
  int removed = 0;
  int inserted = 0;
};

// The smallest change that turns `older` into `newer`. When a run of characters went in or out
// among equal neighbours ("hello" from "helo"), it could lie in several places; the caret
// decides, since typed text ends at it and deleted text started there. A change never starts or
// ends between the two characters of a line break or of a surrogate pair when it can avoid it.
TextChange findChange(const QString& older, const QString& newer, int caret);

// What an undo or a redo does to the box: replace `length` characters from `start` by `text`,
// then select `selLength` characters from `selStart`.
struct BoxEdit {
  int start = 0;
  int length = 0;
  QString text;
  int selStart = 0;
  int selLength = 0;
};

// Unlimited undo and redo over snapshots of a text and its caret. The newest snapshot is kept
// whole; every older one only as the range in which it differs from the next, so the memory
// grows with the size of the edits rather than with the size of the text.
class SnapshotHistory {
 public:
  // Adds a snapshot of the text after a change and forgets what was undone.
  void record(const QString& text, int caret);
  // Forgets the newest snapshot, as if it had never been recorded.
  void dropNewest();

  // Snapshots that describe the text now and before each change still to undo.
  int undoCount() const;
  // Snapshots taken off by undo, waiting to be redone.
  int redoCount() const { return static_cast<int>(redo_.size()); }
  bool canUndo() const { return undoCount() >= 2; }
  bool canRedo() const { return !redo_.empty(); }

  // Goes back one snapshot; nothing when there is no earlier one.
  std::optional<BoxEdit> undo();
  // Goes forward again to the snapshot undone last; nothing when there is none.
  std::optional<BoxEdit> redo();

  // The text of the newest snapshot ("" when there is none).
  const QString& text() const { return text_; }
  int caret() const { return caret_; }

  // The bytes the history holds, its own bookkeeping included.
  std::size_t byteCount() const;

 private:
  // The difference between two consecutive snapshots.
  struct Step {
    int start;
    QString before;  // the range in the older snapshot
    QString after;   // the range in the newer one
    int caretBefore;
    int caretAfter;
  };

  static BoxEdit editFor(int start, int replacedLength, const QString& restored);
  static std::size_t bytesOf(const Step& step);

  bool hasSnapshot_ = false;
  QString text_;
  int caret_ = 0;
  std::vector<Step> undo_;
  std::vector<Step> redo_;
};

}  // namespace essay
