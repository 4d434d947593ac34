#include "activity/home_summary.h"

#include "activity/month_calendar.h"
#include "activity/sheet_list.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {
namespace {

HomeMonthState StateOf(const store::CongregationDatabase& db) {
  if (db.month().viewing_past) return HomeMonthState::kPastMonth;
  using store::header::MonthState;
  switch (static_cast<MonthState>(
      store::header::MonthStateByte(db.header(), db.month().report_month_index))) {
    case MonthState::kOpen:
      return HomeMonthState::kOpen;
    case MonthState::kClosed:
      return HomeMonthState::kClosed;
    default:
      return HomeMonthState::kNotStarted;
  }
}

int StateText(HomeMonthState state) {
  switch (state) {
    case HomeMonthState::kOpen:
      return str::kHomeOpen;
    case HomeMonthState::kClosed:
      return str::kHomeClosed;
    case HomeMonthState::kPastMonth:
      return str::kHomePastMonth;
    default:
      return str::kHomeNotStarted;
  }
}

// Trailing blanks of a fixed-width name field are not part of the name.
std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

}  // namespace

HomeSummary HomeSummaryOf(const store::CongregationDatabase& db, std::string_view cong_name) {
  HomeSummary h;
  const std::string_view name = Trimmed(cong_name);
  h.title = name.empty() ? Strings().Part(str::kAppTitle, 0) : std::string(name);
  const auto& m = db.month();
  h.month_line = Strings().Format(
      str::kHomeMonth, {MonthName(m.report_month_index), std::to_string(2000 + m.report_year)});
  h.state = StateOf(db);
  h.state_line = Strings().Get(StateText(h.state));
  SheetList sheets(db);
  h.expected = static_cast<int>(sheets.Lines().size());
  sheets.set_missing_only(true);
  h.reported = h.expected - static_cast<int>(sheets.Lines().size());
  h.reports_line =
      Strings().Format(str::kHomeReports, {std::to_string(h.reported), std::to_string(h.expected)});
  return h;
}

}  // namespace ledra::activity
