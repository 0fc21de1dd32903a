#include "platform/printing/printer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QStringList>
#include <algorithm>

#include "platform/system/errors.h"

namespace platform {
namespace {

QStringList splitLines(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text.split(QLatin1Char('\n'));
}

QFont defaultFont() {
  QFont font = QGuiApplication::font();
  font.setPointSizeF(10);
  return font;
}

// 15 twips to the screen pixel, 20 to the point.
constexpr double kPointsPerScreenPixel = 0.75;

[[noreturn]] void invalidValue() {
  throw RuntimeError(kInvalidPropertyValue, QStringLiteral("Invalid property value"));
}

Qt::BrushStyle brushFor(int fillStyle) {
  switch (fillStyle) {
    case vbFSSolid: return Qt::SolidPattern;
    case vbHorizontalLine: return Qt::HorPattern;
    case vbVerticalLine: return Qt::VerPattern;
    case vbUpwardDiagonal: return Qt::BDiagPattern;
    case vbDownwardDiagonal: return Qt::FDiagPattern;
    case vbCross: return Qt::CrossPattern;
    case vbDiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

}  // namespace

Printer::Printer() : font_(defaultFont()) {}

template <typename Draw>
void Printer::onDevice(Draw draw) {
  QPainter& twips = painter();
  twips.save();
  const QPointF origin = geometry().deviceOrigin;
  twips.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
  draw(twips);
  twips.restore();
}

Printer::~Printer() = default;

double Printer::Width() const { return geometry().paper.width(); }

double Printer::Height() const { return geometry().paper.height(); }

double Printer::ScaleWidth() const {
  return geometry().printable.width() / twipsPerUnitX(scaleMode_);
}

double Printer::ScaleHeight() const {
  return geometry().printable.height() / twipsPerUnitY(scaleMode_);
}

double Printer::PhysicalOffsetX() const { return geometry().printable.left(); }

double Printer::PhysicalOffsetY() const { return geometry().printable.top(); }

double Printer::TwipsPerPixelX() const { return kTwipsPerInch / geometry().dpiX; }

double Printer::TwipsPerPixelY() const { return kTwipsPerInch / geometry().dpiY; }

double Printer::twipsPerUnitX(int unit) const {
  if (unit == vbPixels) return TwipsPerPixelX();
  if (unit == vbCharacters) return 120;
  return twipsPerUnitY(unit);
}

double Printer::twipsPerUnitY(int unit) const {
  switch (unit) {
    case vbTwips: return 1;
    case vbPoints: return 20;
    case vbPixels: return TwipsPerPixelY();
    case vbCharacters: return 240;
    case vbInches: return kTwipsPerInch;
    case vbMillimeters: return kTwipsPerInch / 25.4;
    case vbCentimeters: return kTwipsPerInch / 2.54;
    case vbHimetric: return kTwipsPerInch / 2540;
    default: invalidValue();
  }
}

void Printer::setScaleMode(int mode) {
  twipsPerUnitY(mode);  // rejects an unknown unit
  scaleMode_ = mode;
}

double Printer::ScaleX(double value, int from, int to) const {
  return value * twipsPerUnitX(from) / twipsPerUnitX(to);
}

double Printer::ScaleY(double value, int from, int to) const {
  return value * twipsPerUnitY(from) / twipsPerUnitY(to);
}

int Printer::Orientation() const { return deviceOrientation(); }

void Printer::setOrientation(int orientation) {
  if (orientation != vbPRORPortrait && orientation != vbPRORLandscape) invalidValue();
  if (printing()) {
    throw RuntimeError(kSetWithinPage, QStringLiteral("Property cannot be set within a page"));
  }
  applyOrientation(orientation);
}

double Printer::CurrentX() const { return position_.x() / twipsPerUnitX(scaleMode_); }

void Printer::setCurrentX(double x) { position_.setX(toTwipsX(x)); }

double Printer::CurrentY() const { return position_.y() / twipsPerUnitY(scaleMode_); }

void Printer::setCurrentY(double y) { position_.setY(toTwipsY(y)); }

void Printer::setFont(const QFont& font) {
  font_ = font;
  // A font sized in screen pixels keeps its size on paper.
  if (font_.pointSizeF() <= 0) font_.setPointSizeF(font.pixelSize() * kPointsPerScreenPixel);
}

void Printer::setFontName(const QString& name) { font_.setFamily(name); }

void Printer::setFontSize(double points) {
  if (points <= 0) invalidValue();
  font_.setPointSizeF(points);
}

void Printer::setFontBold(bool bold) { font_.setBold(bold); }

void Printer::setFontItalic(bool italic) { font_.setItalic(italic); }

void Printer::setFontUnderline(bool underline) { font_.setUnderline(underline); }

void Printer::setFontStrikethru(bool strikethru) { font_.setStrikeOut(strikethru); }

void Printer::setFillStyle(int style) {
  if (style < vbFSSolid || style > vbDiagonalCross) invalidValue();
  fillStyle_ = style;
}

void Printer::setDrawWidth(int pixels) {
  if (pixels < 1) invalidValue();
  drawWidth_ = pixels;
}

double Printer::TextWidth(const QString& text) const {
  const QFontMetricsF metrics(font_, &device());
  double widest = 0;
  for (const QString& line : splitLines(text)) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest * TwipsPerPixelX() / twipsPerUnitX(scaleMode_);
}

double Printer::TextHeight(const QString& text) const {
  return splitLines(text).size() * lineHeightTwips() / twipsPerUnitY(scaleMode_);
}

double Printer::lineHeightTwips() const {
  return QFontMetricsF(font_, &device()).lineSpacing() * TwipsPerPixelY();
}

void Printer::Print(const QString& text, bool newLine) {
  painter();
  const QStringList lines = splitLines(text);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    printLine(lines.at(i));
    if (newLine || i + 1 < lines.size()) {
      position_ = QPointF(0, position_.y() + lineHeightTwips());
    }
  }
}

void Printer::printLine(const QString& line) {
  if (line.isEmpty()) return;
  onDevice([&](QPainter& device) {
    device.setFont(font_);
    device.setPen(foreColor_);
    const QFontMetricsF metrics(font_, device.device());
    device.drawText(toDevice(position_) + QPointF(0, metrics.ascent()), line);
    position_.rx() += metrics.horizontalAdvance(line) * TwipsPerPixelX();
  });
}

void Printer::Line(double x1, double y1, double x2, double y2, LineShape shape) {
  const QPointF from = toDevice(QPointF(toTwipsX(x1), toTwipsY(y1)));
  const QPointF to = toDevice(QPointF(toTwipsX(x2), toTwipsY(y2)));
  onDevice([&](QPainter& device) {
    device.setPen(QPen(foreColor_, drawWidth_));
    if (shape == LineShape::Line) {
      device.drawLine(from, to);
      return;
    }
    const QBrush fill = shape == LineShape::FilledBox
                            ? QBrush(foreColor_)
                            : QBrush(fillColor_, brushFor(fillStyle_));
    device.setBrush(fill);
    device.drawRect(QRectF(from, to).normalized());
  });
  position_ = QPointF(toTwipsX(x2), toTwipsY(y2));
}

void Printer::DrawText(const QRectF& rect, int flags, const QString& text) {
  const QRectF area = toTwips(rect);
  onDevice([&](QPainter& device) {
    const QRectF deviceArea(toDevice(area.topLeft()), toDevice(area.bottomRight()));
    device.setClipRect(deviceArea, Qt::IntersectClip);
    device.setFont(font_);
    device.setPen(foreColor_);
    device.drawText(deviceArea, flags, text);
  });
}

QRectF Printer::TextBounds(const QRectF& rect, int flags, const QString& text) const {
  const QRectF area = toTwips(rect);
  const QRectF deviceArea(toDevice(area.topLeft()), toDevice(area.bottomRight()));
  const QSizeF size = QFontMetricsF(font_, &device()).boundingRect(deviceArea, flags, text).size();
  return QRectF(rect.topLeft(), QSizeF(ScaleX(size.width(), vbPixels, scaleMode_),
                                       ScaleY(size.height(), vbPixels, scaleMode_)));
}

void Printer::NewPage() {
  startNextPage(painter());
  resetTransform();
  ++page_;
  position_ = QPointF();
}

void Printer::EndDoc() {
  if (!printing()) return;
  page_ = 1;
  position_ = QPointF();
  finishDocument(painter_);
}

void Printer::KillDoc() {
  if (!printing()) return;
  page_ = 1;
  position_ = QPointF();
  abortDocument(painter_);
}

QPainter& Printer::painter() {
  if (!painter_.isActive()) {
    startDocument(painter_);
    resetTransform();
  }
  return painter_;
}

void Printer::endPendingDocument() noexcept {
  try {
    EndDoc();
  } catch (const RuntimeError&) {
    // Nothing is left to report to once the printer is going away.
  }
}

QRectF Printer::toTwips(const QRectF& rect) const {
  return QRectF(QPointF(toTwipsX(rect.left()), toTwipsY(rect.top())),
                QSizeF(toTwipsX(rect.width()), toTwipsY(rect.height())));
}

QPointF Printer::toDevice(QPointF twips) const {
  const PageGeometry page = geometry();
  return QPointF(twips.x() * page.dpiX / kTwipsPerInch, twips.y() * page.dpiY / kTwipsPerInch);
}

void Printer::resetTransform() {
  const PageGeometry page = geometry();
  QTransform twips = QTransform::fromTranslate(page.deviceOrigin.x(), page.deviceOrigin.y());
  twips.scale(page.dpiX / kTwipsPerInch, page.dpiY / kTwipsPerInch);
  painter_.setTransform(twips);
}

}  // namespace platform
