// A keystroke at the end of the longest run of letters a rich-text box takes, with the box shown
// and drawn as the user sees it: each must stay under 50 ms, so typing keeps up with the user.
#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>

#include "platform/text/richtextbox.h"
#include "support/bench_main.h"

namespace {

// The longest run of letters the box opens, takes and keeps.
constexpr int kLongestRun = 20'000;

void press(platform::RichTextBox& box, int key, const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&box, &down);
  QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&box, &up);
  box.viewport()->repaint();
}

// A box as wide as the programs show theirs, holding `letters` letters in a row, caret at the end.
void showRun(platform::RichTextBox& box, int letters) {
  box.resize(760, 500);
  box.show();
  box.setText(QString(letters, u'x'));
  box.moveCursor(QTextCursor::End);
  box.viewport()->repaint();
}

// Odd keystrokes type the letter that makes the run the longest the box takes; even ones take
// it out again.
void keystrokeAtTheEndOfTheLongestRun(benchmark::State& state) {
  platform::RichTextBox box;
  showRun(box, kLongestRun - 1);
  bool typing = true;
  for (auto _ : state) {
    if (typing) {
      press(box, Qt::Key_Y, QStringLiteral("y"));
    } else {
      press(box, Qt::Key_Backspace);
    }
    typing = !typing;
  }
  if (box.Text().size() > kLongestRun) state.SkipWithError("the box took a longer run");
}
BENCHMARK(keystrokeAtTheEndOfTheLongestRun)->Unit(benchmark::kMillisecond)->Iterations(20);

// A letter more is refused: typed, measured and taken back.
void refusedKeystrokeAtTheEndOfTheLongestRun(benchmark::State& state) {
  platform::RichTextBox box;
  showRun(box, kLongestRun);
  for (auto _ : state) press(box, Qt::Key_Y, QStringLiteral("y"));
  if (box.Text().size() != kLongestRun) state.SkipWithError("the box took a longer run");
}
BENCHMARK(refusedKeystrokeAtTheEndOfTheLongestRun)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    bench_support::printTime(times, "one keystroke at the end of the longest run",
                             "keystrokeAtTheEndOfTheLongestRun/iterations:20", 0.05);
    bench_support::printTime(times, "one refused keystroke at the end of the longest run",
                             "refusedKeystrokeAtTheEndOfTheLongestRun/iterations:20", 0.05);
  });
}
