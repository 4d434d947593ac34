#pragma once
// How the program sends mail, as kept in the section "Mail" of the settings
// file: through the desktop's mail program or an SMTP server. The password
// is not among them (see password_keyring.h).

#include <memory>
#include <string>
#include <string_view>

#include "platform/ini_file.h"
#include "platform/mail.h"
#include "platform/smtp_mail_sender.h"

namespace ledra::platform {

enum class MailTransport { kDesktop, kSmtp };

struct MailSettings {
  MailTransport transport = MailTransport::kDesktop;
  SmtpServer smtp;  // UTF-8 texts
};

inline constexpr std::string_view kMailSection = "Mail";

// Missing or unknown values give the defaults (the desktop program; STARTTLS
// on its usual port).
MailSettings ReadMailSettings(const IniFile& ini);
void WriteMailSettings(const MailSettings& settings, IniFile& ini);

// The words the file and ledra-cli use: "none", "starttls", "tls";
// "desktop", "smtp".
std::string_view SecurityName(SmtpSecurity security);
std::optional<SmtpSecurity> SecurityNamed(std::string_view name);
std::string_view TransportName(MailTransport transport);
std::optional<MailTransport> TransportNamed(std::string_view name);

// What is missing for sending through SMTP ("Informe o servidor SMTP.", ...);
// nothing is needed for the desktop program.
Status CheckMailSettings(const MailSettings& settings);

// Whether sending needs a password (SMTP with a user name).
bool NeedsPassword(const MailSettings& settings);

// The sender the settings name. The password is used only for SMTP.
std::unique_ptr<MailSender> MakeMailSender(const MailSettings& settings, std::string password,
                                           SmtpLimits limits = {});

}  // namespace ledra::platform
