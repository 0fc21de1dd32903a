#include "vocabulary/vocabulary_about_box.h"

#include <QPushButton>

#include "vocabulary/help_texts.h"

namespace vocabulary {

VocabularyAboutBox::VocabularyAboutBox(Lexorama& program) : AboutBox(program) {
  setObjectName(QStringLiteral("VocabularyAboutBox"));
  cmdSysInfo->setText(QStringLiteral("Getting Started..."));
}

void VocabularyAboutBox::cmdSysInfo_Click() {
  program().MsgBox(GettingStartedText(), platform::vbOKOnly, QStringLiteral("Getting Started"));
}

}  // namespace vocabulary
