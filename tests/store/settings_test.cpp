#include "store/settings.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

using platform::IniFile;

// Section and key texts as Windows-1252 bytes.
constexpr std::string_view kReports = "Relat\xF3rios";
constexpr std::string_view kGrid =
    "Quadr\xED"
    "cula";

TEST(Settings, MissingOrDamagedFileGivesTheDefaults) {
  TempFolder folder;
  const Settings missing = LoadSettings(folder.path() / "ledra.ini", "ptg");
  WriteFixture(folder.path() / "bad.ini", std::string("\0\xFF[[=\n=", 7));
  const Settings damaged = LoadSettings(folder.path() / "bad.ini", "ptg");
  for (const Settings& s : {missing, damaged}) {
    EXPECT_TRUE(s.birth_caption);
    EXPECT_EQ(s.label_left_margin, 20);
    EXPECT_EQ(s.top_margin, 50);
    EXPECT_TRUE(s.emergency_witness);
    EXPECT_TRUE(s.auto_cap);
    EXPECT_FALSE(s.nag);
    EXPECT_FALSE(s.grid);
    EXPECT_EQ(s.hide_averages, 0);
    EXPECT_EQ(s.cong_name, "");
    EXPECT_EQ(s.early_year, 0);
  }
}

TEST(Settings, RoundTripsEveryKeyAndKeepsForeignLines) {
  TempFolder folder;
  const platform::Path file = SettingsPath(folder.path());
  EXPECT_EQ(file.filename(), "ledra.ini");
  WriteFixture(file, "[Font]\r\nHeight=-13\r\nFaceName=Arial\r\n");

  Settings s;
  s.birth_caption = false;
  s.alternate_label = true;
  s.label_left_margin = 35;
  s.grid = true;
  s.no_report_boxes = true;
  s.emergency_witness = false;
  s.top_margin = 75;
  s.datestamp = true;
  s.cong_name = "S\xE3o Jo\xE3o";
  s.auto_cap = false;
  s.nag = true;
  s.sort_by_first_name = true;
  s.print_groups = true;
  s.hide_averages = 0b1011;
  s.one_per_page = true;
  s.hide_birth = true;
  s.special_category_enabled = true;
  s.special_category = "Especiais";
  s.secretary_email = "sec@example.org";
  ASSERT_TRUE(SaveSettings(s, file, "ptg"));

  const Settings r = LoadSettings(file, "ptg");
  EXPECT_FALSE(r.birth_caption);
  EXPECT_TRUE(r.alternate_label);
  EXPECT_EQ(r.label_left_margin, 35);
  EXPECT_TRUE(r.grid);
  EXPECT_TRUE(r.no_report_boxes);
  EXPECT_FALSE(r.emergency_witness);
  EXPECT_EQ(r.top_margin, 75);
  EXPECT_TRUE(r.datestamp);
  EXPECT_EQ(r.cong_name, "S\xE3o Jo\xE3o");
  EXPECT_FALSE(r.auto_cap);
  EXPECT_TRUE(r.nag);
  EXPECT_TRUE(r.sort_by_first_name);
  EXPECT_TRUE(r.print_groups);
  EXPECT_EQ(r.hide_averages, 0b1011);
  EXPECT_TRUE(r.one_per_page);
  EXPECT_TRUE(r.hide_birth);
  EXPECT_TRUE(r.special_category_enabled);
  EXPECT_EQ(r.special_category, "Especiais");
  EXPECT_EQ(r.secretary_email, "sec@example.org");

  const IniFile ini = IniFile::Load(file);
  EXPECT_EQ(ini.GetInt("Font", "Height", 0), -13);
  EXPECT_EQ(ini.GetString("Font", "FaceName", ""), "Arial");
}

TEST(Settings, AccentedSectionsAreStoredAsWindows1252) {
  Settings s;
  s.grid = true;
  IniFile ini;
  WriteSettings(s, ini, "ptg");
  const std::string bytes = ini.Serialize();
  EXPECT_NE(bytes.find("[Relat\xF3rios]"), std::string::npos);
  EXPECT_NE(bytes.find("Quadr\xED"
                       "cula=1"),
            std::string::npos);
  EXPECT_NE(bytes.find("[Ordenar pelo primeiro nome]"), std::string::npos);
  EXPECT_EQ(bytes.find("\xC3"), std::string::npos);  // no UTF-8 anywhere
  EXPECT_EQ(ini.GetInt(kReports, kGrid, 0), 1);
}

