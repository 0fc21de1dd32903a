#include "essay/snapshot_history.h"

#include <QArrayData>
#include <algorithm>
#include <iterator>

namespace essay {
namespace {

// Whether `at` falls between the two halves of a line break or of a surrogate pair.
bool splitsPair(const QString& text, qsizetype at) {
  if (at <= 0 || at >= text.size()) return false;
  const QChar before = text.at(at - 1);
  const QChar after = text.at(at);
  return (before == u'\r' && after == u'\n') ||
         (before.isHighSurrogate() && after.isLowSurrogate());
}

std::size_t heapBytes(const QString& text) {
  const qsizetype capacity = text.capacity();
  return capacity == 0 ? 0 : sizeof(QArrayData) + std::size_t(capacity) * sizeof(QChar);
}

}  // namespace

TextChange findChange(const QString& older, const QString& newer, int caret) {
  const qsizetype shorter = std::min(older.size(), newer.size());
  const QChar* a = older.constData();
  const QChar* b = newer.constData();
  const qsizetype prefix = std::mismatch(a, a + shorter, b).first - a;
  using Backwards = std::reverse_iterator<const QChar*>;
  const Backwards aEnd(a + older.size());
  const qsizetype suffix =
      std::mismatch(aEnd, Backwards(a + older.size() - shorter), Backwards(b + newer.size()))
          .first -
      aEnd;
  if (prefix + suffix < shorter) {
    return {int(prefix), int(older.size() - prefix - suffix), int(newer.size() - prefix - suffix)};
  }

  // One run went in or out; it may start anywhere from `lowest` to `highest`.
  const int removed = int(older.size() - shorter);
  const int inserted = int(newer.size() - shorter);
  const int lowest = int(shorter - suffix);
  const int highest = int(prefix);
  const int atCaret = std::clamp(inserted > 0 ? caret - inserted : caret, lowest, highest);
  const auto keepsPairs = [&](int start) {
    return !splitsPair(older, start) && !splitsPair(older, start + removed) &&
           !splitsPair(newer, start) && !splitsPair(newer, start + inserted);
  };
  for (const int start : {atCaret, atCaret - 1, atCaret + 1}) {
    if (start >= lowest && start <= highest && keepsPairs(start)) {
      return {start, removed, inserted};
    }
  }
  return {atCaret, removed, inserted};
}

void SnapshotHistory::record(const QString& text, int caret) {
  redo_.clear();
  if (hasSnapshot_) {
    const TextChange change = findChange(text_, text, caret);
    undo_.push_back({change.start, text_.mid(change.start, change.removed),
                     text.mid(change.start, change.inserted), caret_, caret});
  }
  hasSnapshot_ = true;
  text_ = text;
  caret_ = caret;
}

void SnapshotHistory::dropNewest() {
  if (undo_.empty()) {
    hasSnapshot_ = false;
    text_.clear();
    caret_ = 0;
    return;
  }
  const Step& step = undo_.back();
  text_.replace(step.start, step.after.size(), step.before);
  caret_ = step.caretBefore;
  undo_.pop_back();
}

int SnapshotHistory::undoCount() const {
  return hasSnapshot_ ? static_cast<int>(undo_.size()) + 1 : 0;
}

std::optional<BoxEdit> SnapshotHistory::undo() {
  if (!canUndo()) return std::nullopt;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  text_.replace(step.start, step.after.size(), step.before);
  caret_ = step.caretBefore;
  BoxEdit edit = editFor(step.start, int(step.after.size()), step.before);
  redo_.push_back(std::move(step));
  return edit;
}

std::optional<BoxEdit> SnapshotHistory::redo() {
  if (!canRedo()) return std::nullopt;
  Step step = std::move(redo_.back());
  redo_.pop_back();
  text_.replace(step.start, step.before.size(), step.after);
  caret_ = step.caretAfter;
  BoxEdit edit = editFor(step.start, int(step.before.size()), step.after);
  undo_.push_back(std::move(step));
  return edit;
}

// A single character or line break put back leaves the caret behind it, as typing would; a
// longer text put back stays selected so the student sees what returned.
BoxEdit SnapshotHistory::editFor(int start, int replacedLength, const QString& restored) {
  const int length = int(restored.size());
  const bool caretBehind = length <= 1 || restored == QLatin1String("\r\n");
  return {start, replacedLength, restored, caretBehind ? start + length : start,
          caretBehind ? 0 : length};
}

std::size_t SnapshotHistory::bytesOf(const Step& step) {
  return heapBytes(step.before) + heapBytes(step.after);
}

std::size_t SnapshotHistory::byteCount() const {
  std::size_t bytes = sizeof(*this) + heapBytes(text_) +
                      (undo_.capacity() + redo_.capacity()) * sizeof(Step);
  for (const Step& step : undo_) bytes += bytesOf(step);
  for (const Step& step : redo_) bytes += bytesOf(step);
  return bytes;
}

}  // namespace essay
