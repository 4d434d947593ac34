#pragma once
// The 3/6-month averages (kinds 5-11): for the congregation, a group, the
// regular pioneers, elders, ministerial servants, baptised brothers or the
// special category, one line per publisher with the months reported, Bible
// studies, months as auxiliary pioneer and hours over three and six months.

#include <string>
#include <vector>

#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

inline constexpr int kAveragesCongregation = 5;
inline constexpr int kAveragesGroup = 6;
inline constexpr int kAveragesRegularPioneers = 7;
inline constexpr int kAveragesElders = 8;
inline constexpr int kAveragesServants = 9;
inline constexpr int kAveragesBaptisedBrothers = 10;
inline constexpr int kAveragesSpecialCategory = 11;

// One printed line: the name and the four cells as they are printed.
struct AveragesLine {
  std::string name, participated, studies, auxiliary, hours;  // ANSI
};

// The active publishers a kind selects, in active-list order.
std::vector<AveragesLine> AveragesLines(const store::CongregationDatabase& db, int kind, int group,
                                        bool surname_first);

int DrawAverages(ReportFrame& frame, const store::CongregationDatabase& db, int kind, int group);

}  // namespace ledra::reports
