#include "reports/window_placement.h"

#include <gtest/gtest.h>

namespace ledra::reports {
namespace {

const WindowRect kDesktop{0, 0, 1920, 1040};

TEST(WindowPlacement, FirstReportIsAPageWideAndAsHighAsTheDesktopAllows) {
  const WindowPlacement p = ReportPlacement({kDesktop, 96, 96, std::nullopt});
  EXPECT_EQ(p.rect.width, 796) << "8.3 x 96";
  EXPECT_EQ(p.rect.height, 1040 - 12);
  EXPECT_EQ(p.rect.x, (1920 - 796) / 2) << "centred at the top";
  EXPECT_EQ(p.rect.y, 0);
  EXPECT_TRUE(p.maximize_box);
}

TEST(WindowPlacement, NarrowDesktopKeepsItsWholeWidth) {
  // 8.5 x 96 = 816: a desktop of that width is not wider.
  const WindowPlacement p = ReportPlacement({{0, 0, 816, 600}, 96, 96, std::nullopt});
  EXPECT_EQ(p.rect.width, 816);
  EXPECT_EQ(p.rect.x, 0);
  const WindowPlacement wider = ReportPlacement({{0, 0, 817, 600}, 96, 96, std::nullopt});
  EXPECT_EQ(wider.rect.width, 796);
}

TEST(WindowPlacement, LastReportPositionIsKeptWhileOnScreen) {
  const WindowRect last{300, 40, 700, 900};
  const WindowPlacement p = ReportPlacement({kDesktop, 96, 96, last});
  EXPECT_EQ(p.rect, last);
}

TEST(WindowPlacement, ReportHeightIsLimitedToTheWorkArea) {
  const WindowPlacement p = ReportPlacement({kDesktop, 96, 96, WindowRect{10, 0, 700, 2000}});
  EXPECT_EQ(p.rect.height, 1040);
  EXPECT_EQ(p.rect.x, 10);
}

TEST(WindowPlacement, OffScreenPositionsAreCentredAtTheTop) {
  // 9/10 of 1920 is 1728, 4/5 of 1040 is 832.
  EXPECT_FALSE(OffScreen(kDesktop, {1728, 0}, 700));
  EXPECT_TRUE(OffScreen(kDesktop, {1729, 0}, 700));
  EXPECT_FALSE(OffScreen(kDesktop, {0, 832}, 700));
  EXPECT_TRUE(OffScreen(kDesktop, {0, 833}, 700));
  EXPECT_FALSE(OffScreen(kDesktop, {0, -20}, 700));
  EXPECT_TRUE(OffScreen(kDesktop, {0, -21}, 700));
  EXPECT_FALSE(OffScreen(kDesktop, {-508, 0}, 700)) << "192 pixels still show";
  EXPECT_TRUE(OffScreen(kDesktop, {-509, 0}, 700)) << "a screen unplugged on the left";

  const WindowPlacement p = ReportPlacement({kDesktop, 96, 96, WindowRect{1800, 50, 700, 900}});
  EXPECT_EQ(p.rect, (WindowRect{610, 0, 700, 900}));
}

TEST(WindowPlacement, RulesAreRelativeToTheWorkArea) {
  // A work area below a top panel, on a second screen.
  const WindowRect desk{1920, 30, 1280, 994};
  EXPECT_FALSE(OffScreen(desk, {1920 + 1152, 30}, 600));
  EXPECT_TRUE(OffScreen(desk, {1920 + 1153, 30}, 600));
  EXPECT_TRUE(OffScreen(desk, {1920, 9}, 600));
  const WindowPlacement p = ReportPlacement({desk, 96, 96, std::nullopt});
  EXPECT_EQ(p.rect, (WindowRect{1920 + (1280 - 796) / 2, 30, 796, 994 - 12}));
}

TEST(WindowPlacement, PanelIsSizedToItsContentAndLosesTheMaximiseBox) {
  const PanelSizeInput in{kDesktop, 500, 400, 16, 60, std::nullopt};
  const WindowPlacement p = PanelPlacement(in);
  EXPECT_EQ(p.rect.width, 500 + 16 + 11);
  EXPECT_EQ(p.rect.height, 400 + 60 + 11);
  EXPECT_EQ(p.rect.x, (1920 - 527) / 2);
  EXPECT_EQ(p.rect.y, (1040 - 471) / 2);
  EXPECT_FALSE(p.maximize_box);

  PanelSizeInput again = in;
  again.last = Point{100, 200};
  EXPECT_EQ(PanelPlacement(again).rect, (WindowRect{100, 200, 527, 471}));
  again.last = Point{100, 5000};
  EXPECT_EQ(PanelPlacement(again).rect.y, (1040 - 471) / 2) << "a lost panel comes back";
}

TEST(WindowPlacement, HigherResolutionScreens) {
  const WindowPlacement p = ReportPlacement({{0, 0, 3840, 2100}, 192, 192, std::nullopt});
  EXPECT_EQ(p.rect.width, 1593) << "8.3 x 192, truncated";
  EXPECT_EQ(p.rect.height, 2100 - 24);
}

}  // namespace
}  // namespace ledra::reports
