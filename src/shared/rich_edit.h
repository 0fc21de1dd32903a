#pragma once

#include <functional>

namespace platform {
class Clipboard;
class RichTextBox;
}  // namespace platform

// The edit commands of the suite's rich-text windows, so each window behaves the same.
namespace shared {

// Puts the selection on the clipboard as rich text, with its plain text beside it for other
// programs.
void CopySelection(platform::RichTextBox& box, platform::Clipboard& clipboard);
void CutSelection(platform::RichTextBox& box, platform::Clipboard& clipboard);
// Replaces the selection with the clipboard: its rich text when it has some (or text that is
// rich text), else its plain text.
void PasteInto(platform::RichTextBox& box, const platform::Clipboard& clipboard);

// A selection that is partly bold (italic, underlined) loses the style at the first press.
void ToggleBold(platform::RichTextBox& box);
void ToggleItalic(platform::RichTextBox& box);
void ToggleUnderline(platform::RichTextBox& box);

// Ctrl+X, Ctrl+C and Ctrl+V (Ctrl alone, no Shift or Alt) run the window's command instead of
// the box's own; the key is swallowed before the command runs.
struct ClipboardCommands {
  std::function<void()> cut;
  std::function<void()> copy;
  std::function<void()> paste;
};
void RunClipboardShortcut(int& keyCode, int shift, const ClipboardCommands& commands);

}  // namespace shared
