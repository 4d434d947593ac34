#include "reports/service_year_totals.h"

#include <gtest/gtest.h>

#include "platform/prompter.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"

namespace ledra::reports {
namespace {

using store::PublisherRecord;
using store::SlotWords;

TEST(ServiceYearTotals, SeptemberCountsOneMonthAndAugustTwelve) {
  EXPECT_EQ(ServiceYearMonths(8), 1);
  EXPECT_EQ(ServiceYearMonths(11), 4);
  EXPECT_EQ(ServiceYearMonths(0), 5);
  EXPECT_EQ(ServiceYearMonths(7), 12);
}

TEST(ServiceYearTotals, QuarterHoursCarryAndTheTotalsLine) {
  store::CongregationDatabase db;
  db.SetToday(2026, 1, 10);  // December 2025: September to December
  ScriptedPrompter prompter;
  for (std::uint16_t id : {101, 102}) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, id == 101 ? "Ana" : "Rui");
    ASSERT_TRUE(db.AppendRow(p).ok());
  }
  db.CountAllLists();
  db.RebuildIndexes(prompter);
  PublisherRecord& ana = db.row(db.FindRow(101));
  // October and November 2025 (odd year: slot month * 3 + 1), and August,
  // which is of the service year before.
  ana.set_word(SlotWords::kHours, 9 * 3 + 1, 10);
  ana.set_word(SlotWords::kStudiesWord, 9 * 3 + 1, 0x0800 | 2 | (3 << 12));
  ana.set_word(SlotWords::kHours, 10 * 3 + 1, 5);
  ana.set_word(SlotWords::kStudiesWord, 10 * 3 + 1, 0x0800 | 1 | (2 << 12));
  ana.set_pioneer_code(10 * 3 + 1, 1);
  ana.set_word(SlotWords::kHours, 7 * 3 + 1, 70);

  const auto lines = ServiceYearLines(db, kServiceYearCongregation, false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].reported, 2);
  EXPECT_EQ(lines[0].studies, 3);
  EXPECT_EQ(lines[0].auxiliary, 1);
  EXPECT_EQ(lines[0].hours, 16);  // 15 and five quarters
  EXPECT_EQ(lines[1].reported, 0);

  RecordingCanvas canvas(300, 300);
  ReportEnv env;
  env.printed = true;
  ASSERT_EQ(DrawReport(canvas, env, db, kServiceYearCongregation, 0), 1);
  const std::string trace = canvas.Trace();
  EXPECT_NE(trace.find("\"Totais\""), std::string::npos);
  EXPECT_NE(trace.find("right top \"16\""), std::string::npos);
  // Rui reported nothing: his line is his name alone.
  EXPECT_EQ(trace.find("right top \"0\""), std::string::npos);
}

}  // namespace
}  // namespace ledra::reports
