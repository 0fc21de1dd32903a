#include "platform/windows/message_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "platform/windows/interaction.h"

namespace platform {
namespace {

struct ButtonChoice {
  QDialogButtonBox::StandardButton button;
  int result;
};

// The buttons of a style, the default first.
QList<ButtonChoice> buttonsFor(int style) {
  switch (style & 0xF) {
    case vbOKCancel: return {{QDialogButtonBox::Ok, vbOK}, {QDialogButtonBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
      return {{QDialogButtonBox::Abort, vbAbort}, {QDialogButtonBox::Retry, vbRetry},
              {QDialogButtonBox::Ignore, vbIgnore}};
    case vbYesNoCancel:
      return {{QDialogButtonBox::Yes, vbYes}, {QDialogButtonBox::No, vbNo},
              {QDialogButtonBox::Cancel, vbCancel}};
    case vbYesNo: return {{QDialogButtonBox::Yes, vbYes}, {QDialogButtonBox::No, vbNo}};
    case vbRetryCancel:
      return {{QDialogButtonBox::Retry, vbRetry}, {QDialogButtonBox::Cancel, vbCancel}};
    default: return {{QDialogButtonBox::Ok, vbOK}};
  }
}

// Escape and the close box answer as Cancel would, or as the only way out of the box.
int escapeAnswer(int style) {
  switch (style & 0xF) {
    case vbYesNo: return vbNo;
    case vbOKOnly: return vbOK;
    default: return vbCancel;
  }
}

QStyle::StandardPixmap iconFor(int style) {
  switch (style & 0x70) {
    case vbCritical: return QStyle::SP_MessageBoxCritical;
    case vbQuestion: return QStyle::SP_MessageBoxQuestion;
    case vbExclamation: return QStyle::SP_MessageBoxWarning;
    case vbInformation: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_CustomBase;
  }
}

QRect availableArea(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A line broken at blanks where it is too wide for the box; each part after the first takes the
// line's own leading blanks, so an indented paragraph of a help text stays indented.
QStringList brokenLine(const QString& line, const QFontMetrics& metrics, int width) {
  qsizetype indentLength = 0;
  while (indentLength < line.size() && line[indentLength] == QLatin1Char(' ')) ++indentLength;
  const QString indent = line.left(indentLength);
  QStringList parts;
  QString current = indent;
  bool fresh = true;  // nothing yet after the indent
  for (const QString& word : line.mid(indentLength).split(QLatin1Char(' '))) {
    if (fresh) {
      current += word;
      fresh = word.isEmpty();
      continue;
    }
    const QString longer = current + QLatin1Char(' ') + word;
    if (metrics.horizontalAdvance(longer) <= width) {
      current = longer;
      continue;
    }
    parts << current;
    current = indent + word;
    fresh = word.isEmpty();
  }
  parts << current;
  return parts;
}

QString brokenText(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    lines << brokenLine(line, metrics, width);
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString displayText(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

MessageDialog::MessageDialog(const QString& text, int style, const QString& title,
                             QWidget* parent)
    : QDialog(parent, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      answer_(escapeAnswer(style)) {
  setWindowTitle(title);
  setAccessibleName(title);
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  const QStyle::StandardPixmap icon = iconFor(style);
  if (icon != QStyle::SP_CustomBase) {
    auto* iconLabel = new QLabel(this);
    const int size = this->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(this->style()->standardIcon(icon, nullptr, this).pixmap(size, size));
    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(iconLabel, 0, 0, Qt::AlignTop);
  }
  // Titles and file names may hold "<" and "&"; they are shown as typed, never as markup.
  textLabel_ = new QLabel(this);
  textLabel_->setObjectName(QStringLiteral("messageText"));
  textLabel_->setTextFormat(Qt::PlainText);
  textLabel_->setText(displayText(text));
  textLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(textLabel_, 0, 1);
  buttons_ = new QDialogButtonBox(this);
  buttons_->setCenterButtons(true);
  layout->addWidget(buttons_, 1, 0, 1, 2);
  addButtons(style);
  fitTextAndTitle(title);
}

void MessageDialog::addButtons(int style) {
  bool first = true;
  for (const ButtonChoice& choice : buttonsFor(style)) {
    QPushButton* button = buttons_->addButton(choice.button);
    const int result = choice.result;
    connect(button, &QPushButton::clicked, this, [this, result] {
      answer_ = result;
      accept();
    });
    if (first) {
      button->setDefault(true);
      button->setFocus();
    }
    first = false;
  }
}

// The text keeps its own line breaks; only a line wider than the screen is wrapped. The box is
// wide enough for its title beside the window system's buttons.
void MessageDialog::fitTextAndTitle(const QString& title) {
  const QRect area = availableArea(parentWidget());
  // Help texts break their own lines at about 700 pixels; a longer line is a message that
  // never broke its lines and reads better wrapped.
  constexpr int kWidestLine = 860;
  const int widest = qMin(kWidestLine, area.width() * 9 / 10);
  if (textLabel_->sizeHint().width() > widest) {
    // A character's width to spare, since the label lays text out a little differently.
    const QFontMetrics metrics = textLabel_->fontMetrics();
    const int room = widest - metrics.averageCharWidth();
    textLabel_->setText(brokenText(textLabel_->text(), metrics, room));
  }
  // A word wider than the box on its own, such as a long path, is broken anywhere.
  if (textLabel_->sizeHint().width() > widest) {
    textLabel_->setWordWrap(true);
    textLabel_->setFixedWidth(widest);
  }
  QFont titleFont = font();
  titleFont.setBold(true);
  const int titleBarButtons = 5 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + titleBarButtons;
  const QMargins margins = layout()->contentsMargins();
  buttons_->setMinimumWidth(qMin(titleWidth, area.width()) - margins.left() - margins.right());
}

}  // namespace platform
