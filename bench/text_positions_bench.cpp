// Mapping between Windows positions (CR LF counted as two) and document positions in a 1 MB
// text: each mapping must stay well under a microsecond, whatever the shape of the text.
#include <QRandomGenerator>
#include <QTextDocument>
#include <string>
#include <vector>

#include "platform/text/richtextbox.h"
#include "platform/text/text_positions.h"
#include "support/bench_main.h"

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;
constexpr int kPositions = 4096;

// A text of about 1 MB made of paragraphs `lineLength` characters long.
QString megabyteOfLines(int lineLength) {
  const QString line = QString(lineLength, u'x') + u'\n';
  QString text;
  text.reserve(kMegabyte + line.size());
  while (text.size() < kMegabyte) text += line;
  return text;
}

std::vector<int> randomPositions(int limit) {
  QRandomGenerator random(7);
  std::vector<int> positions(kPositions);
  for (int& p : positions) p = int(random.bounded(limit + 1));
  return positions;
}

void mapToQt(benchmark::State& state) {
  QTextDocument doc;
  doc.setPlainText(megabyteOfLines(int(state.range(0))));
  const std::vector<int> positions = randomPositions(platform::textpos::windowsLength(doc));
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(platform::textpos::toQt(doc, positions[next]));
    next = (next + 1) % positions.size();
  }
  state.counters["paragraphs"] = doc.blockCount();
}
// Prose paragraphs, short lines, and a megabyte of empty lines (the worst case).
BENCHMARK(mapToQt)->Arg(400)->Arg(60)->Arg(0);

void mapToWindows(benchmark::State& state) {
  QTextDocument doc;
  doc.setPlainText(megabyteOfLines(int(state.range(0))));
  const std::vector<int> positions = randomPositions(doc.characterCount() - 1);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(platform::textpos::toWindows(doc, positions[next]));
    next = (next + 1) % positions.size();
  }
}
BENCHMARK(mapToWindows)->Arg(400)->Arg(60)->Arg(0);

// What a program pays for reading the caret of a box holding 1 MB.
void richTextBoxSelStart(benchmark::State& state) {
  platform::RichTextBox box;
  box.document()->setPlainText(megabyteOfLines(60));
  QTextCursor cursor(box.document());
  cursor.setPosition(box.document()->characterCount() / 2);
  box.setTextCursor(cursor);
  for (auto _ : state) benchmark::DoNotOptimize(box.SelStart());
}
BENCHMARK(richTextBoxSelStart);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    for (const char* shape : {"/400", "/60", "/0"}) {
      for (const char* way : {"mapToQt", "mapToWindows"}) {
        const std::string name = std::string(way) + shape;
        bench_support::printTime(times, name + " (one position in 1 MB)", name, 1e-6);
      }
    }
  });
}
