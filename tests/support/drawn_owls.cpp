#include "support/drawn_owls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>

#include "platform/character/character_place.h"

namespace testing_support {

std::unique_ptr<platform::SpeakingCharacter> DrawnOwls::create() {
  // Frames as fast as the test lets events run.
  auto owl = std::make_unique<platform::QtSpeakingCharacter>(speech, 0);
  last_ = owl.get();
  return owl;
}

QStringList controlsUnder(const QRect& covering, const QWidget& window) {
  QStringList covered;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const bool control = button || qobject_cast<const QAbstractScrollArea*>(widget) ||
                         qobject_cast<const QLabel*>(widget);
    if (!control || !widget->isVisible()) continue;
    if (!covering.intersects(platform::controlRect(*widget))) continue;
    covered.append(!widget->objectName().isEmpty() ? widget->objectName()
                   : button                        ? button->text()
                                                   : widget->metaObject()->className());
  }
  return covered;
}

}  // namespace testing_support
