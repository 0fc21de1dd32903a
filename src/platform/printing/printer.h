#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <utility>

#include "platform/system/errors.h"

class QPaintDevice;

namespace platform {

// Units of a drawing surface's coordinates.
enum ScaleModeConstants {
  vbTwips = 1, vbPoints = 2, vbPixels = 3, vbCharacters = 4, vbInches = 5, vbMillimeters = 6,
  vbCentimeters = 7, vbHimetric = 8
};

enum PrinterOrientationConstants { vbPRORPortrait = 1, vbPRORLandscape = 2 };

enum FillStyleConstants {
  vbFSSolid = 0, vbFSTransparent = 1, vbHorizontalLine = 2, vbVerticalLine = 3,
  vbUpwardDiagonal = 4, vbDownwardDiagonal = 5, vbCross = 6, vbDiagonalCross = 7
};

// What a Line call draws between its two corners.
enum class LineShape { Line, Box, FilledBox };

constexpr std::int32_t kInvalidPropertyValue = 380;
constexpr std::int32_t kSetWithinPage = 396;
constexpr std::int32_t kPrinterError = 482;

constexpr double kTwipsPerInch = 1440.0;

// A printer error whose cause the user can mend: `reason` says what happened and what to do.
class PrinterError : public RuntimeError {
 public:
  explicit PrinterError(QString reason)
      : RuntimeError(kPrinterError, QStringLiteral("Printer error")), reason_(std::move(reason)) {}
  const QString& reason() const { return reason_; }

 private:
  QString reason_;
};

// Where a device puts the paper and its printable area.
struct PageGeometry {
  double dpiX = 0;      // device pixels per inch
  double dpiY = 0;
  QSizeF paper;         // twips
  QRectF printable;     // twips from the paper's top left corner
  QPointF deviceOrigin; // device pixels where the printable area starts on the device
};

// The runtime's printer object. Positions, sizes and CurrentX/CurrentY are in the units of
// ScaleMode (twips unless changed), measured from the top left corner of the printable area.
// A document starts with the first thing drawn on it and goes out with EndDoc.
class Printer {
 public:
  Printer();
  virtual ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // The paper, in twips, whatever the ScaleMode.
  double Width() const;
  double Height() const;
  // The printable area, in ScaleMode units.
  double ScaleWidth() const;
  double ScaleHeight() const;
  // How far the printable area lies from the paper's left and top edges, in twips.
  double PhysicalOffsetX() const;
  double PhysicalOffsetY() const;
  double TwipsPerPixelX() const;
  double TwipsPerPixelY() const;

  int ScaleMode() const { return scaleMode_; }
  void setScaleMode(int mode);
  // `value` converted from one unit to another (ScaleModeConstants); horizontal and vertical.
  double ScaleX(double value, int from, int to) const;
  double ScaleY(double value, int from, int to) const;

  int Orientation() const;
  // Takes effect from the next document; raises 396 while a document is open.
  void setOrientation(int orientation);

  double CurrentX() const;
  void setCurrentX(double x);
  double CurrentY() const;
  void setCurrentY(double y);

  const QFont& Font() const { return font_; }
  void setFont(const QFont& font);
  QString FontName() const { return font_.family(); }
  void setFontName(const QString& name);
  double FontSize() const { return font_.pointSizeF(); }
  void setFontSize(double points);
  bool FontBold() const { return font_.bold(); }
  void setFontBold(bool bold);
  bool FontItalic() const { return font_.italic(); }
  void setFontItalic(bool italic);
  bool FontUnderline() const { return font_.underline(); }
  void setFontUnderline(bool underline);
  bool FontStrikethru() const { return font_.strikeOut(); }
  void setFontStrikethru(bool strikethru);

  QColor ForeColor() const { return foreColor_; }
  void setForeColor(const QColor& color) { foreColor_ = color; }
  // Line width in device pixels.
  int DrawWidth() const { return drawWidth_; }
  void setDrawWidth(int pixels);
  int FillStyle() const { return fillStyle_; }
  void setFillStyle(int style);
  QColor FillColor() const { return fillColor_; }
  void setFillColor(const QColor& color) { fillColor_ = color; }

  // Size of `text` in the current font, in ScaleMode units; each line break adds a line.
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;

  // Prints `text` with its top at CurrentX/CurrentY. With `newLine` the position moves to the
  // start of the next line, as a print statement without a trailing semicolon does; otherwise
  // it stays just after the text. CR LF, LF or CR inside the text start new lines.
  void Print(const QString& text = QString(), bool newLine = true);
  // Draws from (x1, y1) to (x2, y2) in the fore colour and DrawWidth; a box is filled by
  // FillStyle/FillColor, a filled box with the fore colour. CurrentX/CurrentY move to (x2, y2).
  void Line(double x1, double y1, double x2, double y2, LineShape shape = LineShape::Line);
  // Draws `text` inside `rect` (ScaleMode units) with Qt alignment and text flags, in the current
  // font and fore colour, cut at the rectangle's edges.
  void DrawText(const QRectF& rect, int flags, const QString& text);
  // The rectangle DrawText would fill: the same left and top, as high as the wrapped text.
  QRectF TextBounds(const QRectF& rect, int flags, const QString& text) const;

  void NewPage();
  void EndDoc();
  // Abandons the document being printed.
  void KillDoc();
  // The page being printed, from 1.
  int Page() const { return page_; }
  bool printing() const { return painter_.isActive(); }

  // A painter whose coordinates are twips from the printable area's top left corner, for lines,
  // shapes and pictures (text goes through Print or DrawText, which size fonts for the device).
  // Using it starts the document.
  QPainter& painter();
  // The device documents are laid out for: its resolution gives their fonts' metrics.
  virtual QPaintDevice& device() const = 0;
  // The device's own resolution and layout.
  virtual PageGeometry geometry() const = 0;

 protected:
  // Each begins, moves on or ends `painter` on the device; failures raise a run-time error.
  virtual void startDocument(QPainter& painter) = 0;
  virtual void startNextPage(QPainter& painter) = 0;
  virtual void finishDocument(QPainter& painter) = 0;
  virtual void abortDocument(QPainter& painter) = 0;
  virtual void applyOrientation(int orientation) = 0;
  virtual int deviceOrientation() const = 0;
  // Sends what is still open; for destructors, which must not throw.
  void endPendingDocument() noexcept;

 private:
  double twipsPerUnitX(int unit) const;
  double twipsPerUnitY(int unit) const;
  double toTwipsX(double value) const { return value * twipsPerUnitX(scaleMode_); }
  double toTwipsY(double value) const { return value * twipsPerUnitY(scaleMode_); }
  QRectF toTwips(const QRectF& rect) const;
  // Runs `draw` on the painter set to device pixels from the printable origin.
  template <typename Draw>
  void onDevice(Draw draw);
  QPointF toDevice(QPointF twips) const;
  void resetTransform();
  void printLine(const QString& line);
  double lineHeightTwips() const;

  QPainter painter_;
  int scaleMode_ = vbTwips;
  QPointF position_;  // twips
  QFont font_;
  QColor foreColor_ = Qt::black;
  int drawWidth_ = 1;
  int fillStyle_ = vbFSTransparent;
  QColor fillColor_ = Qt::black;
  int page_ = 1;
};

}  // namespace platform
