#include "activity/report_sheet.h"

#include <cctype>

#include "activity/branch_totals.h"
#include "activity/credit_hours.h"
#include "activity/late_entry_list.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

namespace {

using store::SlotWords;

constexpr SlotWords kCounters[] = {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours,
                                   SlotWords::kReturnVisits, SlotWords::kStudiesWord};

Message OutOfRange(int low, int high) {
  return {str::kEnterIntegerBetween,
          Strings().Format(str::kEnterIntegerBetween, {std::to_string(low), std::to_string(high)})};
}

// The whole hours of a typed text: the digits before a ".".
Result<int> ParseHours(std::string_view text) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  if (dot != std::string_view::npos) {
    for (char ch : text.substr(dot + 1))
      if (!std::isdigit(static_cast<unsigned char>(ch))) return OutOfRange(0, kMaxSheetHours);
  }
  return ParseWholeNumber(whole, 0, kMaxSheetHours);
}

}  // namespace

Result<int> ParseWholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  for (char ch : text) {
    if (!std::isdigit(static_cast<unsigned char>(ch))) return OutOfRange(low, high);
    value = value * 10 + (ch - '0');
    if (value > high) return OutOfRange(low, high);
  }
  if (value < low) return OutOfRange(low, high);
  return value;
}

ReportSheet::ReportSheet(store::Document& doc, int row)
    : doc_(doc), row_(row), copy_(doc.db().row(row)) {
  ChooseMonth(doc.db().month().report_month_index);
}

CalendarMonth ReportSheet::entry() const {
  const auto& m = doc_.db().month();
  return {month_, month_ > m.report_month_index ? m.report_year - 1 : m.report_year};
}

bool ReportSheet::late() const {
  return month_ != doc_.db().month().report_month_index;
}

void ReportSheet::HideMonthList() {
  month_list_shown_ = false;
  BuildNotice();
}

void ReportSheet::ChooseMonth(int month_index) {
  if (month_index < 0 || month_index > 11) return;
  month_ = month_index;
  parity_ = entry().parity();
  Load();
}

void ReportSheet::Load() {
  const int s = slot();
  hours_ = std::to_string(copy_.word(SlotWords::kHours, s));
  const std::uint16_t word = copy_.word(SlotWords::kStudiesWord, s);
  studies_ = std::to_string(word & store::studies::kStudiesMask);
  participated_ = (word & store::studies::kParticipated) != 0;
  auxiliary_ = pioneer_code() == 1;
  credit_ = copy_.word(SlotWords::kPioCredit, s);
  remark_ = doc_.RemarkText(row_, s);
  Recredit();
  BuildNotice();
}

void ReportSheet::Recredit() {
  if (pioneer_code() != 2) return;
  const Result<int> hours = ParseHours(hours_);
  Credit c = CreditHours(hours ? *hours : 0, credit_, remark_);
  credit_ = c.credit;
  remark_ = std::move(c.remark);
}

void ReportSheet::SetParticipated(bool on) {
  participated_ = on;
  if (!on) {
    hours_ = "0";
    studies_ = "0";
  }
}

void ReportSheet::SetAuxiliary(bool on) {
  auxiliary_ = on;
  const Result<int> hours = ParseHours(hours_);
  if (on && (hours_.size() > 1 || (hours && *hours != 0))) participated_ = true;
}

void ReportSheet::HoursLeft() {
  Recredit();
}

Status ReportSheet::RemarkLeft(std::string text) {
  if (text.size() > static_cast<std::size_t>(kRemarkLength)) text.resize(kRemarkLength);
  remark_ = text;
  if (remark_.empty()) credit_ = 0;
  Status stored = doc_.SetRemark(row_, month_, parity_, remark_);
  // The remark's place in the table is the row's; the copy follows it.
  copy_.set_word(SlotWords::kRemarkIndex, slot(),
                 doc_.db().row(row_).word(SlotWords::kRemarkIndex, slot()));
  Recredit();
  return stored;
}

std::string ReportSheet::name() const {
  return doc_.db().DisplayName(row_, !doc_.db().sort_by_first_name);
}

std::string ReportSheet::month_name() const {
  return MonthName(month_);
}

bool ReportSheet::field_missionary() const {
  return (copy_.appointment_bits() & store::kAppointmentFieldMissionary) != 0;
}

bool ReportSheet::hours_visible() const {
  return participated_ && (pioneer_code() != 0 || auxiliary_ || field_missionary());
}

bool ReportSheet::category_visible() const {
  return pioneer_code() == 2 || pioneer_code() == 3 || field_missionary();
}

