#include "reports/report_fonts.h"

#include <gtest/gtest.h>

namespace ledra::reports {
namespace {

TEST(ReportFonts, DefaultsByResolutionAndLanguage) {
  const FontSpec title = DefaultFont(FontRole::kTitle, true, "ptg");
  EXPECT_EQ(title.height, -19);
  EXPECT_EQ(title.weight, 700);
  EXPECT_EQ(title.face, "Arial");
  EXPECT_EQ(title.pitch_and_family, 34);
  const FontSpec small = DefaultFont(FontRole::kSmall, false, "ptg");
  EXPECT_EQ(small.face, "Roman 12cpi");
  EXPECT_EQ(small.pitch_and_family, 49);
  EXPECT_EQ(DefaultFont(FontRole::kText, false, "ptg").face, "Roman 10cpi");
  EXPECT_EQ(DefaultCharSet("rus"), 204);
  EXPECT_EQ(DefaultCharSet("hun"), 238);
  EXPECT_EQ(DefaultCharSet("ptg"), 0);
  EXPECT_EQ(DefaultFont(FontRole::kText, true, "tha").face, "System");
  EXPECT_TRUE(IsHighResolution(300));
  EXPECT_FALSE(IsHighResolution(240));
}

TEST(ReportFonts, SettingsKeepOnlyWhatChangedAndZeroHeightsKeepDefaults) {
  auto ini = platform::IniFile::Parse(
      "[Title Font]\r\nHeight=-25\r\nWeight=400\r\nFaceName=Calibri\r\n"
      "[Font]\r\nHeight=0\r\nFaceName=Courier\r\n");
  ReportFonts fonts(true, "ptg");
  fonts.Read(ini);
  EXPECT_EQ(fonts.font(FontRole::kTitle).height, -25);
  EXPECT_EQ(fonts.font(FontRole::kTitle).face, "Calibri");
  EXPECT_EQ(fonts.font(FontRole::kText), DefaultFont(FontRole::kText, true, "ptg"))
      << "a height of 0 keeps the default";
  EXPECT_FALSE(fonts.Set(FontRole::kTitle, fonts.font(FontRole::kTitle)));
  fonts.Write(ini);
  EXPECT_EQ(ini.GetInt("Title Font", "Height", 0), -25);
  EXPECT_EQ(ini.GetString("Font", "FaceName", ""), "Arial");
  const std::string once = ini.Serialize();
  fonts.Write(ini);
  EXPECT_EQ(ini.Serialize(), once) << "nothing changes a second time";
}

TEST(ReportFonts, ScalingToThePrinterMultipliesThenDivides) {
  FontSpec f;
  f.height = -13;
  f.width = 7;
  const FontSpec scaled = ScaleToPrinter(f, 600, 300, 96, 96);
  EXPECT_EQ(scaled.height, -40);
  EXPECT_EQ(scaled.width, 43);
}

}  // namespace
}  // namespace ledra::reports
