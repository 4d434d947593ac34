#include <gtest/gtest.h>

#include "activity/month_dialog_model.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::activity {
namespace {

using store::header::MonthState;

constexpr std::uint8_t kNot = 0, kOpen = 1, kClosed = 2;

// March 2026 (counter 314) as the ReportMonth.
MonthDialogInputs Inputs(int day, std::uint8_t cur, std::uint8_t prev = kNot,
                         bool early_recorded = false) {
  MonthDialogInputs in;
  in.counter = 26 * 12 + 2;
  in.states[2] = cur;
  in.states[1] = prev;
  in.today_day = day;
  in.early_recorded = early_recorded;
  in.show_hint = day > 20;
  return in;
}

std::string Named(int id, int month_index) {
  return Strings().Format(id, {MonthName(month_index)});
}

TEST(MonthDialog, ButtonsAndTextsFollowTheMonthStates) {
  const MonthDialogModel not_started(Inputs(10, kNot));
  EXPECT_FALSE(not_started.ok_visible());
  EXPECT_EQ(not_started.start_text(), Named(str::kMonthStart, 2));
  EXPECT_FALSE(not_started.start_asks());

  const MonthDialogModel closed(Inputs(10, kClosed));
  EXPECT_TRUE(closed.ok_visible());
  EXPECT_EQ(closed.ok_text(), Named(str::kMonthReopen, 2));
  EXPECT_EQ(closed.start_text(), Named(str::kMonthReinitialise, 2));

  // Damaged states (above 2) still let the month be started again.
  const MonthDialogModel odd(Inputs(10, 7));
  EXPECT_FALSE(odd.ok_visible());
  EXPECT_EQ(odd.start_text(), Named(str::kMonthReinitialise, 2));
}

TEST(MonthDialog, ARestartAsksOnlyAfterTheFifth) {
  EXPECT_FALSE(MonthDialogModel(Inputs(3, kClosed)).start_asks());
  EXPECT_FALSE(MonthDialogModel(Inputs(5, kClosed)).start_asks());
  EXPECT_TRUE(MonthDialogModel(Inputs(6, kClosed)).start_asks());
  EXPECT_EQ(MonthDialogModel::ConfirmText(CalendarMonth{2, 26}),
            Strings().Format(str::kMonthStartConfirm, {MonthName(2)}));
}

TEST(MonthDialog, ContinuesThePreviousMonthOnlyInTheFirstWeek) {
  const MonthDialogModel fifth(Inputs(5, kNot, kOpen));
  EXPECT_TRUE(fifth.continue_previous());
  EXPECT_TRUE(fifth.ok_visible());
  EXPECT_EQ(fifth.ok_text(), Named(str::kMonthReopen, 1));

  const MonthDialogModel eighth(Inputs(8, kNot, kOpen));
  EXPECT_FALSE(eighth.continue_previous());
  EXPECT_FALSE(eighth.ok_visible());
}

TEST(MonthDialog, EarlyStartAndHintShowAtTheEndOfTheMonth) {
  EXPECT_FALSE(MonthDialogModel(Inputs(24, kClosed)).early_visible());
  const MonthDialogModel late(Inputs(25, kClosed));
  EXPECT_TRUE(late.early_visible());
  EXPECT_EQ(late.early_text(), Named(str::kMonthStart, 3));
  EXPECT_TRUE(late.early_asks());
  EXPECT_TRUE(late.hint_visible());
  EXPECT_FALSE(MonthDialogModel(Inputs(20, kNot)).hint_visible());
  EXPECT_FALSE(MonthDialogModel(Inputs(28, kOpen)).early_visible());
  EXPECT_FALSE(MonthDialogModel(Inputs(28, kNot, kNot, /*early_recorded=*/true)).early_visible());
}

class MonthDialogActions : public ::testing::Test {
 protected:
  void SetUp() override {
    db.SetToday(2026, 4, 10);  // ReportMonth March 2026
    for (int m = 0; m < 12; ++m) db.header().bytes[store::header::kMonthStates + m] = kClosed;
  }
  std::uint8_t State(int m) const { return store::header::MonthStateByte(db.header(), m); }
  store::CongregationDatabase db;
};

TEST_F(MonthDialogActions, ReopenOpensTheMonthWithoutTouchingOthers) {
  const MonthDialogModel dialog(MonthDialogInputs::From(db));
  const MonthChoice c = dialog.Reopen(db);
  EXPECT_EQ(c.request, MonthRequest::kReopen);
  EXPECT_EQ(c.month, (CalendarMonth{2, 26}));
  EXPECT_EQ(State(2), kOpen);
  EXPECT_EQ(State(3), kClosed);
  EXPECT_TRUE(db.modified);
}

TEST_F(MonthDialogActions, ContinuingGoesBackAcrossTheYear) {
  db.SetToday(2026, 1, 4);  // ReportMonth December 2025
  db.header().bytes[store::header::kMonthStates + 11] = kNot;
  db.header().bytes[store::header::kMonthStates + 10] = kOpen;
  const MonthDialogModel dialog(MonthDialogInputs::From(db));
  ASSERT_TRUE(dialog.continue_previous());
  EXPECT_EQ(dialog.Reopen(db).month, (CalendarMonth{10, 25}));
}

TEST_F(MonthDialogActions, StartOpensTheMonthAndClearsTheOneAfter) {
  const MonthChoice c = MonthDialogModel(MonthDialogInputs::From(db)).Start(db, false);
  EXPECT_EQ(c.request, MonthRequest::kStart);
  EXPECT_EQ(c.month, (CalendarMonth{2, 26}));
  EXPECT_EQ(State(2), kOpen);
  EXPECT_EQ(State(3), kNot);
  EXPECT_EQ(State(1), kClosed);
  EXPECT_EQ(db.month().early_year, 0);
}

TEST_F(MonthDialogActions, EarlyStartTakesTheNextMonthAndRecordsTheOneAfter) {
  db.SetToday(2026, 12, 27);  // ReportMonth November 2026
  const MonthChoice c = MonthDialogModel(MonthDialogInputs::From(db)).Start(db, true);
  EXPECT_TRUE(c.early);
  EXPECT_EQ(c.month, (CalendarMonth{11, 26}));
  EXPECT_EQ(State(11), kOpen);
  EXPECT_EQ(State(0), kNot);
  // January 2027 is "today" until the 25th has passed.
  EXPECT_EQ(db.month().early_year, 27);
  EXPECT_EQ(db.month().early_month, 1);
}

}  // namespace
}  // namespace ledra::activity
