#include "vocabulary/activity_window.h"

#include "vocabulary/practice_setup_window.h"

namespace vocabulary {

ActivityWindow::ActivityWindow(Lexorama& program, const QString& objectName,
                               const QString& caption)
    : Form(program),
      scoreBar(QStringLiteral("Score"), QStringLiteral("score"), this),
      lexorama_(program),
      practice_(program.practice),
      draws_(program.runtime().random(), 0),
      caption_(caption) {
  setObjectName(objectName);
  setCaption(caption);
}

void ActivityWindow::ShowPracticeNames() {
  setCaption(ActivityCaption(caption_, list_, practice_));
}

void ActivityWindow::beginRun(int secondVariant) {
  list_ = TakeRunList(practice_);
  draws_ = RowDraws(lexorama_.runtime().random(), static_cast<int>(list_.items.size()));
  run_ = ReadRunChoice(lexorama_.forms().get<PracticeSetupWindow>(), secondVariant);
}

}  // namespace vocabulary
