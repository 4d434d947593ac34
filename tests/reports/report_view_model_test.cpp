#include "reports/report_view_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace ledra::reports {
namespace {

std::vector<int> PrintedPages(ReportViewModel& view, const PrintSetup& setup) {
  view.BeginPrint(setup, /*preview=*/false);
  std::vector<int> pages;
  for (auto p = view.NextPage(0); p && pages.size() < 100; p = view.NextPage(*p))
    pages.push_back(*p);
  view.EndPrint();
  return pages;
}

TEST(ReportViewModel, StartsOnThePanelWithLetterPages) {
  ReportViewModel view(96, 96, std::nullopt, std::nullopt);
  EXPECT_EQ(view.mode(), ViewMode::kActionPanel);
  EXPECT_EQ(view.kind(), 1);
  EXPECT_EQ(view.page_height_tenths(), 110);
  EXPECT_EQ(view.page_width_tenths(), 80);
  EXPECT_EQ(view.page_count(), 1);
  EXPECT_EQ(view.printer_dpi_x(), 300) << "no printer: 300 x 300";
  EXPECT_FALSE(view.CanPrint());
  view.ShowReport(51, 3);
  EXPECT_TRUE(view.CanPrint());
  EXPECT_EQ(view.selected_group(), 3);
  view.set_page_count(0);
  EXPECT_EQ(view.page_count(), 1);
  EXPECT_TRUE(view.Key(ViewKey::kEscape).to_panel);
  view.ShowPanel();
  EXPECT_FALSE(view.CanPrint());
}

TEST(ReportViewModel, ScrollSizesAndKeys) {
  ReportViewModel view(96, 96, 600, 600);
  view.ShowReport(50);
  view.set_page_count(3);
  const ScrollSizes s = view.ReportScrollSizes();
  EXPECT_EQ(s.total, (Size{768, 11 * 3 * 96}));
  EXPECT_EQ(s.page, (Size{192, 384}));
  EXPECT_EQ(s.line, (Size{9, 16}));
  EXPECT_EQ(view.Key(ViewKey::kPageDown).dy, 384);
  EXPECT_EQ(view.Key(ViewKey::kUp).dy, -16);
  EXPECT_EQ(view.Key(ViewKey::kRight).dx, 9);
  EXPECT_TRUE(view.Key(ViewKey::kEnd).to_end);
}

TEST(ReportViewModel, CopiesWithoutDriverSupportRepeatTheRange) {
  ReportViewModel view(96, 96, 300, 300);
  view.ShowReport(50);
  view.set_page_count(3);
  EXPECT_EQ(PrintedPages(view, {false, false, 3, 2, 3}), (std::vector<int>{2, 3, 2, 3, 2, 3}));
  EXPECT_EQ(PrintedPages(view, {false, true, 3, 1, 2}), (std::vector<int>{1, 2}))
      << "a driver that copies gets the range once";
  EXPECT_EQ(view.BeginPrint({false, false, 2, 1, 1}, false), 65535)
      << "the view decides when to stop";
  view.EndPrint();
}

TEST(ReportViewModel, A4PaperLengthensThePagesWhilePrinting) {
  ReportViewModel view(96, 96, 300, 300);
  view.ShowReport(50);
  view.BeginPrint({true, true, 1, 1, 2}, /*preview=*/true);
  EXPECT_TRUE(view.previewing());
  EXPECT_EQ(view.page_height_tenths(), 120);
  EXPECT_EQ(view.PrintBand(2, 300, 300).shift_y, 3600);
  view.EndPrint();
  EXPECT_FALSE(view.previewing());
  EXPECT_EQ(view.page_height_tenths(), 110);
  EXPECT_TRUE(view.a4_paper()) << "the paper stays known";
}

}  // namespace
}  // namespace ledra::reports
