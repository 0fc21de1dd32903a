#pragma once

#include <QString>

namespace platform {

// The system clipboard as the programs use it: plain text, and rich text with plain text beside
// it so that other programs paste text rather than markup. Line breaks are CR LF on this side.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void Clear() = 0;
  virtual void SetText(const QString& text) = 0;
  virtual QString GetText() const = 0;
  virtual void SetRichText(const QString& rtf, const QString& plainText) = 0;
  // The rich text on the clipboard, or "" when it holds none.
  virtual QString GetRichText() const = 0;
  // The web page markup on the clipboard (what a browser copies), or "" when it holds none.
  virtual QString GetHtml() const = 0;
};

class QtClipboard : public Clipboard {
 public:
  void Clear() override;
  void SetText(const QString& text) override;
  QString GetText() const override;
  void SetRichText(const QString& rtf, const QString& plainText) override;
  QString GetRichText() const override;
  QString GetHtml() const override;
};

}  // namespace platform
