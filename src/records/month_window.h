#pragma once
// The 24 months that end with the ReportMonth, as the lists that work month
// by month offer them: a three-row year list (the report year - 2, - 1 and
// itself) and, for each year, the months of the window.

#include <vector>

#include "store/congregation_database.h"

namespace ledra::records {

inline constexpr int kWindowMonths = 24;

std::vector<int> WindowYears(const store::CongregationDatabase& db);
std::vector<int> WindowMonths(const store::CongregationDatabase& db, int year);
bool WindowMonthOffered(const store::CongregationDatabase& db, int year, int month_index);

}  // namespace ledra::records
