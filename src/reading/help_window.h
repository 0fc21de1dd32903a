#pragma once

#include <QPushButton>

#include "platform/text/richtextbox.h"
#include "platform/windows/form.h"
#include "reading/voxlet.h"

namespace reading {

// The reading aid's help: the help document, and on request a short getting-started text.
class HelpWindow : public platform::Form {
 public:
  using Context = Voxlet;
  explicit HelpWindow(Voxlet& program);

  static const QString kGettingStarted;

  platform::RichTextBox* helpBox;
  QPushButton* closeButton;
  QPushButton* gettingStartedButton;

 protected:
  void load() override;

 private:
  void onGettingStarted();

  Voxlet& voxlet_;
};

}  // namespace reading
