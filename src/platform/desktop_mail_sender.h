#pragma once
// Handing a message to the desktop's own mail program through xdg-email,
// which opens it ready to send. The program is started without a shell.

#include <string>
#include <vector>

#include "platform/mail.h"
#include "platform/mail_addresses.h"

namespace ledra::platform {

// The command line, program name first: --utf8, the subject, the body, the
// attachment, the blind copies, then the addresses. The attachment's display
// name cannot be passed on: the mail program shows the file's own name.
std::vector<std::string> XdgEmailArguments(const MailRequest& request,
                                           const MailRecipients& recipients,
                                           const std::string& program = "xdg-email");

class DesktopMailSender final : public MailSender {
 public:
  // `program` is looked up on PATH; tests put a stand-in there.
  explicit DesktopMailSender(std::string program = "xdg-email") : program_(std::move(program)) {}
  // kSent once the program took the message (exit status 0); kFailed when it
  // is missing or refused.
  MailResult Send(const MailRequest& request) override;

 private:
  std::string program_;
};

}  // namespace ledra::platform
