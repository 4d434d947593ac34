#pragma once
// "Formando Lista de Recolhimento": the month collected, the empty list, the
// secretary's address, the assistant as recipient, save, and save and mail.

#include <QDialog>
#include <functional>

#include "interchange/collection_prep_model.h"
#include "platform/prompter.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ledra::interchange::ui {

// Sends one message; the window shows what went wrong itself.
using MailSend = std::function<platform::MailOutcome(const platform::MailRequest&)>;

class CollectionPrepDialog : public QDialog {
  Q_OBJECT

 public:
  CollectionPrepDialog(const store::Document& doc, store::Settings& settings, int group,
                       Prompter& prompter, MailSend send, QWidget* parent = nullptr);

  // "Selecionar Outro Grupo" was pressed: the caller asks for the group.
  bool other_group() const { return other_group_; }
  // Whether a setting (address, assistant choice) changed.
  bool settings_changed() const { return settings_changed_; }
  QPushButton* save_button() const { return save_; }
  QPushButton* mail_button() const { return mail_; }
  QCheckBox* empty_box() const { return empty_; }
  QRadioButton* next_month_button() const { return next_; }
  QLineEdit* secretary_email() const { return email_; }
  // Saves the file; with `mail` sends it too. Returns whether it was saved.
  bool SaveFile(bool mail);

 private:
  void Refresh();

  CollectionPrepModel model_;
  store::Settings& settings_;
  Prompter& prompter_;
  MailSend send_;
  QLabel* overseer_ = nullptr;
  QLabel* publishers_ = nullptr;
  QLabel* missing_ = nullptr;
  QRadioButton* this_ = nullptr;
  QRadioButton* next_ = nullptr;
  QCheckBox* empty_ = nullptr;
  QLineEdit* email_ = nullptr;
  QCheckBox* assistant_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* mail_ = nullptr;
  bool other_group_ = false;
  bool settings_changed_ = false;
};

}  // namespace ledra::interchange::ui
