#pragma once
// The dialog that opens, reopens or starts the report month: which buttons it
// shows, their texts, when a start asks first, and what each button does to
// the month states. It has no month list: everything follows from the
// ReportMonth, the months either side of it and today's day.

#include <array>
#include <cstdint>
#include <string>

#include "activity/month_calendar.h"
#include "store/congregation_database.h"

namespace ledra::activity {

enum class MonthRequest { kCancel, kReopen, kStart };

// What the dialog returns.
struct MonthChoice {
  MonthRequest request = MonthRequest::kCancel;
  CalendarMonth month;
  bool early = false;  // the start of the month after the ReportMonth
};

struct MonthDialogInputs {
  int counter = 0;                        // the ReportMonth
  std::array<std::uint8_t, 12> states{};  // MonthState per month index
  int today_day = 1;
  bool early_recorded = false;  // an early start is already recorded
  bool show_hint = false;       // the caller asks for the hint (after the 20th)

  static MonthDialogInputs From(const store::CongregationDatabase& db);
};

class MonthDialogModel {
 public:
  explicit MonthDialogModel(const MonthDialogInputs& in);

  CalendarMonth current() const { return cur_; }
  CalendarMonth previous() const { return cur_.Previous(); }
  CalendarMonth next() const { return cur_.Next(); }

  // The ReportMonth is not started, the month before it is still open and
  // the month is young: the OK button continues the month before.
  bool continue_previous() const;
  bool ok_visible() const;
  std::string ok_text() const;  // ANSI
  std::string start_text() const;
  bool early_visible() const;
  std::string early_text() const;
  bool hint_visible() const { return in_.show_hint; }
  // Whether the start button (or the early-start button) asks first.
  bool start_asks() const;
  bool early_asks() const;
  // The question asked before a start of `month`.
  static std::string ConfirmText(CalendarMonth month);

  // The OK button: the month (or the month before, when continuing it) opens
  // again with its data as they are.
  MonthChoice Reopen(store::CongregationDatabase& db) const;
  // The start button, or with `early` the early-start button, once any
  // question was answered OK. The early start records the month after next
  // as today's month, so that the program keeps to the new month until the
  // 25th has passed.
  MonthChoice Start(store::CongregationDatabase& db, bool early) const;

 private:
  std::uint8_t state(CalendarMonth m) const {
    return in_.states[static_cast<std::size_t>(m.month_index)];
  }

  MonthDialogInputs in_;
  CalendarMonth cur_;
};

}  // namespace ledra::activity
