#include <gtest/gtest.h>

#include "activity/branch_totals.h"
#include "activity/glance.h"
#include "activity/late_entry_list.h"
#include "activity/year_to_date.h"
#include "store/side_tables.h"

namespace ledra::activity {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

// March 2026 (slot 6) open.
class BranchTotalsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.SetToday(2026, 4, 10);
    db.header().bytes[store::header::kMonthStates + 2] = 1;
  }
  PublisherRecord& Add(std::uint16_t id) {
    PublisherRecord p;
    p.set_id(id);
    EXPECT_TRUE(db.AppendRow(p).ok());
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    return db.row(db.FindRow(id));
  }
  static void Report(PublisherRecord& p, int slot, int code, int hours, int studies) {
    p.set_pioneer_code(slot, static_cast<std::uint8_t>(code));
    p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
    p.set_word(SlotWords::kStudiesWord, slot, static_cast<std::uint16_t>(0x0800 | studies));
    p.set_word(SlotWords::kPlcmts, slot, 3);
  }
  int Card(int row, int c) const {
    return db.side.totals_card[store::TotalsCardIndex(2, row, c, 0)];
  }
  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

TEST_F(BranchTotalsTest, APublishersHoursCountNowhere) {
  Report(Add(101), 6, 0, 10, 2);
  const BranchTotals t = ComputeBranchTotals(db);
  EXPECT_EQ(t.at(0, column::kReports), 1);
  EXPECT_EQ(t.at(0, column::kStudies), 2);
  EXPECT_EQ(t.at(0, column::kHours), 0);
  EXPECT_EQ(t.at(0, column::kPlacements), 0);
  EXPECT_EQ(t.CategoryTotal(column::kHours), 0);
  EXPECT_EQ(t.at(0, column::kActive), 1);
}

TEST_F(BranchTotalsTest, AQueuedLateReportCountsAnUnqueuedOneDoesNot) {
  PublisherRecord& eva = Add(103);
  Report(eva, 0, 2, 40, 1);  // January 2026
  Report(eva, 6, 2, 50, 2);  // March
  BranchTotals t = ComputeBranchTotals(db);
  EXPECT_EQ(t.at(2, column::kReports), 1);
  EXPECT_EQ(t.at(2, column::kHours), 50);
  QueueLateReport(db, 103, 0);
  t = ComputeBranchTotals(db);
  EXPECT_EQ(t.at(2, column::kReports), 2);
  EXPECT_EQ(t.at(2, column::kHours), 90);
  EXPECT_EQ(t.Reports(), 2);
}

TEST_F(BranchTotalsTest, SpecialPioneersInRowThreeFieldMissionariesNowhere) {
  Report(Add(104), 6, 3, 100, 4);
  PublisherRecord& fm = Add(105);
  Report(fm, 6, 2, 70, 3);
  fm.SetU16(194, store::kAppointmentFieldMissionary);
  const BranchTotals t = ComputeBranchTotals(db);
  EXPECT_EQ(t.at(3, column::kReports), 1);
  EXPECT_EQ(t.at(3, column::kHours), 100);
  EXPECT_EQ(t.Reports(), 0);
  EXPECT_EQ(t.at(2, column::kReports), 0);
  EXPECT_EQ(Card(3, column::kHours), 100);
  // The summary adds special pioneers to the regular ones.
  const auto rows = SummaryRows(db);
  ASSERT_EQ(rows.size(), 72u);
  EXPECT_EQ(rows[2 * 24 + 23].counter, 26 * 12 + 2);
  EXPECT_EQ(rows[2 * 24 + 23].hours, 100);
  EXPECT_EQ(rows[0].counter, 26 * 12 + 2 - 23);
  EXPECT_EQ(rows[23].active, 2);
}

TEST_F(BranchTotalsTest, AClosedMonthKeepsItsCard) {
  PublisherRecord& eva = Add(103);
  Report(eva, 6, 2, 50, 2);
  ComputeBranchTotals(db);
  EXPECT_EQ(Card(2, column::kHours), 50);
  db.header().bytes[store::header::kMonthStates + 2] = 2;
  db.row(db.FindRow(103)).set_word(SlotWords::kHours, 6, 60);
  const BranchTotals t = ComputeBranchTotals(db);
  EXPECT_EQ(t.at(2, column::kHours), 60);  // on screen
  EXPECT_EQ(Card(2, column::kHours), 50);  // as sent
}

TEST_F(BranchTotalsTest, NothingEnteredGivesZeros) {
  Add(101);
  const BranchTotals t = ComputeBranchTotals(db);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (!(r == 0 && c == column::kActive)) {
        EXPECT_EQ(t.at(r, c), 0) << r << "," << c;
      }
    }
  }
}

