#include "platform/system/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/files/textfile.h"

namespace platform {
namespace {

const QString kRtfMime = QStringLiteral("text/rtf");
const QString kRtfMimeAlternative = QStringLiteral("application/rtf");

// Other Linux programs expect LF on the clipboard.
QString toSystem(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text;
}

}  // namespace

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::SetText(const QString& text) {
  QGuiApplication::clipboard()->setText(toSystem(text));
}

QString QtClipboard::GetText() const {
  return textfile::toCrLf(QGuiApplication::clipboard()->text());
}

void QtClipboard::SetRichText(const QString& rtf, const QString& plainText) {
  auto* data = new QMimeData;
  data->setData(kRtfMime, rtf.toLatin1());
  data->setData(kRtfMimeAlternative, rtf.toLatin1());
  data->setText(toSystem(plainText));
  QGuiApplication::clipboard()->setMimeData(data);
}

QString QtClipboard::GetRichText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return QString();
  for (const QString& mime : {kRtfMime, kRtfMimeAlternative}) {
    if (data->hasFormat(mime)) return QString::fromLatin1(data->data(mime));
  }
  return QString();
}

QString QtClipboard::GetHtml() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasHtml() ? data->html() : QString();
}

}  // namespace platform
