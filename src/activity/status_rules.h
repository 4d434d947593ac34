#pragma once
// The rules that classify a publisher from the months walked back from the
// ReportMonth and from the status bytes: irregular, candidate for the
// inactive list, new or reactivated in a period, inactive or moved since a
// month, years since baptism.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "activity/month_calendar.h"
#include "store/congregation_database.h"

namespace ledra::activity {

// The periods of the lists' second drop-down.
enum class StatusPeriod {
  kSixMonths,    // the six months walked back from the ReportMonth
  kServiceYear,  // the ReportMonth back to September
  kTwelveMonths,
  kTwentyFourMonths,
  kOverTwelveMonths,
  kAll,
};

// StatusChange kinds (low four bits).
inline constexpr int kChangeNew = 1;
inline constexpr int kChangeReactivated = 2;
inline constexpr int kChangeMovedIn = 4;

inline int ChangeKind(std::uint8_t status) {
  return status & 0x0F;
}
inline int ChangeMonth(std::uint8_t status) {  // 1-12, 0 = none
  return status >> 4;
}

// The ReportMonth as a month of the calendar.
CalendarMonth ReportCalendarMonth(const store::CongregationDatabase& db);

// `count` months walked back from the ReportMonth, the ReportMonth first.
std::vector<CalendarMonth> WalkBack(const store::CongregationDatabase& db, int count);
// The ReportMonth back to September (all twelve when the ReportMonth is August).
std::vector<CalendarMonth> WalkBackToSeptember(const store::CongregationDatabase& db);
// The walk of a period: six, service year or twelve months.
std::vector<CalendarMonth> PeriodWalk(const store::CongregationDatabase& db, StatusPeriod period);

// The months the irregular rule looks at: 6, or fewer for a publisher who is
// new, reactivated or moved in (ends at the month of the change once the
// month before it has no hours).
int IrregularWindow(const store::CongregationDatabase& db, const store::PublisherRecord& p);
// The months of the window with no report, the ReportMonth first, leaving
// out the ReportMonth while it is open and the months of a special pioneer.
std::vector<CalendarMonth> MissingMonths(const store::CongregationDatabase& db,
                                         const store::PublisherRecord& p);
// Bit m set for each of those months m.
unsigned MissingMonthMask(const store::CongregationDatabase& db, const store::PublisherRecord& p);
bool IsIrregular(const store::CongregationDatabase& db, const store::PublisherRecord& p);

// An active publisher with no report in the six months walked back from the
// ReportMonth, the ReportMonth included even while it is open.
bool IsInactiveCandidate(const store::CongregationDatabase& db, const store::PublisherRecord& p);

// When a new publisher (kChangeNew) or a reactivated one (kChangeReactivated)
// counts in a period: the month (MonthIndex + 1) and the year shown.
struct StatusMonth {
  int month = 0;  // 1-12
  int year = 0;   // four digits
};
// Nothing when the publisher does not count in the period (six months,
// service year, twelve or twenty-four months).
std::optional<StatusMonth> StatusInPeriod(const store::CongregationDatabase& db,
                                          const store::PublisherRecord& p, int change_kind,
                                          StatusPeriod period);

// The year an inactive record's year byte stands for.
int InactiveYear(std::uint8_t year_byte);
// The month of inactivity of an inactive record for a period (1-12), 0 when it
// is not within the period or the record has been inactive for more than
// twelve months.
int InactiveMonth(const store::CongregationDatabase& db, const store::PublisherRecord& p,
                  StatusPeriod period);
// The month of moving of a moved record within a period, 0 when outside it.
int MovedMonth(const store::CongregationDatabase& db, const store::PublisherRecord& p,
               StatusPeriod period);

// Whole years since baptism counted from today's year and month; nothing when
// the baptism date text is not usable.
std::optional<int> YearsSinceBaptism(const store::CongregationDatabase& db,
                                     const store::PublisherRecord& p);
// The same for any date text of the record (month, day, four-digit year).
std::optional<int> YearsSinceDate(const store::CongregationDatabase& db, std::string_view text);

}  // namespace ledra::activity
