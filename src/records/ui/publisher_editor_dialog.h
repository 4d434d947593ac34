#pragma once
// "Editar Informação de Publicador": widgets bound to PublisherEditor. Enter
// moves to the next control; only the focused "&OK" saves and closes.

#include <QDialog>
#include <map>

#include "records/publisher_editor.h"

class QAbstractButton;
class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ledra::records::ui {

class DateLists;

class PublisherEditorDialog : public QDialog {
  Q_OBJECT

 public:
  PublisherEditorDialog(PublisherEditor& editor, PublisherChooser* chooser, Prompter& prompter,
                        QWidget* parent = nullptr);
  ~PublisherEditorDialog() override;

  // Widgets by role, for keyboard order and tests.
  QLineEdit* first = nullptr;
  QLineEdit* last = nullptr;
  QLineEdit* address = nullptr;
  QLineEdit* home = nullptr;
  QLineEdit* mobile = nullptr;
  QLineEdit* work = nullptr;
  QLineEdit* email = nullptr;
  DateLists* birth = nullptr;
  DateLists* baptism = nullptr;
  DateLists* consent_date = nullptr;
  std::map<Box, QAbstractButton*> boxes;
  QCheckBox* head = nullptr;
  QCheckBox* special_category = nullptr;
  QCheckBox* anointed = nullptr;
  QCheckBox* special_servant = nullptr;
  QCheckBox* field_missionary = nullptr;
  QCheckBox* deaf = nullptr;
  QCheckBox* blind = nullptr;
  QCheckBox* prisoners = nullptr;
  QCheckBox* consent = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* remove = nullptr;
  QPushButton* previous = nullptr;
  QPushButton* next = nullptr;
  QPushButton* copy = nullptr;
  QPushButton* forget = nullptr;
  QPushButton* household = nullptr;
  QPushButton* group = nullptr;
  QPushButton* status = nullptr;
  QPushButton* privileges = nullptr;
  QPushButton* expanded = nullptr;
  QPushButton* contact = nullptr;
  QPushButton* cancel = nullptr;

  // Whether anything was saved or deleted while the dialog was open.
  bool changed() const { return changed_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The form of labelled rows, for dialogs that show fewer fields or add some.
  QFormLayout* form() const { return form_; }

 private:
  void Build();
  void Push();  // form -> widgets
  void Pull();  // widgets -> form
  bool RunSave(Result<SaveResult> result);
  SaveHooks Hooks();
  void Step(int delta);
  void Delete();
  void OpenStatus();
  void OpenPrivileges();

  PublisherEditor& editor_;
  PublisherChooser* chooser_;
  Prompter& prompter_;
  QFormLayout* form_ = nullptr;
  bool changed_ = false;
  bool pushing_ = false;
};

}  // namespace ledra::records::ui