TEST_F(BranchTotalsTest, TheGlanceCountsWhoIsWhoThisMonth) {
  PublisherRecord& elder = Add(101);
  elder.SetU8(239, 2);
  elder.SetText(store::field::kBapdate, "03151998");
  Report(elder, 6, 2, 60, 1);  // regular pioneer
  PublisherRecord& servant = Add(102);
  servant.SetU8(239, 1);
  servant.SetText(store::field::kBapdate, "        ");  // not recorded
  Report(servant, 6, 1, 30, 0);                         // auxiliary pioneer
  PublisherRecord& sister = Add(103);
  sister.set_special_ministry_bits(store::kSpecialMinistryValid | 1 | 4);
  sister.SetU8(239, store::attr::kSpecialCategory | store::attr::kFemale);
  Report(sister, 6, 0, 4, 2);
  Add(104);  // nothing reported
  const Glance g = ComputeGlance(db);
  EXPECT_EQ(g.active, 4);
  EXPECT_EQ(g.baptised, 1);
  EXPECT_EQ(g.elders, 1);
  EXPECT_EQ(g.ministerial_servants, 1);
  EXPECT_EQ(g.regular_pioneers, 1);
  EXPECT_EQ(g.auxiliary_pioneers, 1);
  EXPECT_DOUBLE_EQ(g.avg_hours_regular, 60.0);
  EXPECT_DOUBLE_EQ(g.avg_hours_auxiliary, 30.0);
  // March 2026 uses the simplified report: no publishers' average.
  EXPECT_FALSE(g.avg_hours_publishers.has_value());
  EXPECT_EQ(g.deaf, 1);
  EXPECT_EQ(g.blind, 0);
  EXPECT_EQ(g.prison, 1);
  EXPECT_EQ(g.special_category, 1);
  EXPECT_EQ(g.six_months.auxiliary, 1);
  EXPECT_EQ(g.service_year.auxiliary, 1);
}

TEST_F(BranchTotalsTest, YearToDateFromTheRecordsAndFromTheCard) {
  PublisherRecord& eva = Add(103);
  Report(eva, 6, 2, 50, 2);   // March 2026
  Report(eva, 34, 2, 40, 1);  // December 2025
  PublisherRecord& ana = Add(101);
  Report(ana, 6, 0, 10, 3);  // a publisher's hours are never shown
  PublisherRecord& fm = Add(105);
  Report(fm, 6, 2, 70, 0);
  fm.SetU16(194, store::kAppointmentFieldMissionary);  // left out
  YearToDate y = ComputeYearToDate(db, YtdCategory::kCongregation, StatusPeriod::kTwelveMonths,
                                   YtdSource::kRecords);
  EXPECT_EQ(y.lines[11].month, (CalendarMonth{2, 26}));
  EXPECT_EQ(y.lines[11].reports, 2);
  EXPECT_EQ(y.lines[11].studies, 5);
  EXPECT_EQ(y.lines[11].hours, 50);
  EXPECT_EQ(y.lines[8].hours, 40);               // December
  EXPECT_FALSE(y.lines[9].reports.has_value());  // January: nothing, left blank
  EXPECT_EQ(y.total_hours, 90);
  EXPECT_DOUBLE_EQ(*y.average_hours, 90.0 / 12);

  y = ComputeYearToDate(db, YtdCategory::kPublishers, StatusPeriod::kSixMonths,
                        YtdSource::kRecords);
  EXPECT_EQ(y.lines[11].reports, 1);
  EXPECT_FALSE(y.lines[11].hours.has_value());
  EXPECT_FALSE(y.total_hours.has_value());
  EXPECT_FALSE(y.lines[5].studies.has_value());  // outside the six months
  EXPECT_EQ(y.total_studies, 3);

  // From the card: what went to the branch, without publishers' hours, and
  // the card is left as it was.
  ComputeBranchTotals(db);
  db.side.totals_card[store::TotalsCardIndex(2, 0, column::kHours, 0)] = 12;
  const auto card = db.side.totals_card;
  y = ComputeYearToDate(db, YtdCategory::kCongregation, StatusPeriod::kServiceYear,
                        YtdSource::kTotalsCard);
  EXPECT_EQ(y.lines[11].reports, 2);
  EXPECT_EQ(y.lines[11].hours, 50);
  EXPECT_TRUE(db.side.totals_card == card);
  // The service year runs from September: seven months up to March.
  EXPECT_FALSE(y.lines[4].reports.has_value());
  EXPECT_DOUBLE_EQ(*y.average_studies, 5.0 / 7);
}

TEST_F(BranchTotalsTest, YearToDateWaitsForTheMonthToStart) {
  db.header().bytes[store::header::kMonthStates + 2] = 0;
  Report(Add(101), 6, 0, 0, 3);
  const YearToDate y = ComputeYearToDate(db, YtdCategory::kCongregation,
                                         StatusPeriod::kTwelveMonths, YtdSource::kRecords);
  EXPECT_FALSE(y.lines[11].reports.has_value());
  EXPECT_FALSE(y.total_studies.has_value());
}

}  // namespace
}  // namespace ledra::activity
