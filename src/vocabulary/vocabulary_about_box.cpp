#include "vocabulary/vocabulary_about_box.h"

#include <QPushButton>

#include "vocabulary/help_texts.h"

namespace vocabulary {

VocabularyAboutBox::VocabularyAboutBox(Lexorama& program) : AboutBox(program) {
  setObjectName(QStringLiteral("VocabularyAboutBox"));
  systemInfoButton->setText(QStringLiteral("Getting Started..."));
}

void VocabularyAboutBox::onSystemInfoClicked() {
  program().MsgBox(GettingStartedText(), platform::vbOKOnly, QStringLiteral("Getting Started"));
}

}  // namespace vocabulary
