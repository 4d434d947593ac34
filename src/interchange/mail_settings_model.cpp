#include "interchange/mail_settings_model.h"

#include "platform/codepage.h"
#include "platform/mail_addresses.h"
#include "platform/string_ids.h"
#include "store/settings.h"

namespace ledra::interchange {

platform::MailSettings LoadMailSettings(const platform::Path& data_folder) {
  return platform::ReadMailSettings(platform::IniFile::Load(store::SettingsPath(data_folder)));
}

Status SaveMailSettings(const platform::Path& data_folder, const platform::MailSettings& settings) {
  const platform::Path file = store::SettingsPath(data_folder);
  platform::IniFile ini = platform::IniFile::Load(file);
  platform::WriteMailSettings(settings, ini);
  return ini.Save(file);
}

MailSettingsModel::MailSettingsModel(platform::MailSettings stored,
                                     std::string_view secretary_email,
                                     platform::PasswordKeyring& keyring)
    : settings_(stored), stored_(std::move(stored)), keyring_(keyring) {
  const std::string secretary = platform::AnsiToUtf8(secretary_email);
  if (settings_.smtp.from.empty() && platform::UsableAddress(secretary))
    settings_.smtp.from = secretary;
  keyring_available_ = keyring.Available();
  if (keyring_available_ && platform::NeedsPassword(stored_))
    stored_password_ = keyring.Lookup(stored_.smtp.host, stored_.smtp.user).has_value();
}

void MailSettingsModel::set_security(platform::SmtpSecurity security) {
  if (settings_.smtp.port == platform::DefaultSmtpPort(settings_.smtp.security))
    settings_.smtp.port = platform::DefaultSmtpPort(security);
  settings_.smtp.security = security;
}

bool MailSettingsModel::SmtpEnabled() const {
  return settings_.transport == platform::MailTransport::kSmtp;
}

bool MailSettingsModel::PasswordEnabled() const {
  return keyring_available_ && platform::NeedsPassword(settings_);
}

int MailSettingsModel::PasswordNote() const {
  if (!platform::NeedsPassword(settings_)) return 0;
  if (!keyring_available_) return str::kMailKeyringNone;
  const bool same =
      settings_.smtp.host == stored_.smtp.host && settings_.smtp.user == stored_.smtp.user;
  return same && stored_password_ ? str::kMailKeyringStored : 0;
}

Status MailSettingsModel::Check() const {
  return platform::CheckMailSettings(settings_);
}

Status MailSettingsModel::Save(const platform::Path& data_folder) {
  if (Status ok = Check(); !ok) return ok;
  if (Status saved = SaveMailSettings(data_folder, settings_); !saved) return saved;
  stored_ = settings_;
  if (PasswordEnabled() && !password_.empty()) {
    if (Status kept = keyring_.Store(settings_.smtp.host, settings_.smtp.user, password_); !kept)
      return kept;
    stored_password_ = true;
    password_.clear();
  }
  return Status::Ok();
}

}  // namespace ledra::interchange
