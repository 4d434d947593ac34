#include "platform/mail_settings.h"

#include <algorithm>
#include <array>

#include "platform/codepage.h"
#include "platform/desktop_mail_sender.h"
#include "platform/mail_addresses.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

constexpr std::string_view kTransport = "Transport";
constexpr std::string_view kHost = "Host";
constexpr std::string_view kPort = "Port";
constexpr std::string_view kSecurity = "Security";
constexpr std::string_view kUser = "User";
constexpr std::string_view kFrom = "From";

constexpr std::array<std::pair<SmtpSecurity, std::string_view>, 3> kSecurities = {
    {{SmtpSecurity::kNone, "none"},
     {SmtpSecurity::kStartTls, "starttls"},
     {SmtpSecurity::kTls, "tls"}}};
constexpr std::array<std::pair<MailTransport, std::string_view>, 2> kTransports = {
    {{MailTransport::kDesktop, "desktop"}, {MailTransport::kSmtp, "smtp"}}};

Message Refusal(int id) {
  return {id, Strings().Get(id)};
}

}  // namespace

std::string_view SecurityName(SmtpSecurity security) {
  for (const auto& [s, name] : kSecurities)
    if (s == security) return name;
  return "starttls";
}

std::optional<SmtpSecurity> SecurityNamed(std::string_view name) {
  for (const auto& [s, n] : kSecurities)
    if (EqualsNoCaseAnsi(n, name)) return s;
  return std::nullopt;
}

std::string_view TransportName(MailTransport transport) {
  for (const auto& [t, name] : kTransports)
    if (t == transport) return name;
  return "desktop";
}

std::optional<MailTransport> TransportNamed(std::string_view name) {
  for (const auto& [t, n] : kTransports)
    if (EqualsNoCaseAnsi(n, name)) return t;
  return std::nullopt;
}

MailSettings ReadMailSettings(const IniFile& ini) {
  MailSettings s;
  const auto text = [&](std::string_view key) {
    return AnsiToUtf8(ini.GetString(kMailSection, key, ""));
  };
  s.transport = TransportNamed(text(kTransport)).value_or(MailTransport::kDesktop);
  s.smtp.security = SecurityNamed(text(kSecurity)).value_or(SmtpSecurity::kStartTls);
  s.smtp.host = text(kHost);
  s.smtp.port = ini.GetInt(kMailSection, kPort, DefaultSmtpPort(s.smtp.security));
  s.smtp.user = text(kUser);
  s.smtp.from = text(kFrom);
  return s;
}

void WriteMailSettings(const MailSettings& s, IniFile& ini) {
  const auto text = [&](std::string_view key, std::string_view utf8) {
    ini.SetString(kMailSection, key, Utf8ToAnsi(utf8).text);
  };
  text(kTransport, TransportName(s.transport));
  text(kHost, s.smtp.host);
  ini.SetInt(kMailSection, kPort, s.smtp.port);
  text(kSecurity, SecurityName(s.smtp.security));
  text(kUser, s.smtp.user);
  text(kFrom, s.smtp.from);
}

Status CheckMailSettings(const MailSettings& s) {
  if (s.transport == MailTransport::kDesktop) return Status::Ok();
  if (s.smtp.host.empty()) return Refusal(str::kMailNeedHost);
  const bool odd = std::any_of(s.smtp.host.begin(), s.smtp.host.end(), [](char c) {
    return static_cast<unsigned char>(c) <= 0x20 || c == '/' || c == '\\' || c == '@';
  });
  if (odd) return Refusal(str::kMailBadHost);
  if (s.smtp.port < 1 || s.smtp.port > 65535) return Refusal(str::kMailBadPort);
  if (!UsableAddress(s.smtp.from)) return Refusal(str::kMailBadFrom);
  return Status::Ok();
}

bool NeedsPassword(const MailSettings& settings) {
  return settings.transport == MailTransport::kSmtp && !settings.smtp.user.empty();
}

std::unique_ptr<MailSender> MakeMailSender(const MailSettings& settings, std::string password,
                                           SmtpLimits limits) {
  if (settings.transport == MailTransport::kSmtp)
    return std::make_unique<SmtpMailSender>(settings.smtp, std::move(password), std::move(limits));
  return std::make_unique<DesktopMailSender>();
}

}  // namespace ledra::platform
