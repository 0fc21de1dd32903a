#include "platform/richtextbox.h"

#include <QPalette>
#include <QTextCursor>

namespace platform {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(true);
  setTabChangesFocus(false);
}

QString RichTextBox::Text() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return text;
}

void RichTextBox::setText(const QString& text) {
  QString plain = text;
  plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setPlainText(plain);
}

void RichTextBox::setLocked(bool locked) {
  setReadOnly(locked);
  if (locked) {
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  } else {
    setTextInteractionFlags(Qt::TextEditorInteraction);
  }
}

QColor RichTextBox::BackColor() const { return palette().color(QPalette::Base); }

void RichTextBox::setBackColor(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, color);
  setPalette(colours);
}

QString RichTextBox::SelFontName() const {
  const QStringList families = textCursor().charFormat().fontFamilies().toStringList();
  return families.isEmpty() ? currentFont().family() : families.first();
}

void RichTextBox::setSelFontName(const QString& family) {
  QTextCharFormat format;
  format.setFontFamilies({family});
  mergeSelectionFormat(format);
}

double RichTextBox::SelFontSize() const {
  const double size = textCursor().charFormat().fontPointSize();
  return size > 0 ? size : currentFont().pointSizeF();
}

void RichTextBox::setSelFontSize(double points) {
  QTextCharFormat format;
  format.setFontPointSize(points);
  mergeSelectionFormat(format);
}

void RichTextBox::mergeSelectionFormat(const QTextCharFormat& format) {
  QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) cursor.mergeCharFormat(format);
  mergeCurrentCharFormat(format);
}

}  // namespace platform
