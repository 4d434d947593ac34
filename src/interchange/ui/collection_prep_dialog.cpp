#include "interchange/ui/collection_prep_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::interchange::ui {

CollectionPrepDialog::CollectionPrepDialog(const store::Document& doc, store::Settings& settings,
                                           int group, Prompter& prompter, MailSend send,
                                           QWidget* parent)
    : QDialog(parent),
      model_(doc, settings, group),
      settings_(settings),
      prompter_(prompter),
      send_(std::move(send)) {
  auto* layout = new QVBoxLayout(this);
  overseer_ = new QLabel(this);
  layout->addWidget(overseer_);
  this_ = new QRadioButton(qt::FromAnsi(model_.MonthName()), this);
  next_ = new QRadioButton(qt::FromAnsi(model_.NextMonthName()), this);
  this_->setChecked(true);
  auto* months = new QHBoxLayout;
  months->addWidget(this_);
  months->addWidget(next_);
  months->addStretch(1);
  layout->addLayout(months);
  publishers_ = new QLabel(this);
  missing_ = new QLabel(this);
  layout->addWidget(publishers_);
  layout->addWidget(missing_);
  empty_ = new QCheckBox(this);
  layout->addWidget(empty_);
  auto* form = new QFormLayout;
  email_ = new QLineEdit(qt::FromAnsi(model_.secretary_email()), this);
  email_->setMaxLength(50);
  email_->setMinimumWidth(280);
  form->addRow(qt::Text(str::kCollectSecretaryEmail), email_);
  layout->addLayout(form);
  assistant_ = new QCheckBox(qt::Text(str::kCollectToAssistant), this);
  layout->addWidget(assistant_);
  auto* other = new QPushButton(qt::Text(str::kCollectOtherGroup), this);
  save_ = new QPushButton(this);
  mail_ = new QPushButton(this);
  for (QPushButton* b : {other, save_, mail_}) layout->addWidget(b);

  connect(this_, &QRadioButton::toggled, this, [this] {
    model_.set_next_month(next_->isChecked());
    Refresh();
  });
  connect(empty_, &QCheckBox::toggled, this, [this](bool on) {
    model_.set_empty_list(on);
    Refresh();
  });
  connect(assistant_, &QCheckBox::toggled, this, [this](bool on) {
    model_.set_to_assistant(settings_, on);
    settings_changed_ = true;
    Refresh();
  });
  connect(other, &QPushButton::clicked, this, [this] {
    other_group_ = true;
    reject();
  });
  connect(save_, &QPushButton::clicked, this, [this] {
    if (SaveFile(false)) accept();
  });
  connect(mail_, &QPushButton::clicked, this, [this] {
    if (SaveFile(true)) accept();
  });
  Refresh();
}

void CollectionPrepDialog::Refresh() {
  setWindowTitle(qt::FromAnsi(model_.Title()));
  overseer_->setText(qt::FromAnsi(model_.OverseerLine()));
  publishers_->setText(qt::FromAnsi(model_.PublishersText()));
  missing_->setText(qt::FromAnsi(model_.MissingText()));
  empty_->setText(qt::FromAnsi(model_.EmptyListText()));
  empty_->setVisible(model_.EmptyListShown());
  {
    const QSignalBlocker block(assistant_);
    assistant_->setChecked(model_.to_assistant());
  }
  assistant_->setVisible(model_.AssistantShown());
  mail_->setText(qt::FromAnsi(model_.MailButtonText()));
  mail_->setEnabled(model_.MailEnabled());
  save_->setText(qt::FromAnsi(model_.SaveButtonText()));
  save_->setEnabled(model_.SaveEnabled());
}

bool CollectionPrepDialog::SaveFile(bool mail) {
  model_.set_secretary_email(qt::ToAnsi(email_->text()));
  const auto saved = model_.Save(settings_);
  if (!saved) {
    prompter_.Inform(saved.error().text);
    return false;
  }
  settings_changed_ = settings_changed_ || saved->settings_changed;
  if (mail && model_.MailEnabled() && send_) {
    send_(model_.Mail(saved->file));
    return true;
  }
  prompter_.Inform(saved->message);
  return true;
}

}  // namespace ledra::interchange::ui
