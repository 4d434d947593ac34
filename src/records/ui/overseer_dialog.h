#pragma once
// "Superintendente de circuito" bound to CircuitOverseerEditor.

#include <QDialog>

#include "platform/prompter.h"
#include "records/circuit_overseer.h"

class QLineEdit;
class QPushButton;

namespace ledra::records::ui {

class OverseerDialog : public QDialog {
  Q_OBJECT

 public:
  OverseerDialog(CircuitOverseerEditor& editor, Prompter& prompter, QWidget* parent = nullptr);

  QLineEdit* first = nullptr;
  QLineEdit* last = nullptr;
  QLineEdit* address = nullptr;
  QLineEdit* phone = nullptr;
  QLineEdit* mobile = nullptr;
  QLineEdit* other_phone = nullptr;
  QLineEdit* email = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  bool changed() const { return changed_; }

 private:
  CircuitOverseerEditor& editor_;
  Prompter& prompter_;
  bool changed_ = false;
};

// The command; returns whether anything changed.
bool RunOverseerEditing(store::Document& doc, Prompter& prompter, QWidget* parent);

}  // namespace ledra::records::ui