TEST(Settings, SpecialCategoryNameIsCutToFifteenWhenRead) {
  const IniFile ini = IniFile::Parse(
      "[Categoria Especial]\r\nEnabled=1\r\nCategoria Especial=ABCDEFGHIJKLMNOPQRST\r\n");
  const Settings s = ReadSettings(ini, "ptg");
  EXPECT_TRUE(s.special_category_enabled);
  EXPECT_EQ(s.special_category, "ABCDEFGHIJKLMNO");
}

TEST(Settings, SortByFirstNameExistsOnlyInThePtgEdition) {
  const IniFile ini = IniFile::Parse("[Ordenar pelo primeiro nome]\r\nEnabled=1\r\n");
  EXPECT_TRUE(ReadSettings(ini, "ptg").sort_by_first_name);
  EXPECT_FALSE(ReadSettings(ini, "french").sort_by_first_name);

  Settings s;
  s.sort_by_first_name = true;
  IniFile written;
  WriteSettings(s, written, "french");
  EXPECT_FALSE(written.Has("Ordenar pelo primeiro nome", "Enabled"));
}

TEST(Settings, DialingFlagIsWrittenButNeverRead) {
  Settings s;
  s.dialing = true;
  IniFile ini;
  WriteSettings(s, ini, "ptg");
  EXPECT_EQ(ini.GetInt("Discar para OK", "Enabled", 0), 1);
  EXPECT_FALSE(ReadSettings(ini, "ptg").dialing);
}

TEST(Settings, EarlyStartIsNotReadWithTheOtherKeys) {
  const IniFile ini = IniFile::Parse("[Early]\r\nYear=25\r\nMonth=4\r\n");
  const Settings s = ReadSettings(ini, "ptg");
  EXPECT_EQ(s.early_year, 0);
  EXPECT_EQ(s.early_month, 0);
}

TEST(SettingsToday, BeforeThe25thTheEarlyStartIsClearedAndWritten) {
  TempFolder folder;
  const platform::Path file = folder.path() / "ledra.ini";
  WriteFixture(file, "[Early]\r\nYear=25\r\nMonth=4\r\n");
  const EffectiveToday t = ResolveToday(Date{2025, 3, 24}, file);
  EXPECT_EQ(t.today, (Date{2025, 3, 24}));
  EXPECT_EQ(t.early_year, 0);
  const IniFile ini = IniFile::Load(file);
  EXPECT_EQ(ini.GetInt("Early", "Year", -1), 0);
  EXPECT_EQ(ini.GetInt("Early", "Month", -1), 0);
}

TEST(SettingsToday, FromThe25thAnEarlyStartMakesTodayTheNextMonth) {
  IniFile ini = IniFile::Parse("[Early]\r\nYear=26\r\nMonth=1\r\n");
  const EffectiveToday t = ResolveToday(Date{2025, 12, 27}, ini);
  EXPECT_EQ(t.today.year, 2026);
  EXPECT_EQ(t.today.month, 1);
  EXPECT_EQ(t.early_year, 26);
  EXPECT_EQ(t.early_month, 1);

  IniFile none;
  EXPECT_EQ(ResolveToday(Date{2025, 3, 25}, none).today, (Date{2025, 3, 25}));
}

TEST(SettingsToday, StaleOrDamagedEarlyStartIsDropped) {
  // Left from January when the program was not opened before the 25th again.
  IniFile stale = IniFile::Parse("[Early]\r\nYear=25\r\nMonth=2\r\n");
  EXPECT_EQ(ResolveToday(Date{2025, 3, 26}, stale).today, (Date{2025, 3, 26}));
  EXPECT_EQ(stale.GetInt("Early", "Year", -1), 0);
  IniFile damaged = IniFile::Parse("[Early]\r\nYear=25\r\nMonth=13\r\n");
  EXPECT_EQ(ResolveToday(Date{2025, 12, 26}, damaged).today.month, 12);
}

}  // namespace
}  // namespace ledra::store
