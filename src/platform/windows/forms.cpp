#include "platform/windows/forms.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/windows/form.h"
#include "platform/windows/program.h"

namespace platform {

Forms::~Forms() { destroyAll(); }

void Forms::destroyAll() {
  // By number: a window may still be touched while another one goes.
  for (std::size_t i = 0; i < entries_.size(); ++i) delete entries_[i].form.data();
  entries_.clear();
}

Form* Forms::find(std::type_index type) const {
  for (const Entry& entry : entries_) {
    if (entry.type == type && entry.form) return entry.form.data();
  }
  return nullptr;
}

void Forms::add(std::type_index type, Form* form) {
  entries_.push_back({type, form});
  program_.dispatch([form] { form->load(); });
}

bool Forms::unload(Form& form) {
  if (std::find(unloading_.begin(), unloading_.end(), &form) != unloading_.end()) return true;
  auto entry = std::find_if(entries_.begin(), entries_.end(),
                            [&form](const Entry& e) { return e.form == &form; });
  if (entry == entries_.end()) return true;

  unloading_.push_back(&form);
  int cancel = 0;
  program_.dispatch([&form, &cancel] { form.unload(cancel); });
  unloading_.erase(std::find(unloading_.begin(), unloading_.end(), &form));
  if (cancel != 0) return false;

  // The handler may have changed the list; look the window up again.
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&form](const Entry& e) { return e.form == &form; }),
                 entries_.end());
  form.hide();
  form.deleteLater();
  // The program ends when its last window is unloaded.
  if (entries_.empty()) QCoreApplication::quit();
  return true;
}

void Forms::unloadAll() {
  std::vector<Form*> tried;
  for (;;) {
    Form* next = nullptr;
    for (const Entry& entry : entries_) {
      Form* form = entry.form.data();
      if (form && std::find(tried.begin(), tried.end(), form) == tried.end() &&
          std::find(unloading_.begin(), unloading_.end(), form) == unloading_.end()) {
        next = form;
        break;
      }
    }
    if (!next) return;
    tried.push_back(next);
    unload(*next);
  }
}

QList<Form*> Forms::loaded() const {
  QList<Form*> forms;
  for (const Entry& entry : entries_) {
    if (entry.form) forms.append(entry.form.data());
  }
  return forms;
}

}  // namespace platform
