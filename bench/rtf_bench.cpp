// Reading a 1 MB RTF document against QTextDocument::setHtml of the same content.
#include <QByteArray>
#include <QString>
#include <QTextDocument>
#include <cstdio>

#include "platform/richtext/rtf.h"
#include "support/bench_main.h"

namespace {

constexpr qsizetype kTargetSize = 1024 * 1024;

// One paragraph of an essay with the formatting pupils use, in both notations.
struct Paragraph {
  const char* rtf;
  const char* html;
};

const Paragraph kParagraphs[] = {
    {"\\pard\\qc\\f0\\fs32\\b Paragraph title\\b0\\fs24\\par\r\n",
     "<p align=\"center\" style=\"font-family:'Arial'; font-size:16pt\">"
     "<b>Paragraph title</b></p>\n"},
    {"\\pard\\f0\\fs24 The students \\b wrote\\b0  an essay about caf\\'e9s and \\i museums\\i0 , "
     "which cost 5 \\'80 each; \\cf1 red words\\cf0  and \\f1 serif text\\f0  follow, then "
     "\\ul underlined\\ulnone  and \\strike struck\\strike0  words close the sentence.\\par\r\n",
     "<p style=\"font-family:'Arial'; font-size:12pt\">The students <b>wrote</b> an essay about "
     "caf&eacute;s and <i>museums</i>, which cost 5 &euro; each; <span style=\"color:#ff0000\">red "
     "words</span> and <span style=\"font-family:'Times New Roman'\">serif text</span> follow, "
     "then <u>underlined</u> and <s>struck</s> words close the sentence.</p>\n"},
    {"\\pard\\qj\\f0\\fs24 A longer plain paragraph keeps going for a while so that text runs "
     "dominate, as they do in real essays written in class by a whole group of pupils.\\par\r\n",
     "<p align=\"justify\" style=\"font-family:'Arial'; font-size:12pt\">A longer plain paragraph "
     "keeps going for a while so that text runs dominate, as they do in real essays written in "
     "class by a whole group of pupils.</p>\n"},
};

struct Documents {
  QByteArray rtf;
  QString html;
};

const Documents& documents() {
  static const Documents docs = [] {
    Documents d;
    d.rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
            "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\uc1";
    QByteArray html = "<html><body>\n";
    while (d.rtf.size() < kTargetSize) {
      for (const Paragraph& p : kParagraphs) {
        d.rtf += p.rtf;
        html += p.html;
      }
    }
    d.rtf += "}\r\n";
    html += "</body></html>\n";
    d.html = QString::fromLatin1(html);
    return d;
  }();
  return docs;
}

void BM_RtfRead(benchmark::State& state) {
  const QByteArray& rtf = documents().rtf;
  for (auto _ : state) {
    QTextDocument doc;
    platform::rtf::read(rtf, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfRead)->Unit(benchmark::kMillisecond);

void BM_SetHtml(benchmark::State& state) {
  const QString& html = documents().html;
  for (auto _ : state) {
    QTextDocument doc;
    doc.setHtml(html);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * html.size());
}
BENCHMARK(BM_SetHtml)->Unit(benchmark::kMillisecond);

void BM_RtfWrite(benchmark::State& state) {
  QTextDocument doc;
  platform::rtf::read(documents().rtf, doc);
  for (auto _ : state) benchmark::DoNotOptimize(platform::rtf::write(doc).size());
}
BENCHMARK(BM_RtfWrite)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    std::printf("RTF %lld bytes, HTML %lld characters of the same content\n",
                static_cast<long long>(documents().rtf.size()),
                static_cast<long long>(documents().html.size()));
    bench_support::printRatio(times, "rtf::read / QTextDocument::setHtml", "BM_RtfRead",
                              "BM_SetHtml", 1.00);
  });
}