std::string ReportSheet::category_text() const {
  if (field_missionary()) return Strings().Get(str::kSheetFieldMissionary);
  if (pioneer_code() == 3) return Strings().Get(str::kSheetSpecialPioneer);
  return Strings().Get(str::kSheetRegularPioneer);
}

std::string ReportSheet::servant_text() const {
  switch (copy_.attribute_flags() & store::attr::kServantMask) {
    case 1:
      return Strings().Get(str::kSheetMinisterialServant);
    case 2:
      return Strings().Get(str::kSheetElder);
    case 3:
      return Strings().Get(str::kSheetBaptisedBrother);
    default:
      return {};
  }
}

std::string ReportSheet::group_text() const {
  return Strings().Get(str::kSheetGroup) +
         Strings().Format(str::kSheetGroupNumber, {std::to_string(copy_.group())});
}

std::string ReportSheet::credit_text() const {
  if (pioneer_code() != 2 || credit_ == 0) return {};
  return Strings().Format(str::kSheetCreditOpen, {std::to_string(credit_)}) +
         Strings().Get(str::kSheetHours) + Strings().Get(str::kSheetCreditClose);
}

bool ReportSheet::has_activity() const {
  return copy_.word(SlotWords::kHours, slot()) != 0;
}

bool ReportSheet::queued() const {
  return LateReportQueued(doc_.db(), copy_.id(), month_);
}

void ReportSheet::BuildNotice() {
  const auto& m = doc_.db().month();
  const std::string report_month = MonthName(m.report_month_index);
  notice_.clear();
  not_included_ = false;
  auto add = [&](std::string text) {
    if (!notice_.empty()) notice_ += ' ';
    notice_ += text;
  };
  const bool activity = has_activity();
  if (activity) add(Strings().Format(str::kSheetNoticeEntered, {month_name(), name()}));
  const int report_slot = store::MonthSlot(m.report_month_index, m.report_year);
  if ((copy_.pioneer_code(report_slot) & 3) == 3 || pioneer_code() == 3) {
    add(Strings().Get(str::kSheetNoticeSpecial));
    not_included_ = true;
    return;
  }
  if (month_list_shown_) return;
  if (late()) {
    if (!activity || queued()) {
      add(Strings().Format(str::kSheetNoticeIncluded, {report_month}));
    } else {
      // That month's report has already gone to the branch.
      add(Strings().Format(str::kSheetNoticeNotIncluded, {report_month}));
      not_included_ = true;
    }
  } else if (activity) {
    add(Strings().Format(str::kSheetNoticeIncluded, {report_month}));
  }
}

Result<bool> ReportSheet::Save() {
  const Result<int> studies = ParseWholeNumber(studies_, 0, kMaxStudies);
  if (!studies) return studies.error();
  const Result<int> hours = ParseHours(hours_);
  if (!hours) return hours.error();
  Recredit();
  const int s = slot();
  store::PublisherRecord edited = copy_;
  edited.set_word(SlotWords::kHours, s, static_cast<std::uint16_t>(*hours));
  std::uint16_t word = static_cast<std::uint16_t>(*studies);
  if (participated_ || *hours != 0 || *studies != 0) word |= store::studies::kParticipated;
  edited.set_word(SlotWords::kStudiesWord, s, word);
  if (pioneer_code() != 2 && pioneer_code() != 3) edited.set_pioneer_code(s, auxiliary_ ? 1 : 0);
  edited.set_word(SlotWords::kPioCredit, s, static_cast<std::uint16_t>(credit_));

  auto& db = doc_.db();
  const store::PublisherRecord& stored = db.row(row_);
  bool changed = stored.pioneer_code(s) != edited.pioneer_code(s) ||
                 stored.word(SlotWords::kPioCredit, s) != edited.word(SlotWords::kPioCredit, s);
  for (SlotWords w : kCounters) changed = changed || stored.word(w, s) != edited.word(w, s);
  if (!changed) return false;
  // The remark was stored as its field was left; the row has its place.
  edited.set_word(SlotWords::kRemarkIndex, s, stored.word(SlotWords::kRemarkIndex, s));
  db.row(row_) = edited;
  copy_ = edited;
  db.modified = true;
  db.last_entered_id = edited.id();
  if (late() && !not_included_) QueueLateReport(db, edited.id(), month_);
  // The month's totals (and, while it is open, its totals card) follow.
  (void)ComputeBranchTotals(db);
  return true;
}

}  // namespace ledra::activity
