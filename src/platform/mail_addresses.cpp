#include "platform/mail_addresses.h"

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::platform {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<std::string> SplitAddresses(std::span<const std::string> entries) {
  std::vector<std::string> out;
  for (const std::string& entry : entries) {
    std::string_view rest = entry;
    while (true) {
      const std::size_t semicolon = rest.find(';');
      const std::string_view part = Trim(rest.substr(0, semicolon));
      if (!part.empty()) out.emplace_back(part);
      if (semicolon == std::string_view::npos) break;
      rest.remove_prefix(semicolon + 1);
    }
  }
  return out;
}

bool UsableAddress(std::string_view address) {
  if (address.empty() || address.size() > 254 || address.front() == '-') return false;
  for (const char c : address) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u == 0x7F) return false;
    if (std::string_view("<>()[]\\,;:\"`").find(c) != std::string_view::npos) return false;
  }
  const std::size_t at = address.rfind('@');
  if (at == std::string_view::npos || at == 0 || address.find('@') != at) return false;
  const std::string_view domain = address.substr(at + 1);
  const std::size_t dot = domain.find('.');
  return dot != std::string_view::npos && dot > 0 && domain.back() != '.';
}

Result<MailRecipients> RecipientsOf(const MailRequest& request) {
  MailRecipients r{SplitAddresses(request.to), SplitAddresses(request.bcc)};
  for (const auto* list : {&r.to, &r.bcc}) {
    for (const std::string& address : *list) {
      if (!UsableAddress(address)) {
        return Message{str::kMailBadAddress,
                       Strings().Format(str::kMailBadAddress, {Utf8ToAnsi(address).text})};
      }
    }
  }
  if (r.to.empty() && r.bcc.empty())
    return Message{str::kMailNoRecipient, Strings().Get(str::kMailNoRecipient)};
  return r;
}

std::string_view AddressDomain(std::string_view address) {
  const std::size_t at = address.rfind('@');
  return at == std::string_view::npos ? std::string_view{} : address.substr(at + 1);
}

}  // namespace ledra::platform
