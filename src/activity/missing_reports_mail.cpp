#include "activity/missing_reports_mail.h"

#include <algorithm>

#include "activity/month_calendar.h"
#include "platform/codepage.h"
#include "platform/mail_addresses.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {
namespace {

// The e-mail kept in the person's extension record, when the record is his.
std::string EmailOf(const store::CongregationDatabase& db, int row) {
  const std::uint16_t k = db.row(row).extension_index();
  const auto& records = db.side.extensions;
  if (k == 0 || k >= records.size() || records[k].id() != db.row(row).id()) return {};
  return records[k].email();
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

Result<std::vector<std::string>> ReminderAddresses(const store::CongregationDatabase& db,
                                                   const StatusListChoice& choice) {
  if (choice.kind != StatusListKind::kNotReported)
    return Message{str::kMailReminderNobody, Strings().Get(str::kMailReminderNobody)};
  const Result<StatusListPage> page = StatusList(db).Build(choice);
  if (!page) return page.error();
  std::vector<std::string> addresses;
  for (const StatusLine& line : page->lines) {
    // The e-mail field may hold several addresses separated by ";".
    const std::string field = platform::AnsiToUtf8(EmailOf(db, line.row));
    for (std::string& address : platform::SplitAddresses(std::span(&field, 1))) {
      if (!platform::UsableAddress(address)) continue;
      if (std::ranges::find(addresses, address) == addresses.end())
        addresses.push_back(std::move(address));
    }
  }
  return addresses;
}

Result<platform::MailRequest> MissingReportsReminder(const store::CongregationDatabase& db,
                                                     const StatusListChoice& choice,
                                                     std::string_view secretary_email) {
  Result<std::vector<std::string>> addresses = ReminderAddresses(db, choice);
  if (!addresses) return addresses.error();
  if (addresses->empty())
    return Message{str::kMailReminderNobody, Strings().Get(str::kMailReminderNobody)};
  // The month of the list shown, which is the ReportMonth unless another was chosen.
  const int month = choice.month_index >= 0 ? choice.month_index : db.month().report_month_index;
  const std::string name = MonthName(month);
  platform::MailRequest request;
  request.bcc = std::move(*addresses);
  // The list's own caption ends in a blank the subject does without.
  request.subject =
      platform::AnsiToUtf8(TrimRight(Strings().Format(str::kStatusNotReported, {name})));
  request.body = platform::AnsiToUtf8(Strings().Format(str::kMailReminderBody, {name}));
  request.sender_name = platform::AnsiToUtf8(
      secretary_email.size() >= 4 ? secretary_email
                                  : std::string_view(Strings().Get(str::kMailProgramName)));
  return request;
}

}  // namespace ledra::activity
