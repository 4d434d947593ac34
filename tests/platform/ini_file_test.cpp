#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::platform {
namespace {

// "Relatórios" and "Quadrícula" as Windows-1252 bytes.
constexpr std::string_view kReports = "Relat\xF3rios";
constexpr std::string_view kGrid =
    "Quadr\xED"
    "cula";

TEST(IniFile, LooksUpSectionsAndKeysWithoutRegardToCase) {
  const IniFile ini = IniFile::Parse(
      "; settings\r\n[Nag]\r\nEnabled=1\r\n[RELAT\xD3RIOS]\r\n  quadr\xCD"
      "cula = 1 \r\n"
      "Margem Superior=75\r\nCongName=\"Central\"\r\n");
  EXPECT_EQ(ini.GetInt("nag", "ENABLED", 0), 1);
  EXPECT_EQ(ini.GetInt(kReports, kGrid, 0), 1);
  EXPECT_EQ(ini.GetInt(kReports, "margem superior", 50), 75);
  EXPECT_EQ(ini.GetString(kReports, "CongName", ""), "Central");
  EXPECT_EQ(ini.GetInt(kReports, "Missing", 42), 42);
  EXPECT_EQ(ini.GetString("Missing", "Key", "def"), "def");
}

TEST(IniFile, IntegersReadAsTheProfileFunctionsDo) {
  const IniFile ini = IniFile::Parse("[F]\nHeight=-13\nWeight=700px\nFace=Arial\nEmpty=\n");
  EXPECT_EQ(ini.GetInt("F", "Height", 0), -13);
  EXPECT_EQ(ini.GetInt("F", "Weight", 0), 700);
  EXPECT_EQ(ini.GetInt("F", "Face", 5), 0);
  EXPECT_EQ(ini.GetInt("F", "Empty", 5), 0);
}

TEST(IniFile, RewritingAKeyKeepsEveryOtherLineAndItsOrder) {
  const std::string original =
      "; kept comment\r\n[Etiquetas]\r\nLeft Margin=20\r\nUnknown=x\r\n\r\n[Other]\r\na=1\r\n";
  IniFile ini = IniFile::Parse(original);
  ini.SetInt("etiquetas", "left margin", 35);
  ini.SetString("Etiquetas", "Alternate Label", "1");
  ini.SetString(kReports, kGrid, "1");
  EXPECT_EQ(ini.Serialize(),
            "; kept comment\r\n[Etiquetas]\r\nleft margin=35\r\nUnknown=x\r\nAlternate Label=1\r\n"
            "\r\n[Other]\r\na=1\r\n\r\n[Relat\xF3rios]\r\nQuadr\xED"
            "cula=1\r\n");
}

TEST(IniFile, AccentedNamesAreStoredAsWindows1252Bytes) {
  TempFolder folder;
  const Path path = folder.path() / "ledra.ini";
  IniFile ini;
  ini.SetInt(kReports, kGrid, 1);
  ASSERT_TRUE(ini.Save(path).ok());
  EXPECT_EQ(*ReadFileIfPresent(path),
            "[Relat\xF3rios]\r\nQuadr\xED"
            "cula=1\r\n");
  EXPECT_EQ(IniFile::Load(path).GetInt(kReports, kGrid, 0), 1);
}

TEST(IniFile, MissingOrDamagedFileGivesDefaults) {
  TempFolder folder;
  EXPECT_EQ(IniFile::Load(folder.path() / "none.ini").GetInt("Nag", "Enabled", 7), 7);
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 37) % 256));
  const IniFile damaged = IniFile::Parse(garbage);
  EXPECT_EQ(damaged.GetInt("Nag", "Enabled", 7), 7);
}

TEST(IniFile, FailedSaveReportsAndKeepsTheOldFile) {
  TempFolder folder;
  const Path path = folder.path() / "ledra.ini";
  ASSERT_TRUE(WriteFileAtomic(path, "[A]\r\nk=1\r\n").ok());
  IniFile ini = IniFile::Load(path);
  ini.SetInt("A", "k", 2);
  SetFaultHook([](FileStep step, const Path&) { return step == FileStep::kRename; });
  const Status s = ini.Save(path);
  SetFaultHook({});
  EXPECT_FALSE(s.ok());
  EXPECT_FALSE(s.error().text.empty());
  EXPECT_EQ(IniFile::Load(path).GetInt("A", "k", 0), 1);
}

}  // namespace
}  // namespace ledra::platform
