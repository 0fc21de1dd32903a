#pragma once

#include <QByteArray>
#include <QTextDocument>
#include <memory>

#include "platform/richtext/rtf.h"

namespace testing_support {

// A document read from RTF bytes.
inline std::unique_ptr<QTextDocument> readRtf(const QByteArray& bytes) {
  auto doc = std::make_unique<QTextDocument>();
  platform::rtf::read(bytes, *doc);
  return doc;
}

}  // namespace testing_support
