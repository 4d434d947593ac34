#include "activity/history_editor.h"

#include <algorithm>
#include <cctype>

#include "activity/branch_totals.h"
#include "activity/late_entry_list.h"
#include "activity/report_sheet.h"
#include "activity/status_rules.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

namespace {

using store::SlotWords;

constexpr int kCardHoursMax = 0xFFFF;

CalendarMonth ReportMonthOf(const store::CongregationDatabase& db) {
  return {db.month().report_month_index, db.month().report_year};
}

// The month before the ReportMonth: where the editor opens.
CalendarMonth LastBefore(const store::CongregationDatabase& db) {
  return ReportMonthOf(db).Previous();
}

// The oldest month offered: the ReportMonth two years back, or the month
// after it once the ReportMonth has started (its slot then holds the new month).
CalendarMonth Oldest(const store::CongregationDatabase& db) {
  const CalendarMonth report = ReportMonthOf(db);
  const CalendarMonth oldest{report.month_index, report.year_byte - 2};
  const bool started = store::header::MonthStateByte(db.header(), report.month_index) !=
                       static_cast<std::uint8_t>(store::header::MonthState::kNotStarted);
  return started ? oldest.Next() : oldest;
}

Result<int> Count(const std::string& text, int high) {
  return ParseWholeNumber(text, 0, high);
}

}  // namespace

std::vector<int> HistoryYears(const store::CongregationDatabase& db) {
  const int y = 2000 + db.month().report_year;
  return {y - 2, y - 1, y};
}

std::vector<int> HistoryMonths(const store::CongregationDatabase& db, int year) {
  std::vector<int> months;
  for (int m = 0; m < 12; ++m)
    if (HistoryMonthOffered(db, year, m)) months.push_back(m);
  return months;
}

bool HistoryMonthOffered(const store::CongregationDatabase& db, int year, int month_index) {
  if (month_index < 0 || month_index > 11) return false;
  const int counter = store::MonthCounter(year - 2000, month_index);
  return counter >= Oldest(db).counter() && counter <= LastBefore(db).counter();
}

std::string QuarterHourText(std::string_view text) {
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) return std::string(text);
  std::string whole(text.substr(0, dot));
  const char first = dot + 1 < text.size() ? text[dot + 1] : '0';
  // A zero (or nothing) after the point adds no quarter hour.
  if (first < '1' || first > '9') return whole.empty() ? "0" : whole;
  if (first <= '3') return whole + ".25";
  if (first <= '6') return whole + ".5";
  return whole + ".75";
}

Result<std::pair<int, int>> ParseQuarterHours(std::string_view text, int max_hours) {
  const std::size_t dot = text.find('.');
  const std::string_view fraction =
      dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
  for (char ch : fraction)
    if (!std::isdigit(static_cast<unsigned char>(ch)))
      return Message{str::kEnterIntegerBetween,
                     Strings().Format(str::kEnterIntegerBetween, {"0", std::to_string(max_hours)})};
  const Result<int> whole = ParseWholeNumber(text.substr(0, dot), 0, max_hours);
  if (!whole) return whole.error();
  int quarters = 0;
  if (!fraction.empty() && fraction.find_first_not_of('0') != std::string_view::npos) {
    const std::string_view two = fraction.substr(0, 2);
    quarters = two == "25" ? 1 : two == "5" || two == "50" ? 2 : 3;
  }
  return std::pair{*whole, quarters};
}

std::string HoursWithQuarters(int hours, int quarters) {
  static constexpr const char* kQuarter[] = {"", ".25", ".5", ".75"};
  return std::to_string(hours) + kQuarter[quarters & 3];
}

HistoryEditor::HistoryEditor(store::Document& doc, int row)
    : doc_(doc),
      row_(row),
      copy_(doc.db().row(row)),
      month_(LastBefore(doc.db())),
      oldest_(Oldest(doc.db())),
      last_(month_) {
  Load();
}

HistoryEditor HistoryEditor::ForInactive(store::Document& doc, int row) {
  HistoryEditor editor(doc, row);
  if (editor.AnchorAtInactive(row)) editor.Load();
  return editor;
}

