// Reading aloud, and the definition and picture of a selected word.
#include "platform/text/text_positions.h"
#include "platform/windows/picture.h"
#include "reading/reading_window.h"

namespace reading {

void ReadingWindow::ToggleSpeech() {
  SpeechOn = speechButton->text() != QLatin1String(kSpeechOnCaption);
  speechButton->setText(QString::fromLatin1(SpeechOn ? kSpeechOnCaption : kSpeechOffCaption));
}

void ReadingWindow::onStop() { character().Stop(); }

void ReadingWindow::ReadParagraph() {
  if (speechButton->text() == QLatin1String(kSpeechOffCaption)) return;
  character().Show();
  textBox->setFocus();
  const int start = textBox->SelStart();
  const QString text = textBox->Text();
  const qsizetype lineBreak = text.indexOf(QLatin1String("\r\n"), start);
  // The paragraph runs up to and including its carriage return.
  const int end = lineBreak < 0 ? static_cast<int>(text.size()) : static_cast<int>(lineBreak) + 1;
  textBox->setSelStart(start);
  textBox->setSelLength(end - start);
  const QString paragraph = platform::textpos::withoutPictures(textBox->SelText()).trimmed();
  if (start != end && !paragraph.isEmpty()) {
    character().Stop();
    character().Speak(paragraph);
  }
  textBox->setSelStart(end + 1);
}

void ReadingWindow::SpeakSelection() {
  selectedWord_.clear();
  // With speech off a selection is the user's own business: it is neither read nor undone.
  if (!SpeechOn) return;
  selectedWord_ = platform::textpos::withoutPictures(textBox->SelText());
  pictureLabel->clear();
  if (selectedWord_.isEmpty()) return;
  ShowDefinition();
  character().Speak(selectedWord_);
  selectedWord_.clear();
  textBox->setSelStart(textBox->SelStart() + textBox->SelLength());
}

void ReadingWindow::ShowDefinition() {
  character().Show();
  definitionBox->show();
  const auto definition = definitions().lookUp(selectedWord_);
  if (!definition) return;
  definitionBox->setText(*definition);
  if (*definition != DefinitionList::kNotAvailable) ShowPicture();
}

// The list is long, and a program starting has no need of it.
const DefinitionList& ReadingWindow::definitions() {
  if (!definitions_) definitions_ = DefinitionList::fromFile(DefinitionListPath());
  return *definitions_;
}

void ReadingWindow::ShowPicture() {
  const QString path = PicturePath(PicturesFolder(), selectedWord_);
  if (path.isEmpty()) return;
  const QPixmap picture = platform::PictureToFit(path, pictureLabel->size());
  if (!picture.isNull()) pictureLabel->setPixmap(picture);
}

}  // namespace reading
