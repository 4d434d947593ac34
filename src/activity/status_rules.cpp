#include "activity/status_rules.h"

#include <algorithm>

#include "activity/sheet_list.h"

namespace ledra::activity {
namespace {

constexpr int kWindow = 6;
constexpr int kSeptember = 8;
constexpr int kSpecialPioneer = 3;

bool HasHours(const store::PublisherRecord& p, int slot) {
  const int quarters = (p.word(store::SlotWords::kStudiesWord, slot) >> 12) & 3;
  return p.word(store::SlotWords::kHours, slot) != 0 || quarters != 0;
}

bool MonthIn(const std::vector<CalendarMonth>& walk, int month) {
  return std::ranges::any_of(walk, [month](const CalendarMonth& m) { return m.number() == month; });
}

// Months of a year that an inactive record's year can share a slot with.
bool ParityMatches(const CalendarMonth& walked, int year) {
  return walked.parity() == store::Parity(year - 2000);
}

}  // namespace

CalendarMonth ReportCalendarMonth(const store::CongregationDatabase& db) {
  return {db.month().report_month_index, db.month().report_year};
}

std::vector<CalendarMonth> WalkBack(const store::CongregationDatabase& db, int count) {
  std::vector<CalendarMonth> walk;
  CalendarMonth m = ReportCalendarMonth(db);
  for (int i = 0; i < count; ++i, m = m.Previous()) walk.push_back(m);
  return walk;
}

std::vector<CalendarMonth> WalkBackToSeptember(const store::CongregationDatabase& db) {
  std::vector<CalendarMonth> walk;
  CalendarMonth m = ReportCalendarMonth(db);
  do {
    walk.push_back(m);
    m = m.Previous();
  } while (walk.back().month_index != kSeptember);
  return walk;
}

std::vector<CalendarMonth> PeriodWalk(const store::CongregationDatabase& db, StatusPeriod period) {
  switch (period) {
    case StatusPeriod::kSixMonths:
      return WalkBack(db, 6);
    case StatusPeriod::kServiceYear:
      return WalkBackToSeptember(db);
    default:
      return WalkBack(db, 12);
  }
}

int IrregularWindow(const store::CongregationDatabase& db, const store::PublisherRecord& p) {
  const int kind = ChangeKind(p.status_change());
  if (kind != kChangeNew && kind != kChangeReactivated && kind != kChangeMovedIn) return kWindow;
  const int change_month = ChangeMonth(p.status_change());
  bool noted = false;
  CalendarMonth m = ReportCalendarMonth(db);
  for (int step = 0; step < kWindow; ++step, m = m.Previous()) {
    if (m.number() == change_month) noted = true;
    // Before the change there was nothing to report: the window ends at the
    // first month whose month before is empty.
    if (noted && !HasHours(p, m.Previous().slot())) return step + 1;
  }
  return kWindow;
}

std::vector<CalendarMonth> MissingMonths(const store::CongregationDatabase& db,
                                         const store::PublisherRecord& p) {
  const CalendarMonth report = ReportCalendarMonth(db);
  // The month being entered is not missing yet.
  const bool open = store::header::MonthStateByte(db.header(), report.month_index) ==
                    static_cast<std::uint8_t>(store::header::MonthState::kOpen);
  std::vector<CalendarMonth> missing;
  for (const CalendarMonth& m : WalkBack(db, IrregularWindow(db, p))) {
    if (m == report && open) continue;
    if (SlotHasReport(p, m.slot()) || (p.pioneer_code(m.slot()) & 3) == kSpecialPioneer) continue;
    missing.push_back(m);
  }
  return missing;
}

unsigned MissingMonthMask(const store::CongregationDatabase& db, const store::PublisherRecord& p) {
  unsigned mask = 0;
  for (const CalendarMonth& m : MissingMonths(db, p)) mask |= 1u << m.month_index;
  return mask;
}

bool IsIrregular(const store::CongregationDatabase& db, const store::PublisherRecord& p) {
  return MissingMonthMask(db, p) != 0;
}

bool IsInactiveCandidate(const store::CongregationDatabase& db, const store::PublisherRecord& p) {
  if (!p.is(store::ListType::kActive)) return false;
  return std::ranges::none_of(WalkBack(db, kWindow),
                              [&p](const CalendarMonth& m) { return SlotHasReport(p, m.slot()); });
}

std::optional<StatusMonth> StatusInPeriod(const store::CongregationDatabase& db,
                                          const store::PublisherRecord& p, int change_kind,
                                          StatusPeriod period) {
  const std::uint8_t change = p.status_change();
  const std::uint8_t copy = p.status_copy();
  const bool change_has = ChangeKind(change) == change_kind;
  const bool copy_has = ChangeKind(copy) == change_kind;
  const CalendarMonth report = ReportCalendarMonth(db);
  const int counter = p.status_counter();
  int month = 0;
  switch (period) {
    case StatusPeriod::kSixMonths:
      if (!change_has || !MonthIn(WalkBack(db, 6), ChangeMonth(change))) return std::nullopt;
      month = ChangeMonth(change);
      break;
    case StatusPeriod::kServiceYear:
      // The copy keeps the change for the whole service year.
      if (!copy_has || !MonthIn(WalkBackToSeptember(db), ChangeMonth(copy))) return std::nullopt;
      month = ChangeMonth(copy);
      break;
    case StatusPeriod::kTwelveMonths:
      if (!copy_has) return std::nullopt;
      month = ChangeMonth(copy);
      if (month == 0 && change_has) month = ChangeMonth(change);
      break;
    case StatusPeriod::kTwentyFourMonths: {
      if (!change_has && !copy_has) return std::nullopt;
      const int back = report.counter() - counter;
      if (counter != 0 && back >= 24) return std::nullopt;
      if (counter != 0 && back >= 12) month = counter % 12 + 1;
      if (month == 0) month = change_has ? ChangeMonth(change) : ChangeMonth(copy);
      break;
    }
    default:
      return std::nullopt;
  }
  int year = 2000 + report.year_byte;
  if (counter != 0)
    year = 2000 + counter / 12;
  else if (month - 1 > report.month_index)
    --year;
  return StatusMonth{month, year};
}

int InactiveYear(std::uint8_t year_byte) {
  return year_byte <= 200 ? 2000 + year_byte : 1744 + year_byte;
}

int InactiveMonth(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                  StatusPeriod period) {
  int month = ChangeMonth(p.status_change());
  const int year = InactiveYear(p.status_copy());
  if (period == StatusPeriod::kSixMonths || period == StatusPeriod::kServiceYear) {
    const auto walk = PeriodWalk(db, period);
    const bool within = std::ranges::any_of(walk, [&](const CalendarMonth& m) {
      return m.number() == month && ParityMatches(m, year);
    });
    if (!within) month = 0;
  }
  const CalendarMonth report = ReportCalendarMonth(db);
  const int this_year = 2000 + report.year_byte;
  const bool recent =
      year == this_year || (year == this_year - 1 && month - 1 > report.month_index);
  return recent ? month : 0;
}

int MovedMonth(const store::CongregationDatabase& db, const store::PublisherRecord& p,
               StatusPeriod period) {
  const int month = ChangeMonth(p.status_change());
  if (period == StatusPeriod::kSixMonths || period == StatusPeriod::kServiceYear)
    return MonthIn(PeriodWalk(db, period), month) ? month : 0;
  return month;
}

std::optional<int> YearsSinceBaptism(const store::CongregationDatabase& db,
                                     const store::PublisherRecord& p) {
  return YearsSinceDate(db, p.Text(store::field::kBapdate));
}

std::optional<int> YearsSinceDate(const store::CongregationDatabase& db, std::string_view text) {
  // A date left blank has no digit in the year.
  if (text.size() < 8 || static_cast<unsigned char>(text[4]) < '0') return std::nullopt;
  auto number = [](std::string_view digits) -> std::optional<int> {
    int n = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      n = n * 10 + (c - '0');
    }
    return n;
  };
  const auto month = number(std::string_view(text).substr(0, 2));
  const auto year = number(std::string_view(text).substr(text.size() - 4));
  if (!month || !year) return std::nullopt;
  const int today_year = db.month().today_year;
  int years = today_year - *year;
  if (db.month().today_month < *month && *year != today_year) --years;
  return years;
}

}  // namespace ledra::activity
