// The editor's unlimited undo on a 100 KB document: 10,000 single-character edits must stay
// under 20 MB of history, and one undo or redo must take well under a millisecond, both for the
// history alone and for the editor window editing its box.
#include <algorithm>
#include <memory>

#include "essay/editor_window.h"
#include "essay/quillora.h"
#include "essay/snapshot_history.h"
#include "platform/system/runtime.h"
#include "support/bench_main.h"

namespace {

constexpr int kDocumentChars = 100 * 1024;
constexpr int kEdits = 10000;
constexpr std::size_t kMegabyte = 1024 * 1024;
constexpr std::size_t kHistoryBudget = 20 * kMegabyte;
// The largest history a benchmark saw, for the summary.
std::size_t historyBytes = 0;

// About 100 KB of prose in paragraphs, CR LF between them as the box gives it.
QString document() {
  const QString paragraph = QStringLiteral(
      "The students wrote about their town, its museums and parks, which they visited in "
      "spring, and about the river that runs through it.\r\n");
  QString text;
  text.reserve(kDocumentChars + paragraph.size());
  while (text.size() < kDocumentChars) text += paragraph;
  return text;
}

// Edit number `i`: where it happens, spread over the document, and whether it types or deletes.
int editPosition(int i, qsizetype length) { return int((qint64(i) * 7919) % (length - 2)); }
bool typesAt(int i) { return i % 3 != 2; }

// A letter typed or one character deleted, as the box would report it afterwards.
void editText(QString& text, int i) {
  const int at = editPosition(i, text.size());
  if (typesAt(i)) {
    text.insert(at, u'x');
  } else {
    text.remove(at, 1);
  }
}

essay::SnapshotHistory historyOfEdits() {
  QString text = document();
  essay::SnapshotHistory history;
  history.record(QString(text.constData(), text.size()), 0);
  for (int i = 0; i < kEdits; ++i) {
    editText(text, i);
    // A fresh copy, as the box's Text() hands the editor a string of its own each time.
    history.record(QString(text.constData(), text.size()), editPosition(i, text.size()) + 1);
  }
  return history;
}

void reportHistory(benchmark::State& state, const essay::SnapshotHistory& history) {
  const std::size_t bytes = history.byteCount();
  historyBytes = std::max(historyBytes, bytes);
  state.counters["history_bytes"] = double(bytes);
  state.counters["bytes_per_edit"] = double(bytes - std::size_t(kDocumentChars) * 2) / kEdits;
  if (bytes >= kHistoryBudget) state.SkipWithError("the undo history takes 20 MB or more");
}

void recordTenThousandEdits(benchmark::State& state) {
  essay::SnapshotHistory history;
  for (auto _ : state) history = historyOfEdits();
  reportHistory(state, history);
}
BENCHMARK(recordTenThousandEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each iteration is one undo or one redo: all the way down the history, then all the way up.
template <class CanUndo, class Undo, class Redo>
void walkHistory(benchmark::State& state, CanUndo canUndo, Undo undo, Redo redo) {
  bool down = true;
  for (auto _ : state) {
    if (down && !canUndo()) down = false;
    if (down) {
      undo();
    } else if (!redo()) {
      down = true;
    }
  }
}

void undoOrRedo(benchmark::State& state) {
  essay::SnapshotHistory history = historyOfEdits();
  walkHistory(
      state, [&] { return history.canUndo(); }, [&] { return bool(history.undo()); },
      [&] { return bool(history.redo()); });
  reportHistory(state, history);
}
// Down and up the whole history once; the history is built once, outside the timing.
BENCHMARK(undoOrRedo)->Unit(benchmark::kMicrosecond)->Iterations(2 * kEdits);

// The editor window itself: its Undo and Redo edit the box and refresh the buttons and menus.
void editorUndoOrRedo(benchmark::State& state) {
  std::unique_ptr<platform::Runtime> runtime = platform::Runtime::desktop();
  essay::Quillora quillora(*runtime);
  quillora.store.EditorRTF = document();
  essay::EditorWindow& editor = quillora.forms().get<essay::EditorWindow>();
  platform::RichTextBox& box = *editor.documentBox;
  qsizetype length = box.Text().size();
  for (int i = 0; i < kEdits; ++i) {
    box.setSelStart(editPosition(i, length));
    box.setSelLength(typesAt(i) ? 0 : 1);
    box.setSelText(typesAt(i) ? QStringLiteral("x") : QString());
    length += typesAt(i) ? 1 : -1;
  }
  walkHistory(
      state, [&] { return editor.history().canUndo(); }, [&] { editor.Undo(); },
      [&] {
        if (!editor.history().canRedo()) return false;
        editor.Redo();
        return true;
      });
  reportHistory(state, editor.history());
}
BENCHMARK(editorUndoOrRedo)->Unit(benchmark::kMicrosecond)->Iterations(2 * kEdits);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    bench_support::printMeasure("undo history of 10,000 edits", double(historyBytes) / kMegabyte,
                                double(kHistoryBudget) / kMegabyte, "MB");
    bench_support::printTime(times, "one undo or redo (history)", "undoOrRedo/iterations:20000",
                             1e-3);
    bench_support::printTime(times, "one undo or redo (editor window)",
                             "editorUndoOrRedo/iterations:20000", 1e-3);
  });
}