bool HistoryEditor::AnchorAtInactive(int row) {
  const store::PublisherRecord& p = doc_.db().row(row);
  const int since_month = ChangeMonth(p.status_change());
  if (!p.is(store::ListType::kInactive) || since_month < 1 || since_month > 12) return false;
  const CalendarMonth since{since_month - 1, InactiveYear(p.status_copy()) - 2000};
  // Never past the months the ReportMonth leaves open to editing.
  if (since.counter() > LastBefore(doc_.db()).counter()) return false;
  inactive_ = true;
  last_ = since;
  oldest_ = CalendarMonth::FromCounter(since.counter() - 23);
  month_ = since;
  return true;
}

bool HistoryEditor::Offered(CalendarMonth m) const {
  return m.counter() >= oldest_.counter() && m.counter() <= last_.counter();
}

std::vector<int> HistoryEditor::Years() const {
  const int y = 2000 + last_.year_byte;
  return {y - 2, y - 1, y};
}

std::vector<int> HistoryEditor::Months(int year) const {
  std::vector<int> months;
  for (int m = 0; m < 12; ++m)
    if (Offered({m, year - 2000})) months.push_back(m);
  return months;
}

Status HistoryEditor::Choose(int year, int month_index) {
  // The ReportMonth's own figures come from its report sheets.
  if (ReportMonthOf(doc_.db()) == CalendarMonth{month_index, year - 2000})
    return Message{
        str::kHistoryReportMonth,
        Strings().Format(str::kHistoryReportMonth, {MonthName(month_index), std::to_string(year)})};
  if (month_index < 0 || month_index > 11 || !Offered({month_index, year - 2000}))
    return Message{str::kHistoryMonthNotOffered,
                   Strings().Format(str::kHistoryMonthNotOffered,
                                    {MonthName(month_index), std::to_string(year)})};
  if (Result<bool> stored = Store(); !stored) return stored.error();
  month_ = {month_index, year - 2000};
  totals_ ? LoadTotals() : Load();
  return {};
}

Status HistoryEditor::ChoosePerson(int row) {
  if (Result<bool> stored = Store(); !stored) return stored.error();
  row_ = row;
  copy_ = doc_.db().row(row);
  // Each inactive record has the months before its own inactive month.
  if (inactive_) (void)AnchorAtInactive(row);
  Load();
  return {};
}

void HistoryEditor::Load() {
  const int s = slot();
  publications = std::to_string(copy_.word(SlotWords::kPlcmts, s));
  videos = std::to_string(copy_.word(SlotWords::kVideos, s));
  return_visits = std::to_string(copy_.word(SlotWords::kReturnVisits, s));
  const std::uint16_t word = copy_.word(SlotWords::kStudiesWord, s);
  studies = std::to_string(word & store::studies::kStudiesMask);
  const int quarters = (word >> store::studies::kQuarterShift) & 3;
  hours = HoursWithQuarters(copy_.word(SlotWords::kHours, s), quarters);
  // One bit: "took part" on the simplified form, "under one hour" before it.
  participated_ = (word & store::studies::kParticipated) != 0;
  less_than_hour_ = !simplified() && participated_;
  pioneer_ = copy_.pioneer_code(s) & 3;
  credit = std::to_string(copy_.word(SlotWords::kPioCredit, s));
  late_ = copy_.late_month(s) == doc_.db().month().report_month_index + 1;
  remark_ = doc_.RemarkText(row_, s);
}

bool HistoryEditor::late_visible() const {
  return ReportMonthOf(doc_.db()).counter() - month_.counter() <= 11;
}

void HistoryEditor::SetParticipated(bool on) {
  participated_ = on;
  if (!on) {
    hours = "0";
    studies = "0";
  }
}

Status HistoryEditor::RemarkLeft(std::string text) {
  if (text.size() > static_cast<std::size_t>(kHistoryRemarkLength))
    text.resize(kHistoryRemarkLength);
  remark_ = text;
  Status stored = doc_.SetRemark(row_, month_.month_index, month_.parity(), remark_);
  // The remark's place in the table is the row's; the copy follows it.
  copy_.set_word(SlotWords::kRemarkIndex, slot(),
                 doc_.db().row(row_).word(SlotWords::kRemarkIndex, slot()));
  if (!stored) remark_ = doc_.RemarkText(row_, slot());
  return stored;
}

std::string HistoryEditor::caption() const {
  return doc_.db().DisplayName(row_, !doc_.db().sort_by_first_name) + " - " +
         MonthName(month_index()) + " " + std::to_string(year());
}

bool HistoryEditor::hours_visible() const {
  return simplified() ? participated_ && pioneer_ != 0 : true;
}

bool HistoryEditor::less_than_hour_visible() const {
  return !simplified() && (hours.empty() || hours == "0");
}

