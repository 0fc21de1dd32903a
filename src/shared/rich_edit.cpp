#include "shared/rich_edit.h"

#include "platform/system/clipboard.h"
#include "platform/text/richtextbox.h"

namespace shared {
namespace {

using Tri = platform::RichTextBox::Tri;

constexpr int kCtrlAlone = 2;
constexpr int kKeyX = 88;
constexpr int kKeyC = 67;
constexpr int kKeyV = 86;

}  // namespace

void CopySelection(platform::RichTextBox& box, platform::Clipboard& clipboard) {
  clipboard.Clear();
  clipboard.SetRichText(box.SelRTF(), box.SelText());
}

void CutSelection(platform::RichTextBox& box, platform::Clipboard& clipboard) {
  CopySelection(box, clipboard);
  box.setSelText(QString());
}

void PasteInto(platform::RichTextBox& box, const platform::Clipboard& clipboard) {
  const QString rich = clipboard.GetRichText();
  // Text that is not rich text goes in as the plain text it is.
  box.setSelRTF(rich.isEmpty() ? clipboard.GetText() : rich);
}

void ToggleBold(platform::RichTextBox& box) { box.setSelBold(box.SelBold() == Tri::False); }

void ToggleItalic(platform::RichTextBox& box) { box.setSelItalic(box.SelItalic() == Tri::False); }

void ToggleUnderline(platform::RichTextBox& box) {
  box.setSelUnderline(box.SelUnderline() == Tri::False);
}

void RunClipboardShortcut(int& keyCode, int shift, const ClipboardCommands& commands) {
  if (shift != kCtrlAlone) return;
  const std::function<void()>* command = nullptr;
  if (keyCode == kKeyX) command = &commands.cut;
  if (keyCode == kKeyC) command = &commands.copy;
  if (keyCode == kKeyV) command = &commands.paste;
  if (!command) return;
  keyCode = 0;
  if (*command) (*command)();
}

}  // namespace shared
