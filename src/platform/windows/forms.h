#pragma once

#include <QList>
#include <QPointer>
#include <functional>
#include <typeindex>
#include <vector>

namespace platform {

class Form;
class Program;

// Default instances: each window class has at most one instance per program, created and loaded
// the first time it is touched, destroyed by Unload, and created afresh on the next touch.
class Forms {
 public:
  explicit Forms(Program& program) : program_(program) {}
  ~Forms();

  // The loaded instance of F, created and loaded first when there is none. F is constructed
  // with the program's context type F::Context.
  template <class F>
  F& get() {
    if (Form* existing = find(typeid(F))) return static_cast<F&>(*existing);
    auto* form = new F(static_cast<typename F::Context&>(program_));
    add(typeid(F), form);
    return *form;
  }

  template <class F>
  bool isLoaded() const { return find(typeid(F)) != nullptr; }

  template <class F>
  void unload() {
    if (Form* form = find(typeid(F))) unload(*form);
  }

  // Runs the window's unload handler; unless it cancels, forgets and destroys the window.
  // Returns false when the handler cancelled. Unloading a window that is already being
  // unloaded does nothing.
  bool unload(Form& form);
  // Unloads every loaded window in load order, windows loaded meanwhile included.
  void unloadAll();
  // Destroys every window in load order without running its unload handler.
  void destroyAll();
  // The loaded windows in load order.
  QList<Form*> loaded() const;

 private:
  struct Entry {
    std::type_index type;
    QPointer<Form> form;
  };
  Form* find(std::type_index type) const;
  void add(std::type_index type, Form* form);

  Program& program_;
  std::vector<Entry> entries_;
  std::vector<Form*> unloading_;
};

}  // namespace platform
