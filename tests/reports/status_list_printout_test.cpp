#include "reports/status_list_printout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "reports/recording_canvas.h"

namespace ledra::reports {
namespace {

FontSpec Font(int height, std::string face) {
  FontSpec f;
  f.height = height;
  f.face = std::move(face);
  return f;
}

// Printer at 300 dpi, screen at 100 so that every font height triples.
ReportEnv Env(int text_height = -10) {
  ReportEnv env;
  env.screen_dpi_x = env.screen_dpi_y = 100;
  env.printer_dpi_x = env.printer_dpi_y = 300;
  env.printed = true;
  env.options.datestamp = true;
  env.options.top_margin = 50;
  env.today = {2026, 6, 8};
  (void)env.fonts.Set(FontRole::kText, Font(text_height, "Arial"));
  (void)env.fonts.Set(FontRole::kTitle, Font(-20, "Title"));
  (void)env.fonts.Set(FontRole::kSubtitle, Font(-14, "Sub"));
  (void)env.fonts.Set(FontRole::kHeading, Font(-12, "Head"));
  return env;
}

StatusListDocument Doc(int kind, int entries) {
  StatusListDocument d;
  d.list_kind = kind;
  d.title = "Irregulares";
  d.subtitle = "Grupo 2";
  d.headings = {"Nome", "Meses", "Telefone"};
  for (int i = 0; i < entries; ++i) d.entries.push_back({"P" + std::to_string(i), "3", "555"});
  return d;
}

int Count(const RecordingCanvas& c, const std::string& line) {
  return static_cast<int>(std::count(c.lines().begin(), c.lines().end(), line));
}

bool Has(const RecordingCanvas& c, const std::string& line) {
  return Count(c, line) > 0;
}

TEST(StatusListPrintout, GeometryFollowsThePrinterAndTheTextFont) {
  const ReportEnv small = Env(-10);  // 30 px on paper, 35 high: dpiY / 6 wins
  RecordingCanvas canvas(300, 300);
  ReportFrame frame(canvas, small);
  const StatusListGeometry g = StatusListLayout(frame);
  EXPECT_EQ(g.top_margin, 150);
  EXPECT_EQ(g.line_height, 50);
  EXPECT_EQ(g.lines_per_page, 54);
  EXPECT_EQ(g.columns, (std::array<int, 3>{300, 1200, 1800}));
  EXPECT_EQ(g.datestamp_right, 2100);
  EXPECT_EQ(g.LineTop(6), 450);
  EXPECT_EQ(g.EntriesPerPage(), 49);

  const ReportEnv big = Env(-20);  // 60 px on paper, 69 high
  RecordingCanvas canvas2(300, 300);
  ReportFrame frame2(canvas2, big);
  const StatusListGeometry g2 = StatusListLayout(frame2);
  EXPECT_EQ(g2.line_height, 69) << "the text height without leading when above dpiY / 6";
  EXPECT_EQ(g2.lines_per_page, 2700 / 69);
}

TEST(StatusListPrintout, GoldenTraceOfOnePage) {
  RecordingCanvas canvas(300, 300);
  StatusListDocument doc = Doc(4, 2);
  doc.entries[1][2].clear();  // an empty text draws nothing
  EXPECT_EQ(DrawStatusList(canvas, Env(), doc), 1);
  const std::string expected =
      "page-start\n"
      "font -60 0 400 0 0 34 \"Title\" 0\n"
      "text 300 150 left top \"Irregulares\"\n"
      "font -30 0 400 0 0 34 \"Arial\" 0\n"
      "text 2100 150 right top \"Printed 8 Junho 2026\"\n"
      "font -42 0 400 0 0 34 \"Sub\" 0\n"
      "text 300 250 left top \"Grupo 2\"\n"
      "font -36 0 400 0 0 34 \"Head\" 0\n"
      "text 300 350 left top \"Nome\"\n"
      "text 1200 350 left top \"Meses\"\n"
      "text 1800 350 left top \"Telefone\"\n"
      "font -30 0 400 0 0 34 \"Arial\" 0\n"
      "text 300 450 left top \"P0\"\n"
      "text 1200 450 left top \"3\"\n"
      "text 1800 450 left top \"555\"\n"
      "text 300 500 left top \"P1\"\n"
      "text 1200 500 left top \"3\"\n"
      "page-end\n";
  // The first font line is the measurement of the text font.
  std::string trace = canvas.Trace();
  const std::string measured = "font -30 0 400 0 0 34 \"Arial\" 0\n";
  ASSERT_EQ(trace.rfind(measured, 0), 0u);
  EXPECT_EQ(trace.substr(measured.size()), expected);
}

TEST(StatusListPrintout, ThirdHeadingOnlyForListKindFour) {
  RecordingCanvas canvas(300, 300);
  DrawStatusList(canvas, Env(), Doc(3, 1));
  EXPECT_FALSE(Has(canvas, "text 1800 350 left top \"Telefone\""));
  EXPECT_TRUE(Has(canvas, "text 1800 450 left top \"555\"")) << "entries keep their third text";
}

TEST(StatusListPrintout, NewPageWithTheSameHeaderPastTheLastLine) {
  // 54 lines a page: entries on lines 6 .. 54, 49 of them.
  RecordingCanvas one(300, 300);
  EXPECT_EQ(DrawStatusList(one, Env(), Doc(1, 49)), 1);
  EXPECT_EQ(Count(one, "page-start"), 1);
  EXPECT_TRUE(Has(one, "text 300 2850 left top \"P48\"")) << "line 54 is still on the page";

  RecordingCanvas two(300, 300);
  EXPECT_EQ(DrawStatusList(two, Env(), Doc(1, 50)), 2);
  EXPECT_EQ(Count(two, "page-start"), 2);
  EXPECT_EQ(Count(two, "page-end"), 2);
  EXPECT_EQ(Count(two, "text 300 150 left top \"Irregulares\""), 2);
  EXPECT_EQ(Count(two, "text 300 350 left top \"Nome\""), 2);
  EXPECT_EQ(Count(two, "text 300 450 left top \"P0\""), 1);
  EXPECT_TRUE(Has(two, "text 300 450 left top \"P49\"")) << "page 2 starts at line 6 again";
  EXPECT_EQ(StatusListPageCount(StatusListGeometry{150, 50, 54}, 50), 2);
  EXPECT_EQ(StatusListPageCount(StatusListGeometry{150, 50, 54}, 98), 2);
  EXPECT_EQ(StatusListPageCount(StatusListGeometry{150, 50, 54}, 99), 3);
}

TEST(StatusListPrintout, EmptyListPrintsOnePageWithItsHeader) {
  RecordingCanvas canvas(300, 300);
  EXPECT_EQ(DrawStatusList(canvas, Env(), Doc(1, 0)), 1);
  EXPECT_EQ(canvas.lines().front(), "font -30 0 400 0 0 34 \"Arial\" 0");
  EXPECT_TRUE(Has(canvas, "text 300 150 left top \"Irregulares\""));
  EXPECT_EQ(canvas.lines().back(), "page-end");
  EXPECT_EQ(StatusListPageCount(StatusListGeometry{}, 0), 1);
}

TEST(StatusListPrintout, HugeFontStillMovesOnOneEntryAPage) {
  // 300 px characters: 345 high, seven lines a page, so line 6 is the last one.
  RecordingCanvas canvas(300, 300);
  EXPECT_EQ(DrawStatusList(canvas, Env(-100), Doc(1, 3)), 2);
  RecordingCanvas giant(300, 300);
  EXPECT_EQ(DrawStatusList(giant, Env(-400), Doc(1, 3)), 3) << "no page would hold line 6";
}

TEST(StatusListPrintout, CollectionFormHasTheMonthBlank) {
  const StatusListDocument doc = Doc(kCollectionFormList, 1);
  EXPECT_EQ(StatusListTitle(doc), "Irregulares  -  M\xeas: ____________________");
  EXPECT_EQ(StatusListTitle(Doc(1, 1)), "Irregulares");
}

TEST(StatusListPrintout, DateStampOnlyWhenTheOptionIsOn) {
  ReportEnv env = Env();
  env.options.datestamp = false;
  RecordingCanvas canvas(300, 300);
  DrawStatusList(canvas, env, Doc(1, 1));
  for (const auto& line : canvas.lines()) EXPECT_EQ(line.find("Printed"), std::string::npos);
}

TEST(StatusListPrintout, TheDialogsLinesFallIntoTheThreeColumns) {
  activity::StatusListPage page;
  page.caption = "Irregulares ( 2 )";
  page.heading = "Grupo 1";
  page.lines = {{101, 1, "Silva, Ana\tJul\tAgo\tSet"}, {102, 2, "Lima, Rui\tAgo"}};
  StatusListDocument doc = StatusListDocumentOf(page, activity::StatusListKind::kIrregular);
  EXPECT_EQ(doc.title, "Irregulares ( 2 )");
  EXPECT_EQ(doc.subtitle, "Grupo 1");
  EXPECT_EQ(doc.headings[0], "Nome");
  ASSERT_EQ(doc.entries.size(), 2u);
  // Every missing month stays under the one heading of the months.
  EXPECT_EQ(doc.entries[0], (std::array<std::string, 3>{"Silva, Ana", "Jul  Ago  Set", ""}));

  page.lines = {{101, 1, "Silva, Ana  (1)\t\t91 222"},
                {102, 2, "Lima, Rui  (2)\t555\t91 3\textra"}};
  doc = StatusListDocumentOf(page, activity::StatusListKind::kNotReported);
  EXPECT_EQ(doc.entries[0], (std::array<std::string, 3>{"Silva, Ana  (1)", "", "91 222"}));
  EXPECT_EQ(doc.entries[1], (std::array<std::string, 3>{"Lima, Rui  (2)", "555", "91 3  extra"}));
  EXPECT_EQ(doc.list_kind, 0);
}

}  // namespace
}  // namespace ledra::reports
