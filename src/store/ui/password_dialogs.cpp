#include "store/ui/password_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/publisher_record.h"

namespace ledra::store::ui {
namespace {

// Prompt line, edit field, OK and Cancel.
void BuildLayout(QDialog* dialog, QLabel*& prompt, QLineEdit*& edit) {
  auto* layout = new QVBoxLayout(dialog);
  prompt = new QLabel(dialog);
  edit = new QLineEdit(dialog);
  edit->setEchoMode(QLineEdit::Password);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(prompt);
  layout->addWidget(edit);
  layout->addWidget(buttons);
  edit->setFocus();
}

}  // namespace

PasswordCheckDialog::PasswordCheckDialog(std::string password, PasswordCheck::Purpose purpose,
                                         QWidget* parent)
    : QDialog(parent), check_(std::move(password), purpose) {
  setWindowTitle(qt::Text(str::kPasswordCaption));
  BuildLayout(this, prompt_, edit_);
  prompt_->setText(qt::FromAnsi(check_.prompt()));
  connect(edit_, &QLineEdit::textChanged, this,
          [this](const QString& text) { Show(check_.TextChanged(qt::ToAnsi(text))); });
}

void PasswordCheckDialog::accept() {
  Show(check_.Ok(qt::ToAnsi(edit_->text())));
}

void PasswordCheckDialog::reject() {
  check_.Close();
  QDialog::reject();
}

void PasswordCheckDialog::Show(PasswordOutcome outcome) {
  prompt_->setText(qt::FromAnsi(check_.prompt()));
  if (outcome == PasswordOutcome::kGranted) QDialog::accept();
  if (outcome == PasswordOutcome::kRefused) QDialog::reject();
}

PasswordChangeDialog::PasswordChangeDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(qt::Text(str::kPasswordChangeCaption));
  BuildLayout(this, prompt_, edit_);
  prompt_->setText(qt::FromAnsi(change_.prompt()));
  // textEdited: the field is also cleared from here, which must not count.
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (change_.TextChanged(qt::ToAnsi(text))) Show();
  });
}

void PasswordChangeDialog::accept() {
  change_.Ok(qt::ToAnsi(edit_->text()));
  Show();
}

void PasswordChangeDialog::reject() {
  change_.Cancel();
  QDialog::reject();
}

void PasswordChangeDialog::Show() {
  if (change_.finished()) {
    change_.confirmed() ? QDialog::accept() : QDialog::reject();
    return;
  }
  edit_->setText(qt::FromAnsi(change_.field()));
  prompt_->setText(qt::FromAnsi(change_.prompt()));
}

bool CheckPassword(const PublisherRecord& header, PasswordCheck::Purpose purpose, QWidget* parent) {
  if (!PasswordCheck::Needed(header)) return true;
  PasswordCheckDialog dialog(header::Password(header), purpose, parent);
  dialog.exec();
  return dialog.outcome() == PasswordOutcome::kGranted;
}

bool RunPasswordCommand(PublisherRecord& header, Prompter& prompter, QWidget* parent) {
  if (!CheckPassword(header, PasswordCheck::Purpose::kBeforeChange, parent)) return false;
  PasswordChangeDialog dialog(parent);
  dialog.exec();
  const PasswordChangeResult result = ApplyPasswordChange(dialog.change(), header);
  prompter.Inform(Strings().Get(result.message_id));
  return result.modified;
}

}  // namespace ledra::store::ui
