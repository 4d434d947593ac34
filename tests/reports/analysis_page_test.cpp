#include "reports/analysis_page.h"

#include <gtest/gtest.h>

#include <sstream>

#include "activity/late_entry_list.h"
#include "platform/prompter.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"

namespace ledra::reports {
namespace {

using store::PublisherRecord;
using store::SlotWords;

constexpr int kMarch = 6;  // slot of March 2026

// March 2026 open, `people` publishers in two groups, each with a report.
store::CongregationDatabase Congregation(int people) {
  store::CongregationDatabase db;
  db.SetToday(2026, 4, 10);
  db.header().bytes[store::header::kMonthStates + 2] = 1;
  for (int i = 0; i < people; ++i) {
    PublisherRecord p;
    p.set_id(static_cast<std::uint16_t>(101 + i));
    p.SetText(store::field::kFname, "Ana");
    p.SetText(store::field::kLname, "Nome" + std::to_string(1000 + i));
    p.SetText(store::field::kBapdate, "05101990");
    p.set_group(static_cast<std::uint8_t>(1 + i % 2));
    p.set_pioneer_code(kMarch, i % 5 == 0 ? 2 : 0);
    p.set_word(SlotWords::kHours, kMarch, i % 5 == 0 ? 50 : 0);
    p.set_word(SlotWords::kStudiesWord, kMarch, 0x0800 | (i % 3));
    EXPECT_TRUE(db.AppendRow(p).ok());
  }
  db.CountAllLists();
  ScriptedPrompter prompter;
  db.RebuildIndexes(prompter);
  db.side.groups.set_count(2);
  return db;
}

ReportEnv Env(int dpi) {
  ReportEnv env;
  env.printed = dpi != env.screen_dpi_x;
  env.printer_dpi_x = env.printer_dpi_y = dpi == 96 ? 300 : dpi;
  env.today = {2026, 4, 10};
  return env;
}

struct Drawn {
  int pages = 0;
  RecordingCanvas canvas;
};

Drawn Draw(const store::CongregationDatabase& db, int kind, int dpi, int group = 0) {
  RecordingCanvas canvas(dpi, dpi);
  const int pages = DrawReport(canvas, Env(dpi), db, kind, group).value_or(0);
  return {pages, std::move(canvas)};
}

bool Has(const RecordingCanvas& c, std::string_view text) {
  for (const auto& l : c.lines())
    if (l.find(text) != std::string::npos) return true;
  return false;
}

// The y of every text, to check that each falls on a page.
std::vector<int> TextTops(const RecordingCanvas& c) {
  std::vector<int> tops;
  for (const auto& l : c.lines()) {
    if (!l.starts_with("text ")) continue;
    std::istringstream in(l.substr(5));
    int x = 0, y = 0;
    in >> x >> y;
    tops.push_back(y);
  }
  return tops;
}

TEST(AnalysisPage, EveryKindIsBuiltWithItsCommands) {
  for (int kind : {1, 2, 3, 4, 110}) EXPECT_NE(FindReportKind(kind), nullptr) << kind;
  EXPECT_EQ(FindReportCommand(32891)->kind, 1);
  EXPECT_EQ(FindReportCommand(32779)->kind, 1);
  EXPECT_EQ(FindReportCommand(32892)->kind, 110);
  EXPECT_TRUE(FindReportKind(2)->per_group);
}

TEST(AnalysisPage, ALongCongregationPagesAlikeOnEveryTargetAndStaysOnItsPages) {
  const auto db = Congregation(150);
  const Drawn printed = Draw(db, kAnalysisCongregation, 300);
  EXPECT_GE(printed.pages, 3);
  for (int dpi : {96, 600, 1200})
    EXPECT_EQ(Draw(db, kAnalysisCongregation, dpi).pages, printed.pages) << dpi;
  // Every text lies within the eleven inches of its page.
  const int page = 11 * 300;
  for (int y : TextTops(printed.canvas)) {
    const int within = y % page;
    EXPECT_GT(within, 0);
    EXPECT_LT(within + 300 / 6, page - 300 / 4) << y;
  }
}

TEST(AnalysisPage, SummaryAndAttendanceAreOnePage) {
  const auto db = Congregation(150);
  EXPECT_EQ(Draw(db, kAnalysisSummary, 300).pages, 1);
  EXPECT_EQ(Draw(db, kAnalysisAttendance, 300).pages, 1);
  const Drawn d = Draw(db, kAnalysisAttendance, 300);
  EXPECT_TRUE(Has(d.canvas, "\"6-Meses\""));
  EXPECT_FALSE(Has(d.canvas, "Nome1000"));
  EXPECT_TRUE(Has(d.canvas, "\"Total Publicadores\""));
  EXPECT_TRUE(Has(d.canvas, "\"150\""));
}

TEST(AnalysisPage, ALateReportLineAndTheBranchReportBlock) {
  auto db = Congregation(3);
  PublisherRecord& p = db.row(db.FindRow(101));
  p.set_pioneer_code(0, 2);  // January 2026
  p.set_word(SlotWords::kHours, 0, 40);
  p.set_word(SlotWords::kStudiesWord, 0, 0x0800);
  activity::QueueLateReport(db, 101, 0);
  const Drawn d = Draw(db, kAnalysisAlphabetical, 300);
  EXPECT_TRUE(Has(d.canvas, "\"*  Janeiro (\""));
  EXPECT_TRUE(Has(d.canvas, "\"  40\""));
  EXPECT_TRUE(
      Has(d.canvas, "\"Relat\xc3\xb3rio de Mar\xc3\xa7o para a Filial - 3 Publicadores Ativos\""));
  // The regular pioneer's late January report counts in this month's "PReg" row.
  EXPECT_TRUE(Has(d.canvas, "\"    90\""));
}

TEST(AnalysisPage, EveryGroupInOneGoStartsEachGroupOnItsOwnPage) {
  const auto db = Congregation(10);
  const Drawn one = Draw(db, kAnalysisGroup, 300, 1);
  const Drawn all = Draw(db, kAnalysisGroup, 300, 0);
  EXPECT_EQ(one.pages, 1);
  EXPECT_EQ(all.pages, 2);
  EXPECT_TRUE(Has(all.canvas, "Relat\xc3\xb3rio para o Grupo # 2"));
}

}  // namespace
}  // namespace ledra::reports
