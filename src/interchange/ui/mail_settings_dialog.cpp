#include "interchange/ui/mail_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qt/qt_prompter.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"

namespace ledra::interchange::ui {
namespace {

using platform::MailTransport;
using platform::SmtpSecurity;

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

std::string Utf8(const QString& text) {
  return text.trimmed().toStdString();
}

}  // namespace

MailSettingsDialog::MailSettingsDialog(platform::Path data_folder, std::string_view secretary_email,
                                       platform::PasswordKeyring& keyring, Prompter& prompter,
                                       QWidget* parent)
    : QDialog(parent),
      data_folder_(std::move(data_folder)),
      model_(LoadMailSettings(data_folder_), secretary_email, keyring),
      prompter_(prompter) {
  setWindowTitle(qt::Text(str::kMailSettingsTitle));
  auto* layout = new QVBoxLayout(this);
  auto* through = new QGroupBox(qt::Text(str::kMailSendThrough), this);
  auto* through_layout = new QVBoxLayout(through);
  desktop_ = new QRadioButton(qt::Text(str::kMailThroughDesktop), through);
  smtp_ = new QRadioButton(qt::Text(str::kMailThroughSmtp), through);
  through_layout->addWidget(desktop_);
  through_layout->addWidget(smtp_);
  layout->addWidget(through);

  auto* form = new QFormLayout;
  // Room for a server name or an address as typed, not a cramped box.
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  host_ = new QLineEdit(this);
  host_->setMinimumWidth(host_->fontMetrics().averageCharWidth() * 36);
  port_ = new QSpinBox(this);
  port_->setRange(1, 65535);
  security_ = new QComboBox(this);
  // In the order of SmtpSecurity.
  for (int id : {str::kMailSecurityNone, str::kMailSecurityStartTls, str::kMailSecurityTls})
    security_->addItem(qt::Text(id));
  user_ = new QLineEdit(this);
  password_ = new QLineEdit(this);
  password_->setEchoMode(QLineEdit::Password);
  from_ = new QLineEdit(this);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  form->addRow(qt::Text(str::kMailHost), host_);
  form->addRow(qt::Text(str::kMailPort), port_);
  form->addRow(qt::Text(str::kMailSecurity), security_);
  form->addRow(qt::Text(str::kMailUser), user_);
  form->addRow(qt::Text(str::kMailPassword), password_);
  form->addRow(QString(), note_);
  form->addRow(qt::Text(str::kMailFrom), from_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);

  const platform::MailSettings& s = model_.settings();
  (s.transport == MailTransport::kSmtp ? smtp_ : desktop_)->setChecked(true);
  host_->setText(Utf8(s.smtp.host));
  port_->setValue(s.smtp.port);
  security_->setCurrentIndex(static_cast<int>(s.smtp.security));
  user_->setText(Utf8(s.smtp.user));
  from_->setText(Utf8(s.smtp.from));

  connect(smtp_, &QRadioButton::toggled, this, [this](bool on) {
    model_.set_transport(on ? MailTransport::kSmtp : MailTransport::kDesktop);
    Refresh();
  });
  connect(host_, &QLineEdit::textChanged, this, [this](const QString& t) {
    model_.set_host(Utf8(t));
    Refresh();
  });
  connect(port_, &QSpinBox::valueChanged, this, [this](int port) { model_.set_port(port); });
  connect(security_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.set_security(static_cast<SmtpSecurity>(index));
    Refresh();
  });
  connect(user_, &QLineEdit::textChanged, this, [this](const QString& t) {
    model_.set_user(Utf8(t));
    Refresh();
  });
  // The password is taken as typed: blanks may belong to it.
  connect(password_, &QLineEdit::textChanged, this,
          [this](const QString& t) { model_.set_password(t.toStdString()); });
  connect(from_, &QLineEdit::textChanged, this,
          [this](const QString& t) { model_.set_from(Utf8(t)); });
  connect(buttons, &QDialogButtonBox::accepted, this, &MailSettingsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Refresh();
}

void MailSettingsDialog::Refresh() {
  const bool smtp = model_.SmtpEnabled();
  for (QWidget* w : std::initializer_list<QWidget*>{host_, port_, security_, user_, from_})
    w->setEnabled(smtp);
  {
    const QSignalBlocker block(port_);
    port_->setValue(model_.settings().smtp.port);
  }
  password_->setEnabled(smtp && model_.PasswordEnabled());
  const int note = smtp ? model_.PasswordNote() : 0;
  note_->setText(note ? qt::Text(note) : QString());
  note_->setVisible(note != 0);
}

void MailSettingsDialog::accept() {
  if (Status ok = model_.Check(); !ok) {
    prompter_.Inform(ok.error().text);
    return;
  }
  const Status saved = model_.Save(data_folder_);
  if (!saved) {
    prompter_.Inform(saved.error().text);
    // Only a keyring that would not keep the password lets the dialog close:
    // the settings themselves are saved by then.
    const int id = saved.error().id;
    if (id != str::kMailKeyringStoreFailed && id != str::kMailKeyringNone) return;
  }
  QDialog::accept();
}

bool RunMailSettings(const platform::Path& data_folder, std::string_view secretary_email,
                     QWidget* parent) {
  qt::QtPrompter prompter(parent);
  MailSettingsDialog dialog(data_folder, secretary_email, platform::SystemKeyring(), prompter,
                            parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace ledra::interchange::ui
