#pragma once
// The bytes of one message as a mail server takes them: headers with UTF-8
// texts as encoded words, a UTF-8 text part and at most one base64 file.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "platform/mail.h"
#include "platform/mail_addresses.h"

namespace ledra::platform {

struct MailAttachment {
  std::string name;   // UTF-8, as the recipient sees it
  std::string bytes;  // the file's contents
};

// What the message carries besides the request itself.
struct MessageFrame {
  std::string from_address;  // the sender's own address (UTF-8)
  std::time_t date = 0;
  std::string message_id;  // without the angle brackets
  std::string boundary;    // between the parts; must not occur in base64 text
};

// Base64 in lines of `line_length` characters joined by CRLF (0: one line).
std::string Base64(std::string_view bytes, std::size_t line_length = 76);

// A header text as it may stand after "Name: ": plain when it is short
// printable ASCII, else UTF-8 encoded words of at most 75 characters folded
// onto continuation lines. Line breaks in the text never reach the header.
std::string HeaderText(std::string_view utf8);

// "Tue, 02 Apr 2024 09:05:00 +0000".
std::string MailDate(std::time_t when);

// The whole message, CRLF line ends. The Bcc addresses stay out of the
// headers; with only Bcc addresses the To header names no one.
std::string BuildMessage(const MailRequest& request, const MailRecipients& recipients,
                         const std::optional<MailAttachment>& attachment,
                         const MessageFrame& frame);

// A fresh frame for a message sent now from `from_address`.
MessageFrame NewMessageFrame(std::string_view from_address);

}  // namespace ledra::platform
