// The remarks written all at once at a save must land exactly where writing
// them one by one puts them.

#include <gtest/gtest.h>

#include <random>

#include "platform/files.h"
#include "store/demo_congregation.h"
#include "store/document.h"
#include "store/remark_file.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

std::string Remark(std::string_view text, int month, int parity, std::uint16_t id) {
  std::string r(kRemarkRecordSize, '\0');
  std::copy(text.begin(), text.end(), r.begin());
  r[44] = static_cast<char>(month);
  r[45] = static_cast<char>(parity);
  test::Put16(r, 46, id);
  return r;
}

std::string OneByOne(std::string file, const std::vector<RemarkRecord>& remarks) {
  for (const RemarkRecord& r : remarks) file = WriteRemarkRecord(std::move(file), r);
  return file;
}

TEST(RemarkBatch, PlacesRecordsAsTheSingleWriterOnHandBuiltFiles) {
  const std::string header(kRemarkRecordSize, '\0');
  const std::string file = header + Remark("um", 3, 0, 101) + Remark("  ", 4, 1, 102) +
                           Remark("dois", 3, 0, 101) + Remark("", 0, 0, 0) +
                           Remark("tres", 5, 1, 103);
  // The first record of a slot is rewritten, a new slot takes the last blank
  // record, then the one before it, then the file grows; a blank text makes
  // its record free again.
  const std::vector<RemarkRecord> remarks = {{"novo", 3, 0, 101}, {"a", 7, 0, 110},
                                             {"b", 8, 1, 111},    {"c", 9, 0, 112},
                                             {"", 5, 1, 103},     {"d", 10, 0, 113}};
  const std::string expected = header + Remark("novo", 3, 0, 101) + Remark("b", 8, 1, 111) +
                               Remark("dois", 3, 0, 101) + Remark("a", 7, 0, 110) +
                               Remark("d", 10, 0, 113) + Remark("c", 9, 0, 112);
  EXPECT_EQ(OneByOne(file, remarks), expected);
  EXPECT_EQ(WriteRemarkRecords(file, remarks), expected);
  // An empty or torn file gets its header record first.
  EXPECT_EQ(WriteRemarkRecords("", remarks), OneByOne("", remarks));
  EXPECT_EQ(WriteRemarkRecords(file + "xyz", remarks), OneByOne(file + "xyz", remarks));
  EXPECT_EQ(WriteRemarkRecords(file, {}), file);
}

TEST(RemarkBatch, MatchesTheSingleWriterOnRandomFilesAndWrites) {
  std::mt19937 random(14);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  // Few people and months, so that slots repeat and blank records come and go.
  auto remark = [&] {
    static const char* const kTexts[] = {"", " ", "\t", "texto", " x ", "mais longo ainda"};
    return RemarkRecord{kTexts[pick(6)], static_cast<std::uint8_t>(pick(4)),
                        static_cast<std::uint8_t>(pick(2)),
                        static_cast<std::uint16_t>(100 + pick(5))};
  };
  for (int round = 0; round < 500; ++round) {
    std::string file = pick(5) == 0 ? std::string() : std::string(kRemarkRecordSize, '\0');
    const int records = pick(12);
    for (int k = 0; k < records && !file.empty(); ++k) {
      const RemarkRecord r = remark();
      file += Remark(r.text, r.month, r.parity, r.id);
    }
    if (pick(4) == 0) file += std::string(static_cast<std::size_t>(pick(47)), 'z');
    std::vector<RemarkRecord> writes(static_cast<std::size_t>(pick(15)));
    for (RemarkRecord& r : writes) r = remark();
    ASSERT_EQ(WriteRemarkRecords(file, writes), OneByOne(file, writes)) << "round " << round;
  }
}

TEST(RemarkBatch, AFullFolderSavesTheSameRemarkBytesAsTheSingleWriter) {
  TempFolder folder;
  ScriptedPrompter prompter;
  DemoOptions options;
  options.full = true;
  ASSERT_TRUE(WriteDemoCongregation(folder.path(), options, prompter).ok());
  const FixedClock clock(options.today);
  Document doc(folder.path(), clock, prompter);
  ASSERT_EQ(doc.Open({}), OpenOutcome::kOpened);
  // Some remarks emptied and some rewritten, as edits before a save leave them.
  auto& table = doc.db().side.remarks;
  ASSERT_GT(table.size(), 3000u);
  for (std::size_t k = 1; k < table.size(); k += 7) table[k].text.clear();
  for (std::size_t k = 3; k < table.size(); k += 11) table[k].text = "mudada";
  const std::string before = *platform::ReadFileIfPresent(folder.path() / "remark9.dat");
  const std::string expected =
      OneByOne(before, std::vector<RemarkRecord>(table.begin() + 1, table.end()));
  ASSERT_TRUE(doc.SaveAll().ok());
  EXPECT_EQ(*platform::ReadFileIfPresent(folder.path() / "remark9.dat"), expected);
}

}  // namespace
}  // namespace ledra::store
