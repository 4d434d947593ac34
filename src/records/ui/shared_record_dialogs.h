#pragma once
// "Expandido" (full name, other information, special needs) and the
// emergency contact dialog, bound to ExpandedInfo and EmergencyContactEditor.

#include <QDialog>

#include "records/side_records.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace ledra::records::ui {

class ExpandedDialog : public QDialog {
  Q_OBJECT
 public:
  ExpandedDialog(ExpandedInfo& info, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* full_name = nullptr;
  QLineEdit* other = nullptr;
  QLineEdit* need = nullptr;
  QLabel* warning = nullptr;

 private:
  void Show();
  ExpandedInfo& info_;
};

class ContactDialog : public QDialog {
  Q_OBJECT
 public:
  ContactDialog(EmergencyContactEditor& editor, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* name = nullptr;
  QLineEdit* home = nullptr;
  QLineEdit* mobile = nullptr;
  QLineEdit* work = nullptr;
  QLineEdit* info = nullptr;
  QCheckBox* witness = nullptr;
  QLabel* warning = nullptr;

 private:
  void Show();
  EmergencyContactEditor& editor_;
};

}  // namespace ledra::records::ui
