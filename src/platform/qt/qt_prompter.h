#pragma once
// Prompter answered through message boxes titled with the program's name.

#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

namespace ledra::qt {

class QtPrompter final : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the boxes are centred on (the main window once it exists).
  void set_parent(QWidget* parent) { parent_ = parent; }

  void Inform(std::string_view text) override;
  Answer AskYesNoCancel(std::string_view text) override;
  Answer AskOkCancel(std::string_view text) override;
  Answer AskOkCancelDefaultCancel(std::string_view text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace ledra::qt
