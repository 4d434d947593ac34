#include "activity/month_lifecycle.h"

#include "activity/branch_totals.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {

namespace {

using store::header::MonthState;

std::uint8_t& StateByte(store::CongregationDatabase& db, int month_index) {
  return db.header().bytes[store::header::kMonthStates + static_cast<std::size_t>(month_index)];
}

}  // namespace

MonthChoiceOutcome ApplyMonthChoice(store::Document& doc, const MonthChoice& choice,
                                    Prompter& prompter, const MonthCopier& copy) {
  MonthChoiceOutcome out;
  if (choice.request == MonthRequest::kCancel) return out;
  auto& db = doc.db();
  auto& m = db.month();
  if (choice.early) {
    // Today is now the month that the early start recorded, as it will be
    // at every opening until the 25th has passed.
    m.today_year = 2000 + m.early_year;
    m.today_month = m.early_month;
  }
  if (choice.month.counter() != m.counter) db.MoveReportMonth(choice.month.counter(), prompter);
  if (choice.request == MonthRequest::kStart) {
    // A start without its copy still goes on; the caller tells the user.
    out.copy = copy(choice.month);
    if (out.copy.result == MonthCopyResult::kCopied) db.modified = true;
    out.summary = StartMonthRecords(db, choice.month.month_index, choice.month.parity(), prompter);
    out.started = true;
  }
  // The month's totals follow the month now open.
  (void)ComputeBranchTotals(db);
  return out;
}

bool ReportMonthOpen(const store::CongregationDatabase& db) {
  return store::header::MonthStateByte(db.header(), db.month().report_month_index) ==
         static_cast<std::uint8_t>(MonthState::kOpen);
}

bool CloseMonth(store::CongregationDatabase& db) {
  if (!ReportMonthOpen(db)) return false;
  StateByte(db, db.month().report_month_index) = static_cast<std::uint8_t>(MonthState::kClosed);
  db.modified = true;
  return true;
}

void OpenSheetList(store::CongregationDatabase& db) {
  std::uint8_t& two_on = StateByte(db, (db.month().report_month_index + 2) % 12);
  if (two_on != static_cast<std::uint8_t>(MonthState::kNotStarted)) {
    two_on = static_cast<std::uint8_t>(MonthState::kNotStarted);
    db.modified = true;
  }
}

std::string ReportMonthStatusText(const store::CongregationDatabase& db) {
  return Strings().Format(str::kReportMonthStatus, {MonthName(db.month().report_month_index)});
}

}  // namespace ledra::activity
