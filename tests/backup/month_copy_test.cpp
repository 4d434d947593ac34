#include "backup/month_copy.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include "backup/backup_fixtures.h"
#include "backup/backup_history.h"

namespace ledra::backup {
namespace {

void SetYear(const platform::Path& file, int year) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = 5;
  t.tm_mday = 15;
  t.tm_hour = 12;
  const std::time_t when = std::mktime(&t);
  const timespec times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

class BackupMonthCopy : public ::testing::Test {
 protected:
  TempFolder data;
  void SetUp() override {
    WriteFixture(data.path() / "tdat9.bin", test::MainFile());
    WriteFixture(data.path() / "tcard.dat", std::string(1728, '\3'));
  }
  platform::Path Copy(int n) const { return data.path() / "Roll" / ("Ld9_" + std::to_string(n)); }
};

TEST_F(BackupMonthCopy, JanuaryWritesTwelveFebruaryOne) {
  EXPECT_EQ(MonthCopyNumber(0), 12);
  EXPECT_EQ(MonthCopyNumber(1), 1);
  auto r = WriteMonthStartCopy(data.path(), 0, 26, {2026, 1, 4});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(*r, MonthCopyOutcome::kCopied);
  EXPECT_EQ(*platform::ReadFileIfPresent(Copy(12) / "tdat9.bin"), test::MainFile());
  EXPECT_EQ(*platform::ReadFileIfPresent(Copy(12) / "tcard.dat"), std::string(1728, '\3'));
  const BackupHistory h = BackupHistory::Read(data.path() / "buhist.dat");
  EXPECT_EQ(h.records()[0].when, "Janeiro 4 2026 (Roll)");
  EXPECT_EQ(h.records()[0].path, Copy(12).string());
}

TEST_F(BackupMonthCopy, SkipRule) {
  WriteFixture(Copy(3) / "tdat9.bin", test::MainFile("Kept"));
  SetYear(Copy(3) / "tdat9.bin", 2026);
  // Changed in the ReportMonth's year: kept, nothing recorded.
  EXPECT_EQ(*WriteMonthStartCopy(data.path(), 3, 26, {2026, 4, 2}), MonthCopyOutcome::kKept);
  EXPECT_FALSE(platform::FileExists(data.path() / "buhist.dat"));
  // A year older: replaced.
  SetYear(Copy(3) / "tdat9.bin", 2025);
  EXPECT_EQ(*WriteMonthStartCopy(data.path(), 3, 26, {2026, 4, 2}), MonthCopyOutcome::kCopied);
  EXPECT_EQ(*platform::ReadFileIfPresent(Copy(3) / "tdat9.bin"), test::MainFile());
  // Current but not more than 500 bytes: replaced.
  WriteFixture(Copy(3) / "tdat9.bin", std::string(500, 'x'));
  EXPECT_EQ(*WriteMonthStartCopy(data.path(), 3, 26, {2026, 4, 2}), MonthCopyOutcome::kCopied);
}

TEST_F(BackupMonthCopy, AHalfCopyIsNotUsable) {
  int opens = 0;
  platform::SetFaultHook([&](platform::FileStep step, const platform::Path&) {
    return step == platform::FileStep::kOpen && ++opens == 2;
  });
  auto r = WriteMonthStartCopy(data.path(), 5, 26, {2026, 6, 2});
  platform::SetFaultHook({});
  EXPECT_FALSE(r.ok());
  EXPECT_FALSE(platform::FileExists(Copy(5) / "tdat9.bin"));
  EXPECT_FALSE(platform::FileExists(data.path() / "buhist.dat"));
}

}  // namespace
}  // namespace ledra::backup
