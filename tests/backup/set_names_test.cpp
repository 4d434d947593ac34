#include <gtest/gtest.h>

#include <clocale>

#include "backup/backup_names.h"
#include "backup/backup_set.h"

namespace ledra::backup {
namespace {

TEST(BackupNames, SetNameUsesEnglishMonthsWhateverTheLocale) {
  // A Portuguese or German C locale must not leak into the folder name.
  for (const char* locale : {"pt_PT.UTF-8", "de_DE.UTF-8", "C"}) {
    std::setlocale(LC_ALL, locale);
    EXPECT_EQ(SetName({{2025, 3, 7}, 14, 32}), "Ld9_1432_2025Mar07");
    EXPECT_EQ(SetName({{2030, 12, 31}, 0, 5}), "Ld9_0005_2030Dec31");
    EXPECT_EQ(SetName({{2026, 5, 1}, 9, 0}), "Ld9_0900_2026May01");
  }
  std::setlocale(LC_ALL, "C");
}

TEST(BackupNames, HistoryTexts) {
  // 7 March 2025 was a Friday.
  EXPECT_EQ(HistoryDateText({{2025, 3, 7}, 14, 32}), "Sexta-feira, 7 de Mar\xE7o de 2025 14:32");
  EXPECT_EQ(HistoryDateText({{2025, 3, 9}, 0, 5}), "Domingo, 9 de Mar\xE7o de 2025 0:05");
  EXPECT_EQ(HistoryDateText({{2025, 3, 9}, 9, 0}), "Domingo, 9 de Mar\xE7o de 2025 9:00");
  EXPECT_EQ(HistoryDateText({{2025, 3, 9}, 12, 7}), "Domingo, 9 de Mar\xE7o de 2025 12:07");
  EXPECT_EQ(HistoryRollText({2026, 1, 4}), "Janeiro 4 2026 (Roll)");
}

TEST(BackupNames, ASetFolderIsNoTargetItsParentIs) {
  const TargetChoice set = ChooseTarget("/media/stick/Ld9_1432_2025Mar07/");
  EXPECT_EQ(set.folder, platform::Path("/media/stick"));
  ASSERT_TRUE(set.message);
  EXPECT_EQ(*set.message,
            "/media/stick/Ld9_1432_2025Mar07 cannot be used as a backup target.\n\nPlease select "
            "another directory.");
  const TargetChoice plain = ChooseTarget("/media/stick/Ld9backups");
  EXPECT_EQ(plain.folder, platform::Path("/media/stick/Ld9backups"));
  EXPECT_FALSE(plain.message);
}

}  // namespace
}  // namespace ledra::backup
