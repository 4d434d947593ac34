#include "activity/month_dialog_model.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/publisher_record.h"

namespace ledra::activity {

namespace {

using store::header::MonthState;

constexpr std::uint8_t Byte(MonthState s) {
  return static_cast<std::uint8_t>(s);
}

void SetState(store::CongregationDatabase& db, CalendarMonth m, MonthState s) {
  db.header().bytes[store::header::kMonthStates + static_cast<std::size_t>(m.month_index)] =
      Byte(s);
}

}  // namespace

MonthDialogInputs MonthDialogInputs::From(const store::CongregationDatabase& db) {
  MonthDialogInputs in;
  const auto& m = db.month();
  in.counter = m.counter;
  for (int i = 0; i < 12; ++i)
    in.states[static_cast<std::size_t>(i)] = store::header::MonthStateByte(db.header(), i);
  in.today_day = m.today_day;
  in.early_recorded = m.early_year != 0;
  in.show_hint = m.today_day > 20;
  return in;
}

MonthDialogModel::MonthDialogModel(const MonthDialogInputs& in)
    : in_(in), cur_(CalendarMonth::FromCounter(in.counter)) {}

bool MonthDialogModel::continue_previous() const {
  return state(cur_) == Byte(MonthState::kNotStarted) &&
         state(previous()) == Byte(MonthState::kOpen) && in_.today_day < 8;
}

bool MonthDialogModel::ok_visible() const {
  return state(cur_) == Byte(MonthState::kClosed) || continue_previous();
}

std::string MonthDialogModel::ok_text() const {
  const CalendarMonth m = continue_previous() ? previous() : cur_;
  return Strings().Format(str::kMonthReopen, {MonthName(m.month_index)});
}

std::string MonthDialogModel::start_text() const {
  const int id =
      state(cur_) == Byte(MonthState::kNotStarted) ? str::kMonthStart : str::kMonthReinitialise;
  return Strings().Format(id, {MonthName(cur_.month_index)});
}

bool MonthDialogModel::early_visible() const {
  return in_.today_day > 24 && !in_.early_recorded && state(cur_) != Byte(MonthState::kOpen);
}

std::string MonthDialogModel::early_text() const {
  return Strings().Format(str::kMonthStart, {MonthName(next().month_index)});
}

bool MonthDialogModel::start_asks() const {
  return in_.today_day > 5 && state(cur_) != Byte(MonthState::kNotStarted);
}

bool MonthDialogModel::early_asks() const {
  return in_.today_day > 5;
}

std::string MonthDialogModel::ConfirmText(CalendarMonth month) {
  return Strings().Format(str::kMonthStartConfirm, {MonthName(month.month_index)});
}

MonthChoice MonthDialogModel::Reopen(store::CongregationDatabase& db) const {
  const CalendarMonth m = continue_previous() ? previous() : cur_;
  SetState(db, m, MonthState::kOpen);
  db.modified = true;
  return {MonthRequest::kReopen, m, false};
}

MonthChoice MonthDialogModel::Start(store::CongregationDatabase& db, bool early) const {
  CalendarMonth m = cur_;
  if (early) {
    SetState(db, next(), MonthState::kNotStarted);
    m = next();
    const CalendarMonth after = m.Next();
    db.month().early_year = after.year_byte;
    db.month().early_month = after.number();
  }
  SetState(db, m, MonthState::kNotStarted);
  SetState(db, m.Next(), MonthState::kNotStarted);
  SetState(db, m, MonthState::kOpen);
  db.modified = true;
  return {MonthRequest::kStart, m, early};
}

}  // namespace ledra::activity
