#pragma once
// The recipients of one message: each given entry may hold several addresses
// separated by ";" (as a group's address field does), and every address is
// checked before anything is handed to a server or a program.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mail.h"
#include "platform/result.h"

namespace ledra::platform {

struct MailRecipients {
  std::vector<std::string> to, bcc;  // UTF-8, one address each
};

// Splits each entry at ";", trims blanks and drops empty parts.
std::vector<std::string> SplitAddresses(std::span<const std::string> entries);

// Whether an address can be put on a command line or an SMTP envelope as it
// is: "local@domain" with a dot in the domain, no blanks, controls, quotes,
// angle brackets, commas or semicolons, and no leading "-" (a program would
// take it for an option).
bool UsableAddress(std::string_view address);

// The request's recipients split; refused with "Endereço de e-mail inválido"
// naming the first unusable address, or when there is nobody to send to.
Result<MailRecipients> RecipientsOf(const MailRequest& request);

// "user@example.org" -> "example.org"; empty when there is no "@".
std::string_view AddressDomain(std::string_view address);

}  // namespace ledra::platform
