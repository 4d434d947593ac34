#include "activity/statistics.h"

#include "activity/congregation_analysis.h"
#include "activity/status_rules.h"

namespace ledra::activity {
namespace {

using store::ListType;

// Average attendance over months: every meeting weighs the same, rounded half up.
int AttendanceAverage(const store::AttendanceBlock& block,
                      const std::vector<CalendarMonth>& months) {
  long total = 0, meetings = 0;
  for (const CalendarMonth& m : months) {
    total += block.total(m.slot());
    meetings += block.meetings(m.slot());
  }
  return meetings == 0 ? 0 : static_cast<int>((total * 2 + meetings) / (meetings * 2));
}

}  // namespace

int BaptismBracket(std::optional<int> years) {
  if (!years) return 0;
  if (*years < 1) return 1;
  if (*years < 5) return 2;
  if (*years < 10) return 3;
  if (*years < 20) return 4;
  if (*years < 30) return 5;
  return 6;
}

int AgeBracket(int years) {
  if (years < 20) return 0;
  if (years >= 70) return 6;
  return years / 10 - 1;
}

Statistics ComputeStatistics(const store::CongregationDatabase& db) {
  Statistics s;
  s.glance = ComputeGlance(db);
  const CalendarMonth report = ReportCalendarMonth(db);
  const std::vector<CalendarMonth> service_year = WalkBackToSeptember(db);
  const int periods[kStatisticsPeriods] = {1, 6, static_cast<int>(service_year.size())};

  // Movement: the month's own column, then the glance's periods.
  GlancePeriod& month = s.movement[0];
  month.auxiliary = s.glance.auxiliary_pioneers;
  auto in_month = [&](const std::optional<StatusMonth>& when) {
    return when && when->month == report.number() && when->year == 2000 + report.year_byte;
  };
  for (const store::IndexEntry& e : db.status_list(ListType::kActive)) {
    const store::PublisherRecord& p = db.row(e.row);
    if ((p.pioneer_code(report.slot()) & 3) == 3) ++s.special_pioneers;
    if (in_month(StatusInPeriod(db, p, kChangeNew, StatusPeriod::kSixMonths)))
      ++month.new_publishers;
    if (in_month(StatusInPeriod(db, p, kChangeReactivated, StatusPeriod::kSixMonths)))
      ++month.reactivated;
    s.baptism[static_cast<std::size_t>(BaptismBracket(YearsSinceBaptism(db, p)))] += 1;
    const auto age = YearsSinceDate(db, p.Text(store::field::kBirdate));
    if (age) {
      s.age[static_cast<std::size_t>(AgeBracket(*age))] += 1;
    } else {
      ++s.no_birth_date;
    }
  }
  for (const store::IndexEntry& e : db.status_list(ListType::kInactive))
    if (InactiveMonth(db, db.row(e.row), StatusPeriod::kSixMonths) == report.number())
      ++month.inactive;
  for (const store::IndexEntry& e : db.status_list(ListType::kMoved))
    if (MovedMonth(db, db.row(e.row), StatusPeriod::kSixMonths) == report.number()) ++month.moved;
  s.movement[1] = s.glance.six_months;
  s.movement[2] = s.glance.service_year;

  // Average hours: publishers (none from the simplified report on), regular
  // and auxiliary pioneers.
  const int categories[3] = {0, 2, 1};
  const bool simplified = db.month().counter > store::kNewFormSwitch;
  for (int c = 0; c < 3; ++c) {
    for (int p = 0; p < kStatisticsPeriods; ++p) {
      if (categories[c] == 0 && simplified) continue;
      s.hours[static_cast<std::size_t>(c)][static_cast<std::size_t>(p)] =
          CategoryAverageHours(db, categories[c], periods[p], 0);
    }
  }

  const std::vector<CalendarMonth> walks[kAttendancePeriods] = {WalkBack(db, 1), WalkBack(db, 3),
                                                                WalkBack(db, 6), service_year};
  for (std::size_t meeting = 0; meeting < 2; ++meeting)
    for (std::size_t p = 0; p < kAttendancePeriods; ++p)
      s.attendance[meeting][p] = AttendanceAverage(db.side.attendance[meeting], walks[p]);

  // What went to the branch in the six months, per report.
  const auto& card = db.side.totals_card;
  for (std::size_t d = 0; d < 3; ++d) {
    std::array<long, 5> sums{};
    long reports = 0;
    for (const CalendarMonth& m : WalkBack(db, 6)) {
      for (int row : d < 2 ? std::vector<int>{static_cast<int>(d)} : std::vector<int>{2, 3}) {
        for (int c = 0; c < 5; ++c)
          sums[static_cast<std::size_t>(c)] +=
              card[store::TotalsCardIndex(m.month_index, row, c, m.parity())];
        reports += card[store::TotalsCardIndex(m.month_index, row, 8, m.parity())];
      }
    }
    for (std::size_t c = 0; c < 5; ++c)
      s.six_months[d][c] = reports == 0 ? 0.0 : static_cast<double>(sums[c]) / reports;
  }
  return s;
}

}  // namespace ledra::activity
