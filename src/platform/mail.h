#pragma once
// Sending one message with at most one attachment: the collection file to a
// group overseer, the reminder to those who have not reported. Two senders
// stand behind it: SMTP, and the desktop's own mail program.

#include <string>
#include <vector>

namespace ledra::platform {

struct MailRequest {
  std::vector<std::string> to;  // addresses, UTF-8
  // Addresses that receive the message without seeing each other (the
  // reminder to every publisher who has not reported), UTF-8.
  std::vector<std::string> bcc;
  std::string subject, body;    // UTF-8
  std::string attachment;       // a file path, empty for none
  std::string attachment_name;  // the name shown, empty for the file's own
  std::string sender_name;      // "LEDRA" or the secretary's address
};

enum class MailOutcome { kSent, kCancelled, kFailed };

struct MailResult {
  MailOutcome outcome = MailOutcome::kFailed;
  std::string detail;  // the server's or the program's message on failure (UTF-8)
};

class MailSender {
 public:
  virtual ~MailSender() = default;
  virtual MailResult Send(const MailRequest& request) = 0;
};

}  // namespace ledra::platform
