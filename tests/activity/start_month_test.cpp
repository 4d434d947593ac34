#include <gtest/gtest.h>

#include "activity/oldest_entry_trim.h"
#include "activity/start_month.h"
#include "store/side_tables.h"

namespace ledra::activity {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

PublisherRecord Person(std::uint16_t id, ListType type) {
  PublisherRecord p;
  p.set_id(id);
  p.set_list_type(type);
  p.SetText(store::field::kFname, "P" + std::to_string(id));
  return p;
}

void FillSlot(PublisherRecord& p, int slot, std::uint16_t v) {
  for (SlotWords w : {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours,
                      SlotWords::kReturnVisits, SlotWords::kStudiesWord, SlotWords::kPioCredit})
    p.set_word(w, slot, v);
}

bool SlotEmpty(const PublisherRecord& p, int slot) {
  for (SlotWords w : {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours,
                      SlotWords::kReturnVisits, SlotWords::kStudiesWord, SlotWords::kPioCredit})
    if (p.word(w, slot) != 0) return false;
  return true;
}

class StartMonth : public ::testing::Test {
 protected:
  // Adds a person and returns the id.
  std::uint16_t Add(PublisherRecord p) {
    EXPECT_TRUE(db.AppendRow(p).ok());
    return p.id();
  }
  PublisherRecord& Row(std::uint16_t id) { return db.row(db.FindRow(id)); }
  void Index() {
    db.CountAllLists();
    db.RebuildIndexes(prompter);
  }
  // Sets today and makes the month before it the ReportMonth, then starts it.
  StartSummary Start(int year, int month, int day) {
    db.SetToday(year, month, day);
    Index();
    return StartMonthRecords(db, db.month().report_month_index, db.month().report_year % 2,
                             prompter);
  }
  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

TEST_F(StartMonth, PioneersCarryOverAndAuxiliaryOnlyWhenContinuous) {
  // Starting July 2026 (slot 18 + 0); June 2026 is slot 15.
  PublisherRecord regular = Person(101, ListType::kActive);
  regular.set_pioneer_code(15, 2);
  PublisherRecord special = Person(102, ListType::kActive);
  special.set_pioneer_code(15, 3);
  PublisherRecord one_month_aux = Person(103, ListType::kActive);
  one_month_aux.set_pioneer_code(15, 1);
  PublisherRecord continuous = Person(104, ListType::kActive);
  continuous.SetU8(239, store::attr::kRegularAuxiliary);
  PublisherRecord stale = Person(105, ListType::kActive);
  stale.set_pioneer_code(18, 2);  // July two years ago
  for (auto* p : {&regular, &special, &one_month_aux, &continuous, &stale}) Add(*p);
  Start(2026, 8, 3);
  EXPECT_EQ(Row(101).pioneer_code(18), 2);
  EXPECT_EQ(Row(102).pioneer_code(18), 3);
  EXPECT_EQ(Row(103).pioneer_code(18), 0);
  EXPECT_EQ(Row(104).pioneer_code(18), 1);
  EXPECT_EQ(Row(105).pioneer_code(18), 0);
}

TEST_F(StartMonth, JanuaryTakesThePioneerCodeOfDecemberOfTheOtherYear) {
  PublisherRecord p = Person(101, ListType::kActive);
  p.set_pioneer_code(33 + 1, 2);  // December 2025 (odd year)
  Add(p);
  Start(2026, 2, 2);  // January 2026: slot 0
  EXPECT_EQ(Row(101).pioneer_code(0), 2);
}

TEST_F(StartMonth, NewPublisherStatusLastsSixReportMonths) {
  PublisherRecord p = Person(101, ListType::kActive);
  p.SetU8(201, 1 * 16 + 1);  // new publisher since January
  p.SetU8(238, 1 * 16 + 1);
  Add(p);
  Start(2026, 7, 2);  // June: kept
  EXPECT_EQ(Row(101).status_change(), 0x11);
  Start(2026, 8, 2);  // July: gone
  EXPECT_EQ(Row(101).status_change(), 0);
  EXPECT_EQ(Row(101).status_copy(), 0x11);  // the copy keeps it for the service year
}

TEST_F(StartMonth, TheStatusCopyLosesItsMonthWhenThatMonthComesRound) {
  PublisherRecord p = Person(101, ListType::kActive);
  p.SetU8(238, 3 * 16 + 2);  // reactivated in March, a year ago
  Add(p);
  Start(2026, 4, 2);  // March
  EXPECT_EQ(Row(101).status_copy(), 2);
}

TEST_F(StartMonth, AStatusOlderThanTwoYearsIsForgotten) {
  PublisherRecord p = Person(101, ListType::kActive);
  p.SetU16(192, 26 * 12 + 2 - 25);  // 25 months before March 2026
  p.SetU8(238, 0x52);
  Add(p);
  PublisherRecord q = Person(102, ListType::kActive);
  q.SetU16(192, 26 * 12 + 2 - 24);
  Add(q);
  Start(2026, 4, 2);
  EXPECT_EQ(Row(101).status_counter(), 0);
  EXPECT_EQ(Row(101).status_copy(), 0);
  EXPECT_EQ(Row(102).status_counter(), 26 * 12 + 2 - 24);
}

TEST_F(StartMonth, ClearsTheSlotOfEveryListAsEachListRequires) {
  // Starting March 2026: slot 6.
  db.side.remarks.resize(4);
  db.side.remarks[1].text = "doente";
  db.side.remarks[2].text = "estudante";
  PublisherRecord active = Person(101, ListType::kActive);
  FillSlot(active, 6, 9);
  active.set_word(SlotWords::kRemarkIndex, 6, 1);
  active.set_late_month(6, 4);
  PublisherRecord student = Person(102, ListType::kNonPublisher);
  FillSlot(student, 6, 9);
  student.set_word(SlotWords::kRemarkIndex, 6, 2);
  PublisherRecord deleted = Person(103, ListType::kDeleted);
  FillSlot(deleted, 6, 9);
  deleted.set_pioneer_code(6, 2);
  deleted.SetU16(192, (75 << 8) | 5);  // deleted in May 2025
  PublisherRecord overseer = Person(104, ListType::kCircuitOverseer);
  FillSlot(overseer, 6, 9);
  FillSlot(active, 7, 5);  // the other year's March is untouched
  for (auto* p : {&active, &student, &deleted, &overseer}) Add(*p);
  db.last_entered_id = 101;
  db.late_entries().push_back({101, 1, 3});
  const StartSummary s = Start(2026, 4, 2);

  EXPECT_TRUE(SlotEmpty(Row(101), 6));
  EXPECT_EQ(Row(101).word(SlotWords::kRemarkIndex, 6), 0);
  EXPECT_EQ(db.side.remarks[1].text, "");
  EXPECT_EQ(s.remarks_emptied, 1);
  EXPECT_EQ(Row(101).word(SlotWords::kHours, 7), 5);
  EXPECT_TRUE(SlotEmpty(Row(102), 6));
  EXPECT_EQ(Row(102).word(SlotWords::kRemarkIndex, 6), 0);
  EXPECT_EQ(db.side.remarks[2].text, "estudante");  // a student's remark text stays
  EXPECT_TRUE(SlotEmpty(Row(103), 6));
  EXPECT_EQ(Row(103).pioneer_code(6), 0);
  EXPECT_FALSE(SlotEmpty(Row(104), 6));  // the circuit overseer is on no list

  EXPECT_EQ(db.last_entered_id, 0);
  EXPECT_TRUE(db.late_entries().empty());
  EXPECT_EQ(store::header::YearStamp(db.header(), 6), 26);
  for (int m = 0; m < 12; ++m)
    EXPECT_EQ(store::header::MonthStateByte(db.header(), m), m == 2 ? 1 : 0) << m;
  EXPECT_TRUE(db.modified);
}

TEST_F(StartMonth, DecemberStartedInJanuaryIsStampedWithTheYearBefore) {
  Add(Person(101, ListType::kActive));
  Start(2026, 1, 3);  // December 2025: slot 33 + 1
  EXPECT_EQ(store::header::YearStamp(db.header(), 34), 25);
}

TEST_F(StartMonth, MovedPeopleLeaveAfterTwelveMonths) {
  PublisherRecord gone = Person(101, ListType::kMoved);
  gone.SetU8(201, 3 * 16);  // moved in March a year ago
  PublisherRecord stays = Person(102, ListType::kMoved);
  stays.SetU8(201, 9 * 16);
  FillSlot(stays, 6, 4);
  Add(gone);
  Add(stays);
  const StartSummary s = Start(2026, 4, 2);  // March
  EXPECT_EQ(s.moved_removed, 1);
  EXPECT_EQ(db.FindRow(101), 0);
  EXPECT_TRUE(SlotEmpty(Row(102), 6));
  EXPECT_EQ(db.list_count(ListType::kMoved), 1);
}

TEST_F(StartMonth, InactiveAndDeletedRecordsOfTheStartedMonth) {
  PublisherRecord inactive = Person(101, ListType::kInactive);
  inactive.SetU8(201, 3 * 16);  // inactive since March 2026
  inactive.SetU8(238, 26);
  FillSlot(inactive, 6, 4);
  inactive.set_pioneer_code(6, 1);
  PublisherRecord other_year = Person(102, ListType::kInactive);
  other_year.SetU8(201, 3 * 16);
  other_year.SetU8(238, 25);  // the other parity: left alone
  FillSlot(other_year, 6, 4);
  PublisherRecord deleted = Person(103, ListType::kDeleted);
  deleted.SetU16(192, (75 << 8) | 3);  // deleted March 2025
  for (auto* p : {&inactive, &other_year, &deleted}) Add(*p);
  Start(2026, 4, 2);
  EXPECT_TRUE(SlotEmpty(Row(101), 6));
  EXPECT_EQ(Row(101).pioneer_code(6), 0);
  EXPECT_FALSE(SlotEmpty(Row(102), 6));
  // The deletion month is cleared and the year set to a year back.
  EXPECT_EQ(DeletedOn(Row(103)).month, 0);
  EXPECT_EQ(DeletedOn(Row(103)).year, 25);
}

TEST_F(StartMonth, TrimsTheOldestInactiveDownTo250ButNoneOfThisYear) {
  // 300 inactive: 20 from 2019, 10 from 2020 (months 5 and 2), 270 from this year.
  std::uint16_t id = 101;
  for (int i = 0; i < 20; ++i) {
    PublisherRecord p = Person(id++, ListType::kInactive);
    p.SetU8(238, 19);
    p.SetU8(201, 6 * 16);
    Add(p);
  }
  for (int i = 0; i < 10; ++i) {
    PublisherRecord p = Person(id++, ListType::kInactive);
    p.SetU8(238, 20);
    p.SetU8(201, static_cast<std::uint8_t>((i < 5 ? 5 : 2) * 16));
    Add(p);
  }
  for (int i = 0; i < 270; ++i) {
    PublisherRecord p = Person(id++, ListType::kInactive);
    p.SetU8(238, 26);
    Add(p);
  }
  const StartSummary s = Start(2026, 4, 2);
  // Every record older than this year goes; the loop stops with 270 left.
  EXPECT_EQ(s.inactive_trimmed, 30);
  EXPECT_EQ(db.list_count(ListType::kInactive), 270);
}

TEST_F(StartMonth, TrimmingTakesTheEarliestMonthOfTheOldestYearFirst) {
  std::uint16_t id = 101;
  for (int i = 0; i < 281; ++i) {
    PublisherRecord p = Person(id++, ListType::kDeleted);
    const int year = i < 40 ? 2020 : 2026;
    const int month = i < 20 ? 9 : 4;
    p.SetU16(192, static_cast<std::uint16_t>(((year - 1950) << 8) | month));
    Add(p);
  }
  Index();
  const int removed = TrimOldestEntries(db, ListType::kDeleted, 26, prompter);
  EXPECT_EQ(removed, 31);
  // The twenty of April 2020 go before those of September 2020.
  int september_left = 0, april_2020_left = 0;
  for (int r = 1; r < db.count(); ++r) {
    const EntryDate d = DeletedOn(db.row(r));
    if (d.year == 20 && d.month == 9) ++september_left;
    if (d.year == 20 && d.month == 4) ++april_2020_left;
  }
  EXPECT_EQ(april_2020_left, 0);
  EXPECT_EQ(september_left, 9);
}

TEST_F(StartMonth, AttendanceWorkingSlotMovesIntoTheMonth) {
  auto& block = db.side.attendance[1];
  block.set_u16(96 + 2 * (2 * 3 + 2), 120);           // March's working slot, week 1
  block.set_u16(96 + 72 * 6 + 2 * (2 * 3 + 2), 480);  // its total
  block.set_u16(96 + 2 * (5 * 3 + 2), 77);            // June's working slot
  Start(2026, 4, 2);
  EXPECT_EQ(block.week(0, 6), 120);
  EXPECT_EQ(block.total(6), 480);
  EXPECT_EQ(block.week(0, 8), 0);
  EXPECT_EQ(block.week(0, 17), 0);
}

TEST_F(StartMonth, QuarterHoursOfTheMonthBeforeAreNotCarried) {
  // February 2026 (parity 0) ended with 2 quarters over 9 whole hours' quarters.
  auto& fraction = db.side.totals_card[store::TotalsCardIndex(1, 0, 7, 0)];
  fraction = 38;
  db.header().set_word(SlotWords::kStudiesWord, 6, 0x3000 | 5);
  const StartSummary s = Start(2026, 4, 2);
  EXPECT_EQ(s.quarters_carried, 2);
  EXPECT_EQ(fraction, 36);
  EXPECT_EQ(db.header().word(SlotWords::kStudiesWord, 6), 5);
}

}  // namespace
}  // namespace ledra::activity
