#pragma once

#include <QColor>
#include <QString>
#include <QTextEdit>

namespace platform {

// A rich-text box with the Windows text model: line breaks in Text are CR LF.
class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  QString Text() const;
  // Takes CR LF, LF or a lone CR as a line break.
  void setText(const QString& text);

  bool Locked() const { return isReadOnly(); }
  // A locked box cannot be edited but its text can still be selected and copied.
  void setLocked(bool locked);

  QColor BackColor() const;
  void setBackColor(const QColor& color);

  // The font of the selection, or of what is typed next when nothing is selected.
  QString SelFontName() const;
  void setSelFontName(const QString& family);
  double SelFontSize() const;
  void setSelFontSize(double points);

 private:
  void mergeSelectionFormat(const QTextCharFormat& format);
};

}  // namespace platform
