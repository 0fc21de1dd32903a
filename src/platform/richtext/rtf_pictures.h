#pragma once

#include <QByteArray>

class QTextCursor;
class QTextCharFormat;
class QTextDocument;
class QTextImageFormat;

// Pictures as RTF carries them in \pict groups, and as the document shows them.
namespace platform::rtf {

struct Picture {
  QByteArray kind;     // the control word naming the data, with its number: "pngblip", "wmetafile8"
  int width = 0;       // \picw and \pich: pixels, or for metafiles hundredths of a millimetre
  int height = 0;
  int goalWidth = 0;   // \picwgoal and \pichgoal: the size shown, in twips
  int goalHeight = 0;
  int scaleX = 100;    // \picscalex and \picscaley: percent
  int scaleY = 100;
  QByteArray data;
};

// Puts the picture at the cursor, at its size, with `around` as its character format. PNG and
// JPEG pictures are drawn; any other keeps its bytes and shows as an empty frame of its size.
void insertPicture(QTextCursor& cursor, const Picture& picture, const QTextCharFormat& around);

// The \pict group for an image of the document: the bytes it was read with, or else the image
// from the document's resources as PNG. Empty when the document has no such image.
QByteArray pictureGroup(const QTextDocument& doc, const QTextImageFormat& image);

// Gives `to` the images of `from` that its pictures show, which a fragment copied from one
// document to the other leaves behind.
void copyPictureImages(const QTextDocument& from, QTextDocument& to);

}  // namespace platform::rtf
