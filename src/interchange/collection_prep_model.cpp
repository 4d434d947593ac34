#include "interchange/collection_prep_model.h"

#include "activity/month_calendar.h"
#include "activity/sheet_list.h"
#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

constexpr std::size_t kSecretaryEmailLimit = 50;
constexpr std::size_t kLastAtPosition = 47;

activity::CalendarMonth Collected(const store::CongregationDatabase& db, bool next) {
  const activity::CalendarMonth report{db.month().report_month_index, db.month().report_year};
  return next ? report.Next() : report;
}

}  // namespace

CollectionPrepModel::CollectionPrepModel(const store::Document& doc,
                                         const store::Settings& settings, int group)
    : doc_(doc), settings_(settings), group_(group), secretary_email_(settings.secretary_email) {}

bool CollectionPrepModel::to_assistant() const {
  return group_ >= 1 && group_ <= 20 && (settings_.assistant_mail_groups >> (group_ - 1) & 1) != 0;
}

void CollectionPrepModel::set_to_assistant(store::Settings& settings, bool on) {
  if (group_ < 1 || group_ > 20) return;
  const int bit = 1 << (group_ - 1);
  settings.assistant_mail_groups =
      on ? settings.assistant_mail_groups | bit : settings.assistant_mail_groups & ~bit;
}

int CollectionPrepModel::month_index() const {
  return Collected(doc_.db(), next_month_).month_index;
}

int CollectionPrepModel::parity() const {
  return Collected(doc_.db(), next_month_).parity();
}

std::string CollectionPrepModel::MonthName() const {
  return activity::MonthName(month_index());
}

std::string CollectionPrepModel::NextMonthName() const {
  return activity::MonthName(Collected(doc_.db(), true).month_index);
}

std::string CollectionPrepModel::Title() const {
  return FormatPrintf(Strings().Get(str::kCollectTitle), {group_}) + " - " +
         Strings().Get(str::kCollectMonthLabel) + " = " + MonthName();
}

std::string CollectionPrepModel::OverseerLine() const {
  return Strings().Format(str::kCollectOverseer,
                          {doc_.db().side.groups.text(group_, store::GroupTable::Text::kOverseer)});
}

int CollectionPrepModel::Members() const {
  return static_cast<int>(GroupMemberRows(doc_.db(), group_).size());
}

int CollectionPrepModel::Missing() const {
  const auto& db = doc_.db();
  const int slot = month_index() * 3 + parity();
  int missing = 0;
  for (int row : GroupMemberRows(db, group_))
    if (!activity::SlotHasReport(db.row(row), slot) &&
        !activity::SlotHasRemark(db, db.row(row), slot))
      ++missing;
  return missing;
}

std::string CollectionPrepModel::PublishersText() const {
  return FormatPrintf("%s:  %d",
                      {std::string_view(Strings().Get(str::kCollectPublishers)), Members()});
}

std::string CollectionPrepModel::MissingText() const {
  return FormatPrintf("%s:  %d", {std::string_view(Strings().Get(str::kCollectMissing)),
                                  empty_list_ ? Members() : Missing()});
}

std::string CollectionPrepModel::EmptyListText() const {
  return Strings().Format(str::kCollectEmptyList, {MonthName()});
}

std::string CollectionPrepModel::EmailOfName(std::string_view name) const {
  const auto& db = doc_.db();
  if (name.empty()) return {};
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    if (p.fname() + " " + p.lname() != name) continue;
    const auto extension = doc_.ReadExtension(e.row);
    if (extension && ValidEmail(extension->email())) return extension->email();
    return {};
  }
  return {};
}

bool CollectionPrepModel::AssistantShown() const {
  return !EmailOfName(doc_.db().side.groups.text(group_, store::GroupTable::Text::kAssistant))
              .empty();
}

std::string CollectionPrepModel::Recipient() const {
  const auto& groups = doc_.db().side.groups;
  if (AssistantShown() && to_assistant())
    return EmailOfName(groups.text(group_, store::GroupTable::Text::kAssistant));
  return EmailOfName(groups.text(group_, store::GroupTable::Text::kOverseer));
}

std::string CollectionPrepModel::MailButtonText() const {
  const std::string to = Recipient();
  if (!to.empty()) return Strings().Format(str::kCollectMail, {to});
  return Strings().Format(str::kCollectNoAddress,
                          {doc_.db().side.groups.text(group_, store::GroupTable::Text::kOverseer)});
}

std::string CollectionPrepModel::SaveButtonText() const {
  return Strings().Get(SaveEnabled() ? str::kCollectSave : str::kCollectDone);
}

std::string CollectionPrepModel::CleanSecretaryEmail(std::string_view typed) {
  const std::string_view text = typed.substr(0, kSecretaryEmailLimit);
  const std::size_t at = text.find('@');
  if (at == std::string_view::npos || at == 0 || at > kLastAtPosition) return {};
  return std::string(text);
}

CollectionRequest CollectionPrepModel::Request() const {
  CollectionRequest r;
  r.group = group_;
  r.month_index = month_index();
  r.parity = parity();
  r.clear_month = empty_list_ || next_month_;
  r.secretary_email = CleanSecretaryEmail(secretary_email_);
  return r;
}

Result<CollectionPrepModel::Saved> CollectionPrepModel::Save(store::Settings& settings) const {
  Saved saved;
  const CollectionRequest request = Request();
  if (request.secretary_email != settings.secretary_email) {
    settings.secretary_email = request.secretary_email;
    saved.settings_changed = true;
  }
  Result<platform::Path> file = WriteCollectionFile(doc_, request);
  if (!file) return file.error();
  saved.file = *file;
  saved.message = Strings().Format(str::kCollectSaved, {file->string()});
  return saved;
}

platform::MailRequest CollectionPrepModel::Mail(const platform::Path& file) const {
  platform::MailRequest mail;
  mail.to = {platform::AnsiToUtf8(Recipient())};
  const std::string group_label =
      FormatPrintf("%s %d", {std::string_view(Strings().Get(str::kCollectFilePrefix)), group_});
  mail.subject = platform::AnsiToUtf8(
      FormatPrintf("%s - %s - %s", {std::string_view(Strings().Get(str::kCollectMailSubject)),
                                    std::string_view(MonthName()), std::string_view(group_label)}));
  mail.body = platform::AnsiToUtf8(Strings().Get(str::kCollectMailBody));
  mail.attachment = file.string();
  mail.sender_name = platform::AnsiToUtf8(Strings().Get(str::kMailProgramName));
  return mail;
}

}  // namespace ledra::interchange
