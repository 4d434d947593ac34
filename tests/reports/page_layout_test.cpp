#include "reports/page_layout.h"

#include <gtest/gtest.h>

#include "reports/recording_canvas.h"
#include "reports/report_frame.h"

namespace ledra::reports {
namespace {

TEST(PageLayout, GridGrowsTheLineAndLinesPerPageFollow) {
  EXPECT_EQ(LineHeight({20, 0, 8}, false), 20);
  EXPECT_EQ(LineHeight({20, 0, 8}, true), 21);
  EXPECT_EQ(LineHeight({17, 3, 8}, true), 21) << "the leading counts before the growth";
  EXPECT_EQ(LinesPerPage(300, 20), 135);
  EXPECT_EQ(LinesPerPage(300, 21), 128);
  EXPECT_EQ(LinesPerPage(96, 0), 1) << "no division by a zero line height";
}

TEST(PageLayout, PageCountAndEmptyReports) {
  EXPECT_EQ(PageCount(0, 1, 40), 1);
  EXPECT_EQ(PageCount(39, 1, 40), 1);
  EXPECT_EQ(PageCount(40, 1, 40), 1) << "a full page needs no page of headings after it";
  EXPECT_EQ(PageCount(41, 1, 40), 2);
  EXPECT_EQ(PageCount(80, 2, 40), 1);
  EXPECT_EQ(PageCount(81, 2, 40), 2);
  EXPECT_EQ(PageCount(100, 2, 40), 2);
  EXPECT_EQ(PageCount(5, 0, 0), 5) << "degenerate columns and lines do not divide by zero";
}

TEST(PageLayout, MarginsAndPageTops) {
  EXPECT_EQ(TopMargin(50, 300), 150);
  EXPECT_EQ(TopMargin(0, 96), 0);
  EXPECT_EQ(PageTop(110, 0, 300, 150), 75 + 150);
  EXPECT_EQ(PageTop(110, 1, 300, 150), 3300 + 75 + 150);
  EXPECT_EQ(PageTop(120, 1, 300, 150), 3600 + 75 + 150);
}

TEST(PageLayout, ScreenWorksAtElevenTwelfths) {
  EXPECT_EQ(WorkingDpiX(96, true), 88);
  EXPECT_EQ(WorkingDpiX(300, false), 300);
  ReportEnv env;
  RecordingCanvas screen(96, 96);
  ReportFrame on_screen(screen, env);
  EXPECT_TRUE(on_screen.screen());
  EXPECT_EQ(on_screen.dpi_x(), 88);
  EXPECT_EQ(on_screen.ListFrame().left_margin, 44);
  RecordingCanvas printer(300, 300);
  ReportFrame on_paper(printer, env);
  EXPECT_FALSE(on_paper.screen());
  EXPECT_EQ(on_paper.ListFrame().left_margin, 150);
}

TEST(PageLayout, PrintedPagesShowTheirBandOfTheStrip) {
  const Band letter = PageBand(2, 300, 300, 80, 110);
  EXPECT_EQ(letter.clip, (Rect{0, 3300, 2400, 6600}));
  EXPECT_EQ(letter.shift_y, 3300);
  const Band a4 = PageBand(2, 300, 300, 80, 120);
  EXPECT_EQ(a4.shift_y, 3600) << "A4's second page starts 12 inches down";
  EXPECT_EQ(PageBand(1, 300, 300, 80, 110).shift_y, 0);
}

TEST(ReportFrame, FontsAreScaledToThePrinterOnly) {
  ReportEnv env;
  env.printer_dpi_x = env.printer_dpi_y = 600;
  RecordingCanvas printer(600, 600);
  ReportFrame paper(printer, env);
  paper.Use(FontRole::kTitle);
  EXPECT_EQ(printer.lines().back(), "font -118 0 700 0 0 34 \"Arial\" 0");
  RecordingCanvas screen(96, 96);
  ReportFrame view(screen, env);
  view.Use(FontRole::kTitle);
  EXPECT_EQ(screen.lines().back(), "font -19 0 700 0 0 34 \"Arial\" 0");
}

TEST(ReportFrame, HeaderBlockWithDateStampOnPrintedPagesOnly) {
  ReportEnv env;
  env.options.datestamp = true;
  env.options.cong_name = "Norte";
  env.today = {2026, 3, 9};
  RecordingCanvas canvas(300, 300);
  {
    ReportFrame frame(canvas, env);
    const PageFrame pf = frame.ListFrame();
    frame.DrawHeader(pf, 0, frame.Title("Lista"), "");
  }
  std::string trace = canvas.Trace();
  EXPECT_NE(trace.find("text 150 225 left bottom \"Lista - Norte\""), std::string::npos) << trace;
  EXPECT_NE(trace.find("\"     ( Confidencial - Não Faça Cópia )\""), std::string::npos);
  EXPECT_EQ(trace.find("Printed"), std::string::npos) << "the screen's drawing has no date";

  env.printed = true;
  RecordingCanvas printed(300, 300);
  ReportFrame frame(printed, env);
  frame.DrawHeader(frame.ListFrame(), 1, "T", "Sub");
  trace = printed.Trace();
  // 7.5 inches from the page's edge, a fifth of an inch above the page top.
  EXPECT_NE(trace.find("text 2250 3465 right top \"Printed 9 Março 2026\""), std::string::npos)
      << trace;
  EXPECT_NE(trace.find("font -31 0 400 0 0 18 \"Times New Roman\" 0"), std::string::npos);
  EXPECT_NE(trace.find("\"Sub\""), std::string::npos);
}

}  // namespace
}  // namespace ledra::reports
