#include <gtest/gtest.h>

#include "activity/month_calendar.h"
#include "activity/pioneer_year.h"
#include "reports/pioneer_hours_report.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"
#include "support/temp_folder.h"

namespace ledra::activity {
namespace {

using store::PublisherRecord;
using store::SlotWords;

class PioneerYearTest : public ::testing::Test {
 protected:
  // A regular pioneer from `from` up to the ReportMonth of `today`, with
  // `hours` and `credit` every month.
  void Pioneer(Date today, CalendarMonth from, int hours, int credit) {
    clock.Set(today);
    doc.Open({});
    PublisherRecord p;
    p.set_id(103);
    p.SetText(store::field::kFname, "Eva");
    const int report = doc.db().month().counter;
    for (int c = from.counter(); c <= report; ++c) {
      const CalendarMonth m = CalendarMonth::FromCounter(c);
      p.set_pioneer_code(m.slot(), 2);
      p.set_word(SlotWords::kHours, m.slot(), static_cast<std::uint16_t>(hours));
      p.set_word(SlotWords::kPioCredit, m.slot(), static_cast<std::uint16_t>(credit));
    }
    ASSERT_TRUE(doc.db().AppendRow(p).ok());
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
  }
  PioneerYear Year(bool previous = false) {
    return ComputePioneerYear(doc, doc.db().FindRow(103), previous);
  }
  TempFolder folder;
  FixedClock clock{Date{2026, 1, 1}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(PioneerYearTest, TheRequirementChangedWithTheServiceYearEndingIn2023) {
  Pioneer(Date{2023, 4, 10}, CalendarMonth{8, 21}, 50, 0);  // March 2023, all year
  PioneerYear y = Year();
  EXPECT_EQ(y.requirement, 50);
  EXPECT_EQ(y.months_commitment, 12);
  EXPECT_EQ(y.months_elapsed, 7);
  EXPECT_EQ(y.months_left, 5);
  EXPECT_EQ(y.total, 7 * 50);
  EXPECT_EQ(y.remaining, 600 - 350);
  EXPECT_EQ(y.lines[0], "");  // since September: nothing to say
  EXPECT_EQ(y.lines[1], "Total de Horas Restantes ( Abr - Ago ) = 250");
  EXPECT_EQ(y.lines[2],
            "M\xE9"
            "dia de Horas Restantes por M\xEAs ( Abr - Ago ) = 50.0");
}

TEST_F(PioneerYearTest, SeventyHoursBefore) {
  Pioneer(Date{2022, 4, 10}, CalendarMonth{8, 21}, 70, 0);
  EXPECT_EQ(Year().requirement, 70);
  EXPECT_EQ(Year().remaining, 12 * 70 - 7 * 70);
}

TEST_F(PioneerYearTest, ANovemberStartNeedsTenMonths) {
  Pioneer(Date{2026, 4, 10}, CalendarMonth{10, 25}, 40, 5);  // since November 2025
  const PioneerYear y = Year();
  EXPECT_EQ(y.start_month, 10);
  EXPECT_EQ(y.months_commitment, 10);
  EXPECT_EQ(y.months_elapsed, 5);
  EXPECT_EQ(y.total, 5 * 45);
  EXPECT_EQ(y.remaining, 500 - 225);
  EXPECT_EQ(y.lines[0], "Pioneiro desde Novembro");
  // The table shows November to March, and nothing for September and October.
  EXPECT_FALSE(y.table[0].shown);
  EXPECT_TRUE(y.table[2].shown);
  EXPECT_EQ(y.table[2].year, 2025);
  EXPECT_EQ(y.table[4].year, 2026);  // January
  EXPECT_FALSE(y.table[7].shown);    // April: after the ReportMonth
  EXPECT_EQ(y.sum_hours, 200);
  EXPECT_DOUBLE_EQ(*y.average_total, 45.0);
}

TEST_F(PioneerYearTest, AheadOfTheYearLeavesNothing) {
  Pioneer(Date{2026, 4, 10}, CalendarMonth{8, 25}, 90, 0);
  const PioneerYear y = Year();
  EXPECT_EQ(y.remaining, 0);
  EXPECT_DOUBLE_EQ(*y.per_month, 0.0);
}

TEST_F(PioneerYearTest, AugustHasNoRemainingLines) {
  Pioneer(Date{2026, 9, 3}, CalendarMonth{8, 25}, 50, 0);  // August 2026
  const PioneerYear y = Year();
  EXPECT_EQ(y.months_left, 0);
  EXPECT_FALSE(y.per_month.has_value());
  for (const std::string& line : y.lines) EXPECT_EQ(line, "");
}

TEST_F(PioneerYearTest, ThePreviousServiceYearDividesByItsPioneerMonths) {
  Pioneer(Date{2026, 11, 3}, CalendarMonth{2, 26}, 60, 0);  // since March 2026; October
  const PioneerYear y = Year(/*previous=*/true);
  EXPECT_EQ(y.lines[2], "Ano de Servi\xE7o em Curso : 2026");
  EXPECT_EQ(y.table[0].year, 2025);
  EXPECT_EQ(y.sum_hours, 6 * 60);  // March to August
  EXPECT_DOUBLE_EQ(*y.average_hours, 60.0);
}

TEST_F(PioneerYearTest, TheHoursReportMarksALateStartAndLeavesOutAugustsMonthlyColumn) {
  Pioneer(Date{2026, 4, 10}, CalendarMonth{10, 25}, 60, 5);  // since November 2025
  std::vector<reports::PioneerHoursLine> lines = reports::PioneerHoursLines(doc.db(), false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].name, doc.db().DisplayName(doc.db().FindRow(103), false) + " *");
  EXPECT_TRUE(lines[0].late_start);
  EXPECT_EQ(lines[0].hours, 5 * 60);  // November to March
  EXPECT_EQ(lines[0].credit, 5 * 5);
  EXPECT_DOUBLE_EQ(lines[0].average, 65.0);
  EXPECT_EQ(lines[0].remaining, 10 * 50 - 325);
  EXPECT_DOUBLE_EQ(lines[0].per_month, 175.0 / 5);

  reports::RecordingCanvas canvas(300, 300);
  reports::ReportEnv env;
  env.printed = true;
  ASSERT_EQ(reports::DrawReport(canvas, env, doc.db(), reports::kPioneerHoursReport, 0), 1);
  const std::string trace = canvas.Trace();
  EXPECT_NE(trace.find("\" * Iniciou como pioneiro(a) em Outubro ou em meses seguintes.\""),
            std::string::npos);
  EXPECT_NE(trace.find("\"por M\xc3\xaas\""), std::string::npos);
}

TEST_F(PioneerYearTest, MoreThanRequiredLeavesNothingAndAugustHasNoMonthlyColumn) {
  Pioneer(Date{2026, 9, 10}, CalendarMonth{8, 25}, 90, 0);  // August 2026, all year
  const auto lines = reports::PioneerHoursLines(doc.db(), false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].name, doc.db().DisplayName(doc.db().FindRow(103), false));
  EXPECT_EQ(lines[0].remaining, 0);
  EXPECT_DOUBLE_EQ(lines[0].per_month, 0.0);
  reports::RecordingCanvas canvas(300, 300);
  reports::ReportEnv env;
  (void)reports::DrawReport(canvas, env, doc.db(), reports::kPioneerHoursReport, 0);
  EXPECT_EQ(canvas.Trace().find("\"por M\xc3\xaas\""), std::string::npos);
}

}  // namespace
}  // namespace ledra::activity
