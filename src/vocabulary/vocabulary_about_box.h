#pragma once

#include "shared/about_box.h"
#include "vocabulary/lexorama.h"

namespace vocabulary {

// Lexorama's About box: the suite's About box whose second button shows how to begin.
class VocabularyAboutBox : public shared::AboutBox {
 public:
  using Context = Lexorama;
  explicit VocabularyAboutBox(Lexorama& program);

 protected:
  void onSystemInfoClicked() override;
};

}  // namespace vocabulary
