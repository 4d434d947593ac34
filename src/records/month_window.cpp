#include "records/month_window.h"

#include "store/month_slot.h"

namespace ledra::records {

std::vector<int> WindowYears(const store::CongregationDatabase& db) {
  const int y = 2000 + db.month().report_year;
  return {y - 2, y - 1, y};
}

std::vector<int> WindowMonths(const store::CongregationDatabase& db, int year) {
  std::vector<int> months;
  for (int m = 0; m < 12; ++m)
    if (WindowMonthOffered(db, year, m)) months.push_back(m);
  return months;
}

bool WindowMonthOffered(const store::CongregationDatabase& db, int year, int month_index) {
  if (month_index < 0 || month_index > 11) return false;
  const int counter = store::MonthCounter(year - 2000, month_index);
  const int last = store::MonthCounter(db.month().report_year, db.month().report_month_index);
  return counter <= last && counter > last - kWindowMonths;
}

}  // namespace ledra::records
