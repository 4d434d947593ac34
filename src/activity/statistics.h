#pragma once
// The figures of the statistics page: who the active publishers are, the
// movement of the month, six months and service year, average hours,
// baptism and age brackets, meeting attendance, and the six-month averages
// sent to the branch.

#include <array>
#include <optional>

#include "activity/glance.h"
#include "store/congregation_database.h"

namespace ledra::activity {

// The three periods of the movement and hours: the ReportMonth, the six
// months walked back from it, the service year so far.
inline constexpr int kStatisticsPeriods = 3;
// The attendance periods: the ReportMonth, three months, six months, the service year.
inline constexpr int kAttendancePeriods = 4;
inline constexpr int kBracketRows = 7;

struct Statistics {
  Glance glance;
  int special_pioneers = 0;
  std::array<GlancePeriod, kStatisticsPeriods> movement{};
  // Average hours of publishers, regular and auxiliary pioneers per period;
  // none for the publishers from the simplified report on.
  std::array<std::array<std::optional<double>, kStatisticsPeriods>, 3> hours{};
  std::array<int, kBracketRows> baptism{};  // not baptised, under 1 year, 1-4, ... 30 and more
  std::array<int, kBracketRows> age{};      // under 20, 20-29, ... 70 and more
  int no_birth_date = 0;
  // Midweek and weekend meeting: average attendance per period.
  std::array<std::array<int, kAttendancePeriods>, 2> attendance{};
  // Publishers, auxiliary and regular pioneers (with the special ones):
  // publications, videos, hours, return visits and studies per report over
  // the six months of the totals card.
  std::array<std::array<double, 5>, 3> six_months{};
};

Statistics ComputeStatistics(const store::CongregationDatabase& db);

// Row of the years-since-baptism brackets (0 = not baptised).
int BaptismBracket(std::optional<int> years);
// Row of the age brackets.
int AgeBracket(int years);

}  // namespace ledra::activity
