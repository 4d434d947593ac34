#include "cli/mail_command.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <ostream>

#include "platform/codepage.h"
#include "platform/ini_file.h"
#include "platform/mail_settings.h"
#include "platform/password_keyring.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::cli {
namespace {

using json = nlohmann::ordered_json;
using platform::MailOutcome;

constexpr const char* kPasswordVariable = "LEDRA_SMTP_PASSWORD";

std::string_view OutcomeName(MailOutcome outcome) {
  switch (outcome) {
    case MailOutcome::kSent:
      return "sent";
    case MailOutcome::kCancelled:
      return "cancelled";
    case MailOutcome::kFailed:
      break;
  }
  return "failed";
}

class MailCommand final : public CliCommand {
 public:
  std::string Name() const override { return "mail"; }
  std::string Description() const override {
    return "Send one message through the mail settings (\"Configurar E-mail...\")";
  }
  void Configure(CLI::App& command) override {
    command.add_option("--to", to_, "Recipient; several separated by \";\" or the option repeated")
        ->required();
    command.add_option("--bcc", bcc_, "Blind copy recipient");
    command.add_option("--subject", subject_, "Subject")->required();
    command.add_option("--body", body_, "Text of the message")->required();
    command.add_option("--attach", attach_, "A file to attach");
    command.add_option("--attach-name", attach_name_, "The name the attachment is shown under");
    command.add_option("--sender-name", sender_name_, "The sender's name (default LEDRA)");
    command.add_option("--transport", transport_, "desktop or smtp (default: the settings')");
    command.add_option("--smtp-host", host_, "SMTP server (implies --transport smtp)");
    command.add_option("--smtp-port", port_, "SMTP port");
    command.add_option("--security", security_, "none, starttls or tls");
    command.add_option("--user", user_, "SMTP user name (\"\" for none)");
    command.add_option("--from", from_, "The sender's address");
  }

  int Run(const CliContext& context) override {
    platform::MailSettings settings =
        platform::ReadMailSettings(platform::IniFile::Load(store::SettingsPath(context.data_dir)));
    if (Status overridden = Override(settings); !overridden)
      return Refuse(context, overridden.error().text);
    platform::MailRequest request;
    request.to = to_;
    request.bcc = bcc_;
    request.subject = subject_;
    request.body = body_;
    request.attachment = attach_;
    request.attachment_name = attach_name_;
    request.sender_name =
        sender_name_ ? *sender_name_ : platform::AnsiToUtf8(Strings().Get(str::kMailProgramName));
    json result;
    const int code = SendWithSettings(context, settings, request, result);
    if (!result.empty()) *context.out << result.dump(1) << '\n';
    return code;
  }

 private:
  // The options in place of the stored settings; naming any part of a
  // server means sending through it.
  Status Override(platform::MailSettings& s) const {
    const auto bad = [](std::string_view option, std::string_view value) {
      return Message{
          str::kCliBadValue,
          Strings().Format(str::kCliBadValue, {option, platform::Utf8ToAnsi(value).text})};
    };
    if (host_ || port_ || security_ || user_ || from_) s.transport = platform::MailTransport::kSmtp;
    if (transport_) {
      const auto t = platform::TransportNamed(*transport_);
      if (!t) return bad("--transport", *transport_);
      s.transport = *t;
    }
    if (security_) {
      const auto security = platform::SecurityNamed(*security_);
      if (!security) return bad("--security", *security_);
      // A new security without a port goes to its usual port.
      if (!port_ && s.smtp.port == platform::DefaultSmtpPort(s.smtp.security))
        s.smtp.port = platform::DefaultSmtpPort(*security);
      s.smtp.security = *security;
    }
    if (port_) {
      const auto port = ParseNumber(*port_);
      if (!port || *port < 1 || *port > 65535) return bad("--smtp-port", *port_);
      s.smtp.port = static_cast<int>(*port);
    }
    if (host_) s.smtp.host = *host_;
    if (user_) s.smtp.user = *user_;
    if (from_) s.smtp.from = *from_;
    return Status::Ok();
  }

  std::vector<std::string> to_, bcc_;
  std::string subject_, body_, attach_, attach_name_;
  std::optional<std::string> sender_name_, transport_, host_, port_, security_, user_, from_;
};

}  // namespace

int SendWithSettings(const CliContext& context, const platform::MailSettings& settings,
                     const platform::MailRequest& request, nlohmann::ordered_json& result) {
  if (Status ok = platform::CheckMailSettings(settings); !ok) {
    return Refuse(context, Strings().Format(str::kMailNotConfigured, {ok.error().text}));
  }
  std::string password;
  if (platform::NeedsPassword(settings)) {
    if (const char* given = std::getenv(kPasswordVariable)) {
      password = given;
    } else if (auto kept =
                   platform::SystemKeyring().Lookup(settings.smtp.host, settings.smtp.user)) {
      password = std::move(*kept);
    } else {
      return Refuse(context, Strings().Format(str::kCliMailNoPassword,
                                              {platform::Utf8ToAnsi(settings.smtp.user).text,
                                               platform::Utf8ToAnsi(settings.smtp.host).text}));
    }
  }

  const platform::MailResult sent =
      platform::MakeMailSender(settings, std::move(password))->Send(request);
  result["outcome"] = OutcomeName(sent.outcome);
  result["detail"] = sent.detail;
  if (sent.outcome != MailOutcome::kFailed) return kExitDone;
  PrintAnsi(*context.err, Strings().Get(str::kMailSendFailed));
  *context.err << sent.detail << '\n';
  return kExitFailed;
}

std::unique_ptr<CliCommand> MakeMailCommand() {
  return std::make_unique<MailCommand>();
}

}  // namespace ledra::cli
