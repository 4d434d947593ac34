#pragma once
// Sending through an SMTP server with libcurl: plain, STARTTLS or TLS from
// the first byte, with a user name and password when the server wants them.

#include <chrono>
#include <string>

#include "platform/mail.h"

namespace ledra::platform {

enum class SmtpSecurity { kNone, kStartTls, kTls };

struct SmtpServer {
  std::string host;
  int port = 587;
  SmtpSecurity security = SmtpSecurity::kStartTls;
  std::string user;  // empty: no login
  std::string from;  // the sender's address (UTF-8)
};

// The port a security usually goes with: 25, 587, 465.
int DefaultSmtpPort(SmtpSecurity security);

struct SmtpLimits {
  std::chrono::seconds connect{20};
  std::chrono::seconds reply{60};  // the longest wait for one server reply
  std::chrono::seconds total{300};
  std::string ca_file;  // certificates to trust besides the system's (tests)
};

class SmtpMailSender final : public MailSender {
 public:
  SmtpMailSender(SmtpServer server, std::string password, SmtpLimits limits = {});
  // kSent once the server accepted the message; kFailed with the server's
  // reply (or the connection's error) otherwise.
  MailResult Send(const MailRequest& request) override;

 private:
  SmtpServer server_;
  std::string password_;
  SmtpLimits limits_;
};

}  // namespace ledra::platform
