#pragma once
// The dialogs "Necessita de Senha" and "Troca de Senha": widgets bound to
// PasswordCheck and PasswordChange, which hold every rule.

#include <QDialog>
#include <string>

#include "platform/prompter.h"
#include "store/password_change.h"
#include "store/password_check.h"

class QLabel;
class QLineEdit;

namespace ledra::store::ui {

class PasswordCheckDialog : public QDialog {
  Q_OBJECT

 public:
  PasswordCheckDialog(std::string password, PasswordCheck::Purpose purpose,
                      QWidget* parent = nullptr);

  PasswordOutcome outcome() const { return check_.outcome(); }
  QLineEdit* edit() const { return edit_; }
  QLabel* prompt() const { return prompt_; }

  void accept() override;
  void reject() override;

 private:
  void Show(PasswordOutcome outcome);

  PasswordCheck check_;
  QLabel* prompt_ = nullptr;
  QLineEdit* edit_ = nullptr;
};

class PasswordChangeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PasswordChangeDialog(QWidget* parent = nullptr);

  const PasswordChange& change() const { return change_; }
  QLineEdit* edit() const { return edit_; }
  QLabel* prompt() const { return prompt_; }

  void accept() override;
  void reject() override;

 private:
  void Show();

  PasswordChange change_;
  QLabel* prompt_ = nullptr;
  QLineEdit* edit_ = nullptr;
};

// Asks for the password when the header holds one; true when access is granted.
bool CheckPassword(const PublisherRecord& header, PasswordCheck::Purpose purpose, QWidget* parent);

// The "&Senha" command: the old password, the new one twice, the message.
// Returns whether the header changed (the document is then modified).
bool RunPasswordCommand(PublisherRecord& header, Prompter& prompter, QWidget* parent);

}  // namespace ledra::store::ui
