#include "activity/pioneer_year.h"

#include <algorithm>
#include <cstdio>

#include "activity/month_calendar.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

namespace {

using store::SlotWords;

// Position of a month in the service year: September 0 .. August 11.
int InServiceYear(int month_index) {
  return (month_index + 4) % 12;
}

std::string OneDecimal(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%4.1f", v);
  return text;
}

bool Regular(const store::PublisherRecord& p, CalendarMonth m) {
  return (p.pioneer_code(m.slot()) & 3) == 2;
}

}  // namespace

int MonthlyRequirement(const store::CongregationDatabase& db) {
  const auto& m = db.month();
  const int ending = m.report_year + (m.report_month_index >= 8 ? 1 : 0);
  return ending < 23 ? 70 : 50;
}

int PioneerStanding::Remaining() const {
  return std::max(0, months_commitment * requirement - Total());
}

PioneerStanding ComputePioneerStanding(const store::CongregationDatabase& db, int row) {
  const store::PublisherRecord& p = db.row(row);
  const CalendarMonth report = CalendarMonth::FromCounter(db.month().counter);
  PioneerStanding s;
  s.requirement = MonthlyRequirement(db);
  // Back from the ReportMonth to the first month that was not regular
  // pioneering, or to September.
  CalendarMonth walk = report;
  for (int step = 0; step < 12; ++step) {
    if (!Regular(p, walk)) {
      s.start_month = (walk.month_index + 1) % 12;
      break;
    }
    if (walk.month_index == 8) break;
    walk = walk.Previous();
  }
  const int start_pos = InServiceYear(s.start_month);
  const int report_pos = InServiceYear(report.month_index);
  s.months_elapsed = std::max(0, report_pos - start_pos + 1);
  s.months_commitment = 12 - start_pos;
  s.months_left = report.month_index == 7  ? 0
                  : report.month_index < 7 ? 7 - report.month_index
                                           : 19 - report.month_index;
  CalendarMonth m = report;
  for (int i = 0; i < s.months_elapsed; ++i, m = m.Previous()) {
    s.hours += p.word(SlotWords::kHours, m.slot());
    s.credit += p.word(SlotWords::kPioCredit, m.slot());
  }
  return s;
}

PioneerYear ComputePioneerYear(const store::Document& doc, int row, bool previous_year) {
  const auto& db = doc.db();
  const store::PublisherRecord& p = db.row(row);
  const CalendarMonth report = CalendarMonth::FromCounter(db.month().counter);
  PioneerYear y;
  static_cast<PioneerStanding&>(y) = ComputePioneerStanding(db, row);
  y.total = y.Total();
  y.remaining = y.Remaining();

  const int ending = 2000 + report.year_byte + (report.month_index >= 8 ? 1 : 0);
  if (previous_year) {
    y.lines[2] = Strings().Format(str::kPioneerYearLine, {Strings().Get(str::kPioneerCurrentYear),
                                                          std::to_string(ending - 1)});
  } else if (report.month_index != 7) {
    if (y.start_month != 8)
      y.lines[0] = Strings().Format(str::kPioneerSince, {MonthName(y.start_month)});
    const std::string label = Strings().Get(str::kShortMonthJanuary + report.Next().month_index) +
                              Strings().Get(str::kPioneerDash) +
                              Strings().Get(str::kShortMonthJanuary + 7);
    y.lines[1] =
        Strings().Format(str::kPioneerRemainingTotal, {label}) + std::to_string(y.remaining);
    if (y.months_left > 0) {
      y.per_month = static_cast<double>(y.remaining) / y.months_left;
      y.lines[2] =
          Strings().Format(str::kPioneerRemainingMonthly, {label}) + OneDecimal(*y.per_month);
    }
  }

  // The table: September to August of the year shown.
  const int table_ending = previous_year ? ending - 1 : ending;
  int regular_months = 0;
  for (int i = 0; i < 12; ++i) {
    PioneerMonth& line = y.table[static_cast<std::size_t>(i)];
    line.month_index = (i + 8) % 12;
    line.year = line.month_index >= 8 ? table_ending - 1 : table_ending;
    const CalendarMonth month{line.month_index, line.year - 2000};
    const bool not_after = previous_year || month.counter() <= report.counter();
    line.shown = not_after && Regular(p, month);
    if (!line.shown) continue;
    ++regular_months;
    line.hours = p.word(SlotWords::kHours, month.slot());
    line.credit = p.word(SlotWords::kPioCredit, month.slot());
    line.remark = doc.RemarkText(row, month.slot());
    y.sum_hours += line.hours;
    y.sum_credit += line.credit;
  }
  const int divisor = previous_year ? regular_months : y.months_elapsed;
  if (y.sum_hours >= 1 && divisor > 0) {
    y.average_hours = static_cast<double>(y.sum_hours) / divisor;
    y.average_total = static_cast<double>(y.sum_hours + y.sum_credit) / divisor;
  }
  return y;
}

}  // namespace ledra::activity
