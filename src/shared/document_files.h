#pragma once

#include <QString>

#include "platform/text/richtextbox.h"

// What every program's document box does with files alike.
namespace shared {

// Loads a file into the box as its LoadFile does (`type` rtfRTF or rtfText) and returns "". When
// the file cannot be read, is binary data rather than text or is too large for the box, the box
// stays as it was and the message for the user comes back: "Can't open file: " and the path,
// then why.
QString LoadDocument(platform::RichTextBox& box, const QString& path,
                     int type = platform::rtfRTF);

// The refusal to save an empty document, naming the program or window that refuses.
QString BlankDocumentRefusal(const QString& title);

}  // namespace shared
