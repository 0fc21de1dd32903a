#pragma once

#include <QString>

#include "platform/text/richtextbox.h"

// What every program's document box does with files alike.
namespace shared {

// Loads a file into the box as its LoadFile does (`type` rtfRTF or rtfText). False, with the box
// as it was, when the file cannot be read or is binary data rather than text.
bool LoadDocument(platform::RichTextBox& box, const QString& path, int type = platform::rtfRTF);

// The refusal to save an empty document, naming the program or window that refuses.
QString BlankDocumentRefusal(const QString& title);

}  // namespace shared
