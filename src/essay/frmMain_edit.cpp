// The workspace's edit commands, toolbar dispatch, help messages and hand-over to the editor.
#include "essay/Form1.h"
#include "essay/Form4.h"
#include "essay/frmMain.h"
#include "essay/workspace_texts.h"
#include "platform/clipboard.h"
#include "platform/errors.h"
#include "shared/frmAbout.h"

namespace essay {
namespace {

const QList<int> kOutlineBoxNumbers = {1, 6, 7, 8, 9};
constexpr int kLeft = 0;
constexpr int kCentre = 2;

}  // namespace

void frmMain::mnuEditCut_Click() {
  mnuEditCopy_Click();
  RichTextBox2->setSelText(QString());
  RichTextBox2->setFocus();
}

void frmMain::mnuEditCopy_Click() {
  platform::Clipboard& clipboard = quillora_.runtime().clipboard();
  clipboard.Clear();
  clipboard.SetRichText(RichTextBox2->SelRTF(), RichTextBox2->SelText());
  RichTextBox2->setFocus();
}

void frmMain::mnuEditPaste_Click() {
  if (kOutlineBoxNumbers.contains(ActiveBox)) return;
  const platform::Clipboard& clipboard = quillora_.runtime().clipboard();
  QString content = clipboard.GetRichText();
  if (content.isEmpty()) content = clipboard.GetText();
  // Rich text arrives formatted; anything else is inserted as the plain text it is.
  if (content.startsWith(QLatin1String("{\\rtf"))) {
    RichTextBox2->setSelRTF(content);
  } else {
    RichTextBox2->setSelText(content);
  }
  RichTextBox2->setFocus();
}

void frmMain::mnuEditor_Click() {
  quillora_.runtime().clipboard().Clear();
  store_.EditorRTF = RichTextBox2->TextRTF();
  quillora_.forms().get<Form4>().Show();
}

void frmMain::mnuHelpExamples_Click() {
  Form1& examples = quillora_.forms().get<Form1>();
  examples.SSTab1->setCurrentIndex(kTabSelect);
  examples.Show();
}

void frmMain::mnuFileExit_Click() {
  if (quillora_.MsgBox(QStringLiteral("Exit Quillora?"), platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) == platform::vbYes) {
    Unload();
  }
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"Open", [this] { OpenAssignment(); }},
      {"Save", [this] { mnuFileSaveAs_Click(); }},
      {"Print", [this] { mnuFilePrint_Click(); }},
      {"Cut", [this] { mnuEditCut_Click(); }},
      {"Copy", [this] { mnuEditCopy_Click(); }},
      {"Paste", [this] { mnuEditPaste_Click(); }},
      {"Bold", [this] { toggleSelectionStyle(QStringLiteral("Bold")); }},
      {"Italic", [this] { toggleSelectionStyle(QStringLiteral("Italic")); }},
      {"Underline", [this] { toggleSelectionStyle(QStringLiteral("Underline")); }},
      {"Left", [this] { RichTextBox2->setSelAlignment(kLeft); }},
      {"Center", [this] { RichTextBox2->setSelAlignment(kCentre); }},
      {"Examples", [this] { mnuHelpExamples_Click(); }},
      {"Exit", [this] { mnuFileExit_Click(); }},
  };
  for (const auto& [name, command] : commands) {
    if (key != QLatin1String(name)) continue;
    try {
      command();
    } catch (const platform::RuntimeError&) {
      // Toolbar commands end quietly on a run-time error.
    }
    return;
  }
}

// A selection that is partly bold (italic, underlined) loses the style at the first press.
void frmMain::toggleSelectionStyle(const QString& key) {
  using Tri = platform::RichTextBox::Tri;
  if (key == QLatin1String("Bold")) {
    RichTextBox2->setSelBold(RichTextBox2->SelBold() == Tri::False);
  } else if (key == QLatin1String("Italic")) {
    RichTextBox2->setSelItalic(RichTextBox2->SelItalic() == Tri::False);
  } else {
    RichTextBox2->setSelUnderline(RichTextBox2->SelUnderline() == Tri::False);
  }
}

void frmMain::showHelp(const QString& text, const QString& title) {
  quillora_.MsgBox(text, platform::vbInformation, title);
}

}  // namespace essay
