#pragma once
// "Configuração de E-mail": the widgets of MailSettingsModel, which holds
// every rule.

#include <QDialog>
#include <string_view>

#include "interchange/mail_settings_model.h"
#include "platform/prompter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace ledra::interchange::ui {

class MailSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  MailSettingsDialog(platform::Path data_folder, std::string_view secretary_email,
                     platform::PasswordKeyring& keyring, Prompter& prompter,
                     QWidget* parent = nullptr);

  QRadioButton* desktop() const { return desktop_; }
  QRadioButton* smtp() const { return smtp_; }
  QLineEdit* host() const { return host_; }
  QSpinBox* port() const { return port_; }
  QComboBox* security() const { return security_; }
  QLineEdit* user() const { return user_; }
  QLineEdit* password() const { return password_; }
  QLineEdit* from() const { return from_; }
  QLabel* note() const { return note_; }

  // Saves and closes; a refusal is shown and the dialog stays.
  void accept() override;

 private:
  void Refresh();

  platform::Path data_folder_;
  MailSettingsModel model_;
  Prompter& prompter_;
  QRadioButton* desktop_ = nullptr;
  QRadioButton* smtp_ = nullptr;
  QLineEdit* host_ = nullptr;
  QSpinBox* port_ = nullptr;
  QComboBox* security_ = nullptr;
  QLineEdit* user_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* from_ = nullptr;
  QLabel* note_ = nullptr;
};

// Opens the dialog on the data folder's settings; whether they were saved.
bool RunMailSettings(const platform::Path& data_folder, std::string_view secretary_email,
                     QWidget* parent);

}  // namespace ledra::interchange::ui
