// Reading a 1 MB RTF document against QTextDocument::setHtml of the same content, and reading a
// worksheet of pictures and tables.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
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

// A worksheet as a word processor writes it: 50 pictures of 120 by 90 pixels among paragraphs,
// and 20 bordered tables of five rows and three columns.
QByteArray pictureGroup(int number) {
  QImage image(120, 90, QImage::Format_RGB32);
  image.fill(QColor::fromHsv(number * 7 % 360, 200, 220));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  QByteArray hex = png.toHex();
  for (qsizetype at = 128; at < hex.size(); at += 130) hex.insert(at, "\r\n");
  return "{\\*\\shppict{\\pict\\pngblip\\picw120\\pich90\\picwgoal1800\\pichgoal1350\r\n" + hex +
         "}}{\\nonshppict{\\pict\\wmetafile8\\picw3175\\pich2381 0100090000}}";
}

QByteArray tableRows(int number) {
  QByteArray cells;
  for (int c = 1; c <= 3; ++c) {
    cells += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
             "\\clbrdrr\\brdrs\\brdrw10\\cellx" + QByteArray::number(c * 3000);
  }
  QByteArray rows;
  for (int r = 0; r < 5; ++r) {
    rows += "\\trowd\\trgaph108" + cells + "\r\n";
    for (int c = 0; c < 3; ++c)
      rows += "\\pard\\intbl Table " + QByteArray::number(number) + " cell " +
              QByteArray::number(r * 3 + c) + "\\cell";
    rows += "\\row\r\n";
  }
  return rows;
}

const QByteArray& worksheet() {
  static const QByteArray rtf = [] {
    QByteArray d = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n";
    for (int i = 0; i < 50; ++i) {
      d += "\\pard\\sa120 Look at picture " + QByteArray::number(i + 1) + ": " +
           pictureGroup(i) + " and describe it.\\par\r\n";
      if (i % 5 == 4) d += tableRows(i / 5) + "\\pard Notes\\par\r\n" + tableRows(i / 5 + 10);
    }
    return d + "}\r\n";
  }();
  return rtf;
}

void BM_RtfReadPicturesAndTables(benchmark::State& state) {
  const QByteArray& rtf = worksheet();
  for (auto _ : state) {
    QTextDocument doc;
    platform::rtf::read(rtf, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfReadPicturesAndTables)->Unit(benchmark::kMillisecond);

// A class's marks over a year: one table of 5000 rows of three cells.
const QByteArray& longTable() {
  static const QByteArray rtf = [] {
    QByteArray d = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n";
    for (int r = 0; r < 5000; ++r) {
      d += "\\trowd\\cellx3000\\cellx6000\\cellx9000\\pard\\intbl Pupil " + QByteArray::number(r) +
           "\\cell " + QByteArray::number(r % 20) + "\\cell done\\cell\\row\r\n";
    }
    return d + "\\pard\\par}\r\n";
  }();
  return rtf;
}

void BM_RtfReadLongTable(benchmark::State& state) {
  for (auto _ : state) {
    QTextDocument doc;
    platform::rtf::read(longTable(), doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
}
BENCHMARK(BM_RtfReadLongTable)->Unit(benchmark::kMillisecond);

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
                              "BM_SetHtml", 0.40);
    bench_support::printTime(times, "rtf::read of 50 pictures and 20 tables",
                             "BM_RtfReadPicturesAndTables", 0.025);
    bench_support::printTime(times, "rtf::read of a table of 5000 rows", "BM_RtfReadLongTable",
                             0.250);
  });
}
