#pragma once

#include <QByteArray>

class QTextDocument;

// Rich text in the form Windows rich-text controls and word processors exchange it.
namespace platform::rtf {

// Replaces the contents of `into` with the document `rtf` describes. Bytes that do not start
// with "{\rtf" are taken as plain text (UTF-8 when valid, else Windows-1252), as the rich-text
// box does. Any input, however damaged, gives a document and never an error: what cannot be
// understood is skipped, the text around it is kept. \'hh bytes and bytes beyond ASCII are
// read in the code page in force: the font's (\fcharset, \cpg, or the one \hich and \dbch
// name) or else the document's (\ansicpg, \mac, \pc, \pca); text in the Symbol font reads as
// the characters it shows. Tables become the document's tables, \pn and \ls paragraphs its
// lists, and pictures its images (in its resources); a picture that cannot be drawn shows as an
// empty frame and keeps its bytes. The undo history of `into` is cleared.
void read(const QByteArray& rtf, QTextDocument& into);

// The document as 7-bit RTF 1.x with a font and a colour table. Every paragraph, the last one
// included, ends with \par, the way Windows writes it; `read` drops that final break again.
// Tables are written as rows, lists with \pntext and \pn, pictures as \pict groups: those
// that were read keep the bytes they came with, others are written as PNG.
QByteArray write(const QTextDocument& doc);

}  // namespace platform::rtf
