#include "activity/statistics.h"

#include <gtest/gtest.h>

#include "activity/status_rules.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"
#include "reports/statistics_page.h"
#include "store/side_tables.h"

namespace ledra::activity {
namespace {

using store::PublisherRecord;
using store::SlotWords;

class StatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.SetToday(2025, 12, 10);  // November 2025 is the ReportMonth
    db.header().bytes[store::header::kMonthStates + 10] = 1;
  }
  PublisherRecord& Add(std::uint16_t id, std::string_view born, std::string_view baptised) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, "P");
    p.SetText(store::field::kBirdate, born);
    p.SetText(store::field::kBapdate, baptised);
    EXPECT_TRUE(db.AppendRow(p).ok());
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    return db.row(db.FindRow(id));
  }
  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

TEST_F(StatisticsTest, AgeAndBaptismBracketsCountFromToday) {
  Add(101, "12011980", "03102025");  // 45 this December; baptised this March
  Add(102, "05051950", "06011990");  // 75; 35 years baptised
  Add(103, "        ", "        ");  // no dates
  Statistics s = ComputeStatistics(db);
  EXPECT_EQ(s.age[3], 1);  // 40 - 49
  EXPECT_EQ(s.age[6], 1);  // 70 and more
  EXPECT_EQ(s.no_birth_date, 1);
  EXPECT_EQ(s.baptism[1], 1);  // under one year
  EXPECT_EQ(s.baptism[6], 1);  // 30 and more
  EXPECT_EQ(s.baptism[0], 1);  // not baptised
  // Born in December 1980: 44 in November 2025, 45 from December.
  db.SetToday(2026, 1, 5);
  EXPECT_EQ(YearsSinceDate(db, "12011980"), 45);
  db.SetToday(2025, 11, 30);
  EXPECT_EQ(YearsSinceDate(db, "12011980"), 44);
}

TEST_F(StatisticsTest, BracketBoundaries) {
  EXPECT_EQ(BaptismBracket(std::nullopt), 0);
  EXPECT_EQ(BaptismBracket(0), 1);
  EXPECT_EQ(BaptismBracket(4), 2);
  EXPECT_EQ(BaptismBracket(5), 3);
  EXPECT_EQ(BaptismBracket(19), 4);
  EXPECT_EQ(BaptismBracket(29), 5);
  EXPECT_EQ(BaptismBracket(30), 6);
  EXPECT_EQ(AgeBracket(19), 0);
  EXPECT_EQ(AgeBracket(20), 1);
  EXPECT_EQ(AgeBracket(69), 5);
  EXPECT_EQ(AgeBracket(70), 6);
}

TEST_F(StatisticsTest, AttendanceAndSixMonthAveragesAndThePage) {
  PublisherRecord& p = Add(101, "12011980", "03102025");
  p.set_pioneer_code(store::MonthSlot(10, 25), 3);  // a special pioneer in November
  // Midweek: November 4 meetings, 400; October 5 meetings, 450.
  auto& midweek = db.side.attendance[0];
  midweek.bytes[456 + 2 * store::MonthSlot(10, 25)] = 4;
  midweek.bytes[528 + 2 * store::MonthSlot(10, 25)] = 400 & 0xFF;
  midweek.bytes[529 + 2 * store::MonthSlot(10, 25)] = 400 >> 8;
  midweek.bytes[456 + 2 * store::MonthSlot(9, 25)] = 5;
  midweek.bytes[528 + 2 * store::MonthSlot(9, 25)] = 450 & 0xFF;
  midweek.bytes[529 + 2 * store::MonthSlot(9, 25)] = 450 >> 8;
  // The totals card: 10 publishers' reports with 20 studies in November.
  db.side.totals_card[store::TotalsCardIndex(10, 0, 8, 1)] = 10;
  db.side.totals_card[store::TotalsCardIndex(10, 0, 4, 1)] = 20;
  const Statistics s = ComputeStatistics(db);
  EXPECT_EQ(s.special_pioneers, 1);
  EXPECT_EQ(s.attendance[0][0], 100);
  EXPECT_EQ(s.attendance[0][1], 94);  // 850 / 9 = 94.4
  EXPECT_DOUBLE_EQ(s.six_months[0][4], 2.0);

  reports::RecordingCanvas canvas(300, 300);
  reports::ReportEnv env;
  env.printed = true;
  db.side.shared_settings[store::shared::kBirthStatistics] = 1;
  EXPECT_EQ(reports::DrawReport(canvas, env, db, reports::kStatisticsPage, 0), 1);
  const std::string trace = canvas.Trace();
  EXPECT_NE(trace.find("\"Pioneiros Especiais\""), std::string::npos);
  EXPECT_NE(trace.find("\"Menos de 1 ano\""), std::string::npos);
  EXPECT_NE(trace.find("\"Estat\xc3\xadsticas da Congrega\xc3\xa7\xc3\xa3o no final de Novembro\""),
            std::string::npos);
}

}  // namespace
}  // namespace ledra::activity
