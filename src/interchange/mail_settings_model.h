#pragma once
// "Configuração de E-mail" without its widgets: which sender, the SMTP
// server, the password kept in the keyring, what may be edited, and what is
// refused on OK. The settings live in the section "Mail" of the data
// folder's settings file.

#include <string>

#include "platform/mail_settings.h"
#include "platform/password_keyring.h"
#include "platform/result.h"

namespace ledra::interchange {

// The data folder's mail settings (defaults when the file has none).
platform::MailSettings LoadMailSettings(const platform::Path& data_folder);
// Rewrites the section "Mail" and keeps every other line of the file.
Status SaveMailSettings(const platform::Path& data_folder, const platform::MailSettings& settings);

class MailSettingsModel {
 public:
  // `secretary_email` (ANSI, the "Sec" setting) stands in for a missing
  // sender address.
  MailSettingsModel(platform::MailSettings stored, std::string_view secretary_email,
                    platform::PasswordKeyring& keyring);

  const platform::MailSettings& settings() const { return settings_; }
  void set_transport(platform::MailTransport transport) { settings_.transport = transport; }
  void set_host(std::string host) { settings_.smtp.host = std::move(host); }
  void set_port(int port) { settings_.smtp.port = port; }
  // A port left at the old security's usual number follows to the new one's.
  void set_security(platform::SmtpSecurity security);
  void set_user(std::string user) { settings_.smtp.user = std::move(user); }
  void set_from(std::string from) { settings_.smtp.from = std::move(from); }
  // A password typed in; empty keeps the one in the keyring.
  void set_password(std::string password) { password_ = std::move(password); }

  bool SmtpEnabled() const;
  // The password can be typed only where it can be kept: SMTP with a user
  // name and a keyring.
  bool PasswordEnabled() const;
  // The note under the password: kept in the keyring, no keyring, or none (0).
  int PasswordNote() const;

  // The refusal OK would meet, if any.
  Status Check() const;
  // OK: checks, writes the settings and keeps the typed password in the
  // keyring. The settings are saved even when the keyring fails; its
  // message comes back.
  Status Save(const platform::Path& data_folder);

 private:
  platform::MailSettings settings_;
  platform::MailSettings stored_;
  platform::PasswordKeyring& keyring_;
  bool keyring_available_ = false;
  bool stored_password_ = false;  // the keyring holds one for the stored server and user
  std::string password_;
};

}  // namespace ledra::interchange