std::string HistoryEditor::credit_label() const {
  if (!totals_) return Strings().Get(str::kHistoryCreditLabel);
  static constexpr int kNames[] = {str::kDesignationPublishers, str::kDesignationAuxiliary,
                                   str::kDesignationPioneers, str::kHistoryActivePublishers};
  std::string name = Strings().Get(kNames[static_cast<int>(designation_)]);
  if (name.size() > 25) name = name.substr(0, 25) + "...";
  return name;
}

Result<bool> HistoryEditor::Store() {
  if (Status s = totals_ ? StoreTotals() : StoreFields(); !s) return s.error();
  return totals_ ? false : WriteBack();
}

Status HistoryEditor::StoreFields() {
  HoursLeft();
  const Result<int> pubs = Count(publications, kMaxHistoryCount);
  if (!pubs) return pubs.error();
  const Result<int> vids = Count(videos, kMaxHistoryCount);
  if (!vids) return vids.error();
  const Result<int> rvs = Count(return_visits, kMaxHistoryCount);
  if (!rvs) return rvs.error();
  const Result<int> stud = Count(studies, store::studies::kStudiesMask);
  if (!stud) return stud.error();
  const Result<std::pair<int, int>> h = ParseQuarterHours(hours, kMaxSheetHours);
  if (!h) return h.error();
  const Result<int> cred = Count(credit, kMaxSheetHours);
  if (!cred) return cred.error();
  auto [whole, quarters] = *h;
  if (whole != 0 || quarters != 0) less_than_hour_ = false;

  const int s = slot();
  copy_.set_word(SlotWords::kPlcmts, s, static_cast<std::uint16_t>(*pubs));
  copy_.set_word(SlotWords::kVideos, s, static_cast<std::uint16_t>(*vids));
  copy_.set_word(SlotWords::kHours, s, static_cast<std::uint16_t>(whole));
  copy_.set_word(SlotWords::kReturnVisits, s, static_cast<std::uint16_t>(*rvs));
  std::uint16_t word =
      static_cast<std::uint16_t>(*stud | quarters << store::studies::kQuarterShift);
  const bool bit11 =
      simplified() ? participated_ || whole != 0 || quarters != 0 || *stud != 0 : less_than_hour_;
  if (bit11) word |= store::studies::kParticipated;
  copy_.set_word(SlotWords::kStudiesWord, s, word);
  copy_.set_pioneer_code(s, static_cast<std::uint8_t>((copy_.pioneer_code(s) & ~3) | pioneer_));
  copy_.set_late_month(s, late_
                              ? static_cast<std::uint8_t>(doc_.db().month().report_month_index + 1)
                              : std::uint8_t{0});
  copy_.set_word(SlotWords::kPioCredit, s, static_cast<std::uint16_t>(*cred));
  return {};
}

bool HistoryEditor::WriteBack() {
  auto& db = doc_.db();
  store::PublisherRecord& stored = db.row(row_);
  // The remark was stored as its field was left; the row has its place.
  copy_.set_word(SlotWords::kRemarkIndex, slot(), stored.word(SlotWords::kRemarkIndex, slot()));
  if (stored.bytes == copy_.bytes) return false;
  // The late-report list is what keeps the late mark through a save.
  const int s = slot();
  if (stored.late_month(s) != copy_.late_month(s)) {
    auto& list = db.late_entries();
    std::erase_if(list, [&](const store::LateEntry& e) {
      return e.id == copy_.id() && e.month == month_index();
    });
    if (late_ && !QueueLateReport(db, copy_.id(), month_index())) copy_.set_late_month(s, 0);
  }
  stored = copy_;
  db.modified = true;
  return true;
}

// --- totals mode -------------------------------------------------------------------

Result<bool> HistoryEditor::SetTotals(bool on) {
  if (on == totals_) return false;
  const Result<bool> stored = Store();
  if (!stored) return stored;
  bool written = *stored;
  if (on) {
    // The congregation's totals keep the ReportMonth's window.
    if (inactive_) {
      inactive_ = false;
      oldest_ = Oldest(doc_.db());
      last_ = month_ = LastBefore(doc_.db());
    }
    card_ = doc_.db().side.totals_card;
    totals_ = true;
    designation_ = Designation::kPublishers;
    pioneer_row_ = PioneerRow::kSum;
    LoadTotals();
  } else {
    auto& db = doc_.db();
    if (db.side.totals_card != card_) {
      db.side.totals_card = card_;
      db.modified = true;
      written = true;
    }
    totals_ = false;
    copy_ = db.row(row_);
    Load();
  }
  return written;
}

