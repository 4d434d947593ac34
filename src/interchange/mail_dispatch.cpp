#include "interchange/mail_dispatch.h"

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {

std::string MailFailureText(std::string_view detail_utf8) {
  std::string text = Strings().Get(str::kMailSendFailed);
  if (!detail_utf8.empty()) text += "\n\n" + platform::Utf8ToAnsi(detail_utf8).text;
  return text;
}

platform::MailResult DispatchMail(const platform::MailSettings& settings,
                                  const platform::MailRequest& request, MailDispatch& dispatch) {
  const auto fail = [&](std::string detail) {
    dispatch.prompter.Inform(MailFailureText(detail));
    return platform::MailResult{platform::MailOutcome::kFailed, std::move(detail)};
  };
  if (Status ok = platform::CheckMailSettings(settings); !ok) {
    return fail(platform::AnsiToUtf8(Strings().Format(str::kMailNotConfigured, {ok.error().text})));
  }

  std::string password;
  bool asked = false;
  if (platform::NeedsPassword(settings)) {
    const std::string& host = settings.smtp.host;
    const std::string& user = settings.smtp.user;
    if (auto kept = dispatch.keyring.Lookup(host, user)) {
      password = std::move(*kept);
    } else {
      std::optional<std::string> typed;
      if (dispatch.ask_password) {
        typed = dispatch.ask_password(
            Strings().Format(str::kMailPasswordPrompt,
                             {platform::Utf8ToAnsi(user).text, platform::Utf8ToAnsi(host).text}));
      }
      if (!typed) return {platform::MailOutcome::kCancelled, {}};
      password = std::move(*typed);
      asked = true;
    }
  }

  std::unique_ptr<platform::MailSender> sender = dispatch.make_sender(settings, password);
  if (dispatch.on_sending) dispatch.on_sending(true);
  platform::MailResult result = sender->Send(request);
  if (dispatch.on_sending) dispatch.on_sending(false);

  if (result.outcome == platform::MailOutcome::kFailed) return fail(std::move(result.detail));
  // A password the server took is kept, so it is not asked for again.
  if (result.outcome == platform::MailOutcome::kSent && asked && dispatch.keyring.Available())
    (void)dispatch.keyring.Store(settings.smtp.host, settings.smtp.user, password);
  return result;
}

}  // namespace ledra::interchange
