#include "shared/rich_edit.h"

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
  box.Copy(clipboard);
}

void CutSelection(platform::RichTextBox& box, platform::Clipboard& clipboard) {
  box.Cut(clipboard);
}

void PasteInto(platform::RichTextBox& box, const platform::Clipboard& clipboard) {
  box.Paste(clipboard);
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
