#include "reports/window_placement.h"

#include <gtest/gtest.h>

namespace ledra::reports {
namespace {

const WindowRect kDesktop{0, 0, 1920, 1040};

TEST(WindowPlacement, FirstStartIsANormalWindowCentredOnTheWorkArea) {
  EXPECT_EQ(MainWindowPlacement(kDesktop, std::nullopt),
            (WindowRect{(1920 - 1000) / 2, (1040 - 700) / 2, 1000, 700}));
  // A work area below a top panel, on a second screen.
  const WindowRect second{1920, 30, 1280, 994};
  EXPECT_EQ(MainWindowPlacement(second, std::nullopt),
            (WindowRect{1920 + 140, 30 + 147, 1000, 700}));
  // A small netbook screen: the whole work area, never more.
  EXPECT_EQ(MainWindowPlacement({0, 0, 1024, 576}, std::nullopt), (WindowRect{12, 0, 1000, 576}));
}

TEST(WindowPlacement, TheLastPlaceIsKeptWhileItIsWithinReach) {
  const WindowRect last{300, 40, 1200, 900};
  EXPECT_EQ(MainWindowPlacement(kDesktop, last), last);
  // Taller than the work area now: shrunk, left where it was.
  EXPECT_EQ(MainWindowPlacement(kDesktop, WindowRect{10, 0, 700, 2000}),
            (WindowRect{10, 0, 700, 1040}));
}

TEST(WindowPlacement, APlaceOutOfReachComesBackToTheMiddle) {
  // 9/10 of 1920 is 1728, 4/5 of 1040 is 832.
  EXPECT_FALSE(OffScreen(kDesktop, {1728, 0}, 700));
  EXPECT_TRUE(OffScreen(kDesktop, {1729, 0}, 700));
  EXPECT_FALSE(OffScreen(kDesktop, {0, 832}, 700));
  EXPECT_TRUE(OffScreen(kDesktop, {0, 833}, 700));
  EXPECT_FALSE(OffScreen(kDesktop, {0, -20}, 700));
  EXPECT_TRUE(OffScreen(kDesktop, {0, -21}, 700));
  EXPECT_FALSE(OffScreen(kDesktop, {-508, 0}, 700)) << "192 pixels still show";
  EXPECT_TRUE(OffScreen(kDesktop, {-509, 0}, 700)) << "a screen unplugged on the left";

  // The second screen is gone: the window comes back to the first, same size.
  EXPECT_EQ(MainWindowPlacement(kDesktop, WindowRect{2200, 50, 1000, 700}),
            (WindowRect{460, 170, 1000, 700}));
}

TEST(WindowPlacement, TheSettingsTextRoundTripsAndRefusesNonsense) {
  const WindowRect r{-8, 30, 1000, 700};
  EXPECT_EQ(WindowRectText(r), "-8,30,1000,700");
  EXPECT_EQ(ParseWindowRect(WindowRectText(r)), r);
  for (const char* bad : {"", "1,2,3", "1,2,300,400,5", "a,2,300,400", "1,2,300,99", "1,2,0,0",
                          "1, 2,300,400", "1,2,300,400 "})
    EXPECT_EQ(ParseWindowRect(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace ledra::reports
