#include "activity/year_to_date.h"

#include "activity/branch_totals.h"
#include "activity/sheet_list.h"

namespace ledra::activity {

namespace {

using store::SlotWords;

struct Figures {
  int reports = 0, studies = 0, hours = 0;
};

bool InCategory(YtdCategory category, int code) {
  switch (category) {
    case YtdCategory::kCongregation:
      return true;
    case YtdCategory::kPublishers:
      return code == 0;
    case YtdCategory::kAuxiliary:
      return code == 1;
    case YtdCategory::kPioneers:
      return code == 2 || code == 3;
  }
  return false;
}

Figures FromRecords(const store::CongregationDatabase& db, YtdCategory category, CalendarMonth m) {
  Figures f;
  const int slot = m.slot();
  for (const store::IndexEntry& e : db.status_list(store::ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    if (p.appointment_bits() & store::kAppointmentFieldMissionary) continue;
    const int code = p.pioneer_code(slot) & 3;
    if (!InCategory(category, code) || !SlotHasReport(p, slot)) continue;
    ++f.reports;
    f.studies += p.word(SlotWords::kStudiesWord, slot) & store::studies::kStudiesMask;
    if (code != 0) f.hours += p.word(SlotWords::kHours, slot);
  }
  return f;
}

// What went to the branch. Publishers' hours are never counted there (a
// reading must not change the card, so they are left out here instead).
Figures FromCard(const store::CongregationDatabase& db, YtdCategory category, CalendarMonth m) {
  Figures f;
  const auto& card = db.side.totals_card;
  for (int row = 0; row < 4; ++row) {
    const bool in = category == YtdCategory::kCongregation ||
                    (category == YtdCategory::kPublishers && row == 0) ||
                    (category == YtdCategory::kAuxiliary && row == 1) ||
                    (category == YtdCategory::kPioneers && row >= 2);
    if (!in) continue;
    auto at = [&](int c) {
      return card[store::TotalsCardIndex(m.month_index, row, c, m.parity())];
    };
    f.reports += at(column::kReports);
    f.studies += at(column::kStudies);
    if (row != 0) f.hours += at(column::kHours);
  }
  return f;
}

std::optional<int> Shown(int v) {
  return v == 0 ? std::nullopt : std::optional<int>(v);
}

}  // namespace

YearToDate ComputeYearToDate(const store::CongregationDatabase& db, YtdCategory category,
                             StatusPeriod period, YtdSource source) {
  YearToDate y;
  const CalendarMonth report = ReportCalendarMonth(db);
  const bool started = store::header::MonthStateByte(db.header(), report.month_index) !=
                       static_cast<std::uint8_t>(store::header::MonthState::kNotStarted);
  const int in_period = period == StatusPeriod::kSixMonths     ? 6
                        : period == StatusPeriod::kServiceYear ? (report.month_index + 4) % 12 + 1
                                                               : 12;
  const bool hours_shown = category != YtdCategory::kPublishers;
  int studies = 0, hours = 0;
  for (int i = 0; i < 12; ++i) {
    YtdLine& line = y.lines[static_cast<std::size_t>(i)];
    const int back = 11 - i;
    line.month = CalendarMonth::FromCounter(report.counter() - back);
    if (back >= in_period || (back == 0 && !started)) continue;
    const Figures f = source == YtdSource::kRecords ? FromRecords(db, category, line.month)
                                                    : FromCard(db, category, line.month);
    line.reports = Shown(f.reports);
    line.studies = Shown(f.studies);
    if (hours_shown) line.hours = Shown(f.hours);
    studies += f.studies;
    hours += f.hours;
  }
  if (started) {
    y.total_studies = studies;
    y.average_studies = static_cast<double>(studies) / in_period;
    if (hours_shown) {
      y.total_hours = hours;
      y.average_hours = static_cast<double>(hours) / in_period;
    }
  }
  return y;
}

}  // namespace ledra::activity