int HistoryEditor::card_row() const {
  switch (designation_) {
    case Designation::kAuxiliary:
      return 1;
    case Designation::kPioneers:
      return pioneer_row_ == PioneerRow::kSpecial ? 3 : 2;
    default:
      return 0;
  }
}

std::uint16_t& HistoryEditor::Card(int row, int column) {
  return card_[store::TotalsCardIndex(month_.month_index, row, column, month_.parity())];
}

std::uint16_t HistoryEditor::CardAt(int row, int column) const {
  return card_[store::TotalsCardIndex(month_.month_index, row, column, month_.parity())];
}

bool HistoryEditor::read_only() const {
  return totals_ && designation_ == Designation::kPioneers && pioneer_row_ == PioneerRow::kSum;
}

void HistoryEditor::ChooseDesignation(Designation d) {
  (void)StoreTotals();
  designation_ = d;
  pioneer_row_ = PioneerRow::kSum;
  LoadTotals();
}

void HistoryEditor::ChoosePioneerRow(PioneerRow r) {
  (void)StoreTotals();
  pioneer_row_ = r;
  LoadTotals();
}

void HistoryEditor::LoadTotals() {
  using namespace column;
  const bool sum = read_only();
  auto value = [&](int c) { return CardAt(card_row(), c) + (sum ? CardAt(3, c) : 0); };
  publications = std::to_string(value(kPlacements));
  videos = std::to_string(value(kVideos));
  return_visits = std::to_string(value(kReturnVisits));
  studies = std::to_string(value(kStudies));
  credit = std::to_string(value(kReports));
  // Quarter hours of two rows may add up to whole hours.
  const int quarters = value(kQuarters);
  hours = HoursWithQuarters(value(kHours) + quarters / 4, quarters % 4);
  active = std::to_string(CardAt(0, kActive));
  remark_.clear();
}

Status HistoryEditor::StoreTotals() {
  using namespace column;
  if (!totals_ || read_only()) return {};
  if (designation_ == Designation::kActive) {
    const Result<int> a = Count(active, kCardHoursMax);
    if (!a) return a.error();
    Card(0, kActive) = static_cast<std::uint16_t>(*a);
    return {};
  }
  HoursLeft();
  const std::pair<const std::string*, int> fields[] = {{&publications, kPlacements},
                                                       {&videos, kVideos},
                                                       {&return_visits, kReturnVisits},
                                                       {&studies, kStudies},
                                                       {&credit, kReports}};
  std::uint16_t values[5] = {};
  for (std::size_t i = 0; i < 5; ++i) {
    const Result<int> v = Count(*fields[i].first, kCardHoursMax);
    if (!v) return v.error();
    values[i] = static_cast<std::uint16_t>(*v);
  }
  const Result<std::pair<int, int>> h = ParseQuarterHours(hours, kCardHoursMax);
  if (!h) return h.error();
  for (std::size_t i = 0; i < 5; ++i) Card(card_row(), fields[i].second) = values[i];
  Card(card_row(), kHours) = static_cast<std::uint16_t>(h->first);
  Card(card_row(), kQuarters) = static_cast<std::uint16_t>(h->second);
  return {};
}

// --- advancing ---------------------------------------------------------------------

Status HistoryEditor::NextMonth() {
  CalendarMonth next = month_.Next();
  if (next.counter() > last_.counter()) next = oldest_;
  return Choose(2000 + next.year_byte, next.month_index);
}

std::vector<int> HistoryEditor::ActiveRows() const {
  std::vector<int> rows;
  const auto list = inactive_ ? store::ListType::kInactive : store::ListType::kActive;
  for (const store::IndexEntry& e : doc_.db().status_list(list)) rows.push_back(e.row);
  return rows;
}

Status HistoryEditor::NextPerson() {
  if (totals_) {
    ChooseDesignation(static_cast<Designation>((static_cast<int>(designation_) + 1) % 4));
    return {};
  }
  const std::vector<int> rows = ActiveRows();
  if (rows.empty()) return {};
  auto at = std::find(rows.begin(), rows.end(), row_);
  const int next = at == rows.end() || at + 1 == rows.end() ? rows.front() : *(at + 1);
  return ChoosePerson(next);
}

}  // namespace ledra::activity
