#pragma once
// Sending one message the way the windows do, without the windows: the
// settings checked, the password taken from the keyring or asked for, the
// sender made, and a failure shown as "Send Mail failed to send message."
// with the server's words under it. Sent and cancelled show nothing.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/mail_settings.h"
#include "platform/password_keyring.h"
#include "platform/prompter.h"

namespace ledra::interchange {

struct MailDispatch {
  platform::PasswordKeyring& keyring;
  Prompter& prompter;
  // Asks for the password with an ANSI prompt; nothing when the user cancelled.
  std::function<std::optional<std::string>(std::string_view prompt)> ask_password;
  // Told true before the message goes and false after (the windows are
  // disabled in between).
  std::function<void(bool sending)> on_sending;
  // The sender for the settings (tests put their own).
  std::function<std::unique_ptr<platform::MailSender>(const platform::MailSettings&, std::string)>
      make_sender = [](const platform::MailSettings& s, std::string password) {
        return platform::MakeMailSender(s, std::move(password));
      };
};

platform::MailResult DispatchMail(const platform::MailSettings& settings,
                                  const platform::MailRequest& request, MailDispatch& dispatch);

// The text shown for a failure: the fixed line, then the detail (ANSI).
std::string MailFailureText(std::string_view detail_utf8);

}  // namespace ledra::interchange
