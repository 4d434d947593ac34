#include "store/document.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

using test::HeaderRecord;
using test::PersonRecord;

// Offset of the first differing byte (npos when equal), so a failure stays readable.
std::size_t FirstDifference(std::string_view a, std::string_view b) {
  const auto [pa, pb] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  if (pa == a.end() && pb == b.end()) return std::string::npos;
  return static_cast<std::size_t>(pa - a.begin());
}

class DocumentTest : public ::testing::Test {
 protected:
  // 8 December 2026: the ReportMonth is November 2026.
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  TempFolder folder;

  platform::Path Path(const char* name) const { return folder.path() / name; }
  std::string Read(const char* name) const { return *platform::ReadFileIfPresent(Path(name)); }
  Document OpenDoc(OpenOptions options = {}) {
    Document doc(folder.path(), clock, prompter);
    doc.Open(options);
    return doc;
  }
};

TEST_F(DocumentTest, NoDataFileGivesTheHeaderAlone) {
  Document doc = OpenDoc();
  EXPECT_EQ(doc.db().count(), 1);
  EXPECT_FALSE(header::HasPassword(doc.db().header()));
  EXPECT_EQ(doc.db().header().bytes[header::kScrambleMarker], 'A');
  EXPECT_EQ(doc.db().month().counter, 26 * 12 + 10);
  EXPECT_EQ(doc.db().month().report_month_index, 10);
}

TEST_F(DocumentTest, LoadsAFileWrittenWithAnotherBaseAndSavesItByteIdentical) {
  const int base = 5;
  std::string file = HeaderRecord(base);
  file[137 + 10] = 1;  // November open; an unscrambled month-state byte after a 0
  file += PersonRecord(base, 101, "Ana", "Almeida");
  file += PersonRecord(base, 102, "Jo\xE3o", "Costa");
  std::string third = PersonRecord(base, 103, "Rui", "Dias");
  test::PutScrambled(third, 44, "Rua Direita 5", base);
  test::Put16(third, 384 + 2 * MonthSlot(10, 26), 12);
  file += third;
  WriteFixture(Path("tdat9.bin"), file);

  Document doc = OpenDoc();
  ASSERT_EQ(doc.db().count(), 4);
  EXPECT_EQ(doc.scramble_base(), base);
  EXPECT_EQ(doc.db().row(2).fname(), "Jo\xE3o");
  EXPECT_EQ(doc.db().row(3).Text(field::kAddr), "Rua Direita 5");
  EXPECT_EQ(doc.db().row(3).word(SlotWords::kHours, MonthSlot(10, 26)), 12);
  EXPECT_EQ(doc.db().header().bytes[header::kScrambleMarker], 'A');
  EXPECT_FALSE(doc.db().modified);

  ASSERT_TRUE(doc.SaveCommand(false).ok());
  std::string saved = Read("tdat9.bin");
  // The save stamps the month it was saved in (word 194); nothing else changes.
  ASSERT_EQ(saved.size(), file.size());
  EXPECT_EQ(test::Get16(saved, 194) & 0x0F, 11);
  saved[194] = file[194];
  EXPECT_EQ(FirstDifference(saved, file), std::string::npos);
}

TEST_F(DocumentTest, AFileOf400BytesFallsBackToThePreviousVersion) {
  WriteFixture(Path("tdat9.bin"), std::string(400, 'x'));
  std::string old(336, '\0');
  old[2] = ' ';
  old[23] = 'A';
  std::string person(336, '\0');
  test::PutText(person, 2, "Eva");
  test::PutText(person, 23, "Reis");
  test::Put16(person, 182, 150);
  person[240 + 10] = 9;  // hours of November
  person[202 + 10] = 2;  // regular pioneer in November
  old += person;
  old[312 + 10] = 26;  // November's data is of 2026
  WriteFixture(Path("tdat7.bin"), old);

  Document doc = OpenDoc();
  EXPECT_TRUE(doc.converted());
  EXPECT_TRUE(doc.db().modified);
  ASSERT_EQ(doc.db().count(), 2);
  const PublisherRecord& eva = doc.db().row(1);
  EXPECT_EQ(eva.fname(), "Eva");
  EXPECT_EQ(eva.special_ministry_bits(), kSpecialMinistryValid);
  const int slot = MonthSlot(10, 26);
  EXPECT_EQ(eva.word(SlotWords::kHours, slot), 9);
  EXPECT_EQ(eva.pioneer_code(slot), 2);
  EXPECT_EQ(eva.slot_year(slot), 26);
  EXPECT_EQ(header::YearStamp(doc.db().header(), slot), 26);
  EXPECT_EQ(header::MonthStateByte(doc.db().header(), 10), 1);  // current data: Open
}

TEST_F(DocumentTest, PartialTrailingRecordIsIgnored) {
  std::string file = HeaderRecord(23) + PersonRecord(23, 101, "Ana", "Lopes") +
                     PersonRecord(23, 102, "Rui", "Melo") + std::string(100, '\x7F');
  WriteFixture(Path("tdat9.bin"), file);
  EXPECT_EQ(OpenDoc().db().count(), 3);
}

TEST_F(DocumentTest, DuplicateIdsAreRepairedFrom100Upwards) {
  std::string file = HeaderRecord(23) + PersonRecord(23, 5, "Ana", "A") +
                     PersonRecord(23, 5, "Bia", "B") + PersonRecord(23, 100, "Caio", "C") +
                     PersonRecord(23, 200, "Dina", "D") + PersonRecord(23, 200, "Edu", "E");
  WriteFixture(Path("tdat9.bin"), file);
  Document doc = OpenDoc();
  const auto& db = doc.db();
  EXPECT_EQ(db.row(1).id(), 5);
  EXPECT_EQ(db.row(2).id(), 101);  // 100 is taken
  EXPECT_EQ(db.row(5).id(), 201);  // at or above the duplicated id
  EXPECT_TRUE(db.modified);
  EXPECT_EQ(db.FindRow(5), 0);  // ids up to 9 never identify anyone
  EXPECT_EQ(db.FindRow(201), 5);
}

TEST_F(DocumentTest, CircuitOverseerSortsLastAndNamesIgnoreCaseAndAccents) {
  std::string file = HeaderRecord(23) + PersonRecord(23, 101, "Zeca", "Abreu", 5) +
                     PersonRecord(23, 102, "Rui", "zarco") +
                     PersonRecord(23, 103, "Ana", "\xC1vila") +
                     PersonRecord(23, 104, "Luis", "  Bento");
  WriteFixture(Path("tdat9.bin"), file);
  Document doc = OpenDoc();
  const auto& db = doc.db();
  EXPECT_EQ(db.row(1).id(), 103);  // Ávila
  EXPECT_EQ(db.row(2).id(), 104);  // Bento (leading blanks ignored)
  EXPECT_EQ(db.row(3).id(), 102);  // zarco
  EXPECT_EQ(db.row(4).id(), 101);  // the circuit overseer, whatever his name
  EXPECT_EQ(db.circuit_overseer_row(), 4);
  EXPECT_EQ(db.DisplayName(1, true), "\xC1vila, Ana");
  EXPECT_EQ(db.DisplayName(1, false), "Ana \xC1vila");
}

TEST_F(DocumentTest, PasswordRefusalOpensNothing) {
  std::string file = HeaderRecord(23);
  test::PutScrambled(file, 2, "segredo", 23);
  WriteFixture(Path("tdat9.bin"), file);
  Document refused(folder.path(), clock, prompter);
  EXPECT_EQ(refused.Open({}), OpenOutcome::kRefused);
  Document granted(folder.path(), clock, prompter);
  OpenOptions options;
  std::string asked;
  options.check_password = [&](const std::string& p) {
    asked = p;
    return true;
  };
  EXPECT_EQ(granted.Open(options), OpenOutcome::kOpened);
  EXPECT_EQ(asked, "segredo");
}

TEST_F(DocumentTest, PastMonthCopiesAreFoundAndViewedWithoutWriting) {
  clock.Set(Date{2025, 3, 10});  // ReportMonth February 2025
  std::string file = HeaderRecord(23) + PersonRecord(23, 101, "Ana", "Lopes");
  WriteFixture(Path("tdat9.bin"), file);
  std::string past = HeaderRecord(23) + PersonRecord(23, 101, "Ana", "Antiga");
  WriteFixture(folder.path() / "Roll" / "Ld9_11" / "tdat9.bin", past);  // November

  Document doc = OpenDoc();
  EXPECT_EQ(doc.db().month().past_month_mask, 1u << 3);
  doc.db().modified = true;
  prompter.answers.push_back(Answer::kNo);
  ASSERT_TRUE(doc.ViewPastMonth(3));
  EXPECT_TRUE(doc.db().month().viewing_past);
  EXPECT_EQ(doc.db().month().report_month_index, 10);
  EXPECT_EQ(doc.db().month().report_year, 24);
  EXPECT_EQ(doc.db().row(1).lname(), "Antiga");

  const auto before = platform::ListFolder(folder.path() / "Roll" / "Ld9_11", "*");
  const auto mtime = platform::ModificationTime(folder.path() / "Roll" / "Ld9_11" / "tdat9.bin");
  EXPECT_TRUE(doc.SaveAll().ok());
  EXPECT_EQ(platform::ListFolder(folder.path() / "Roll" / "Ld9_11", "*")->size(), before->size());
  EXPECT_EQ(platform::ModificationTime(folder.path() / "Roll" / "Ld9_11" / "tdat9.bin"), mtime);
  EXPECT_EQ(FirstDifference(Read("tdat9.bin"), file), std::string::npos);

  doc.ReturnToOpenMonth();
  EXPECT_FALSE(doc.db().month().viewing_past);
  EXPECT_EQ(doc.db().month().report_month_index, 1);
  EXPECT_EQ(doc.db().row(1).lname(), "Lopes");
}

TEST_F(DocumentTest, LateEntriesRoundTripThroughTheLateMonthBytes) {
  // ReportMonth November 2026 (index 10): a September report entered late in November.
  std::string person = PersonRecord(23, 101, "Ana", "Lopes");
  person[780 + MonthSlot(8, 26)] = 11;
  person[780 + MonthSlot(3, 25)] = 11;  // outside the six months: not listed
  WriteFixture(Path("tdat9.bin"), HeaderRecord(23) + person);
  Document doc = OpenDoc();
  ASSERT_EQ(doc.db().late_entries().size(), 1u);
  EXPECT_EQ(doc.db().late_entries()[0], (LateEntry{101, 8, 11}));

  doc.db().late_entries().clear();
  doc.db().late_entries().push_back({101, 9, 11});  // October instead
  ASSERT_TRUE(doc.SaveAll().ok());
  const std::string saved = Read("tdat9.bin");
  EXPECT_EQ(saved[816 + 780 + MonthSlot(8, 26)], 0);
  EXPECT_EQ(saved[816 + 780 + MonthSlot(9, 26)], 11);
  EXPECT_EQ(saved[816 + 780 + MonthSlot(3, 25)], 0);  // every byte of the month is cleared first
}

TEST_F(DocumentTest, RowsBeyondCapacityAreKeptAndReported) {
  std::string file = HeaderRecord(23);
  for (int i = 0; i < 1511; ++i)
    file += PersonRecord(23, static_cast<std::uint16_t>(100 + i), "P", "Q");
  WriteFixture(Path("tdat9.bin"), file);
  Document doc = OpenDoc();
  EXPECT_EQ(doc.db().count(), kMaxRecords);
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_NE(prompter.shown.front().find("1509"), std::string::npos);
  ASSERT_TRUE(doc.SaveAll().ok());
  EXPECT_EQ(Read("tdat9.bin").size(), file.size());  // the surplus is written back
}

TEST_F(DocumentTest, AFileThatCannotBeWrittenIsNamedAndNothingIsReplaced) {
  const std::string file = HeaderRecord(23) + PersonRecord(23, 101, "Ana", "Lopes");
  WriteFixture(Path("tdat9.bin"), file);
  Document doc = OpenDoc();
  doc.db().side.totals_card[5] = 7;
  platform::SetFaultHook([](platform::FileStep step, const platform::Path& p) {
    return step == platform::FileStep::kOpen && p.filename().string().starts_with("tdat9.bin");
  });
  const Status s = doc.SaveAll();
  platform::SetFaultHook({});
  EXPECT_FALSE(s.ok());
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_NE(prompter.shown.back().find((folder.path() / "tdat9.bin").string()), std::string::npos);
  EXPECT_NE(prompter.shown.back().find("Incapaz de criar"), std::string::npos);
  // The save is all or nothing: the old set stays whole.
  EXPECT_EQ(Read("tdat9.bin"), file);
  EXPECT_FALSE(platform::FileExists(Path("tcard.dat")));
  EXPECT_EQ(platform::ListFolder(folder.path(), "*ledra*")->size(), 0u);
  // Once the disk allows it again, the same save goes through.
  EXPECT_TRUE(doc.SaveAll().ok());
  EXPECT_TRUE(platform::FileExists(Path("tcard.dat")));
}

TEST_F(DocumentTest, GarbageOfEveryShapeLoadsWithoutHarm) {
  std::string junk;
  for (int i = 0; i < 816 * 3 + 17; ++i) junk.push_back(static_cast<char>((i * 131 + 7) % 256));
  WriteFixture(Path("tdat9.bin"), junk);
  WriteFixture(Path("bkstudy.dat"), junk.substr(0, 1881));
  WriteFixture(Path("tcard.dat"), junk.substr(0, 99));
  WriteFixture(Path("tlt15.dat"), junk.substr(0, 333));
  OpenOptions options;
  options.check_password = [](const std::string&) { return true; };
  Document doc = OpenDoc(options);
  EXPECT_EQ(doc.db().count(), 3);
}

}  // namespace
}  // namespace ledra::store

namespace ledra::store {
namespace {

TEST_F(DocumentTest, ParticipatedBitsSurviveTwoSavesInARow) {
  // November 2026 is the ReportMonth: December's slots (after it) keep their
  // bits in the side file; September's stay in the main file.
  std::string p = PersonRecord(23, 101, "Ana", "Lopes");
  test::Put16(p, 528 + 2 * MonthSlot(8, 26), studies::kParticipated);
  test::Put16(p, 528 + 2 * MonthSlot(11, 25), studies::kParticipated | 2);
  WriteFixture(Path("tdat9.bin"), HeaderRecord(23) + p);
  Document doc = OpenDoc();
  ASSERT_TRUE(doc.SaveAll().ok());
  ASSERT_TRUE(doc.SaveAll().ok());  // the bits moved aside are still in memory
  const std::string flags = Read("tlt15.dat");
  ASSERT_EQ(flags.size(), 32u);
  EXPECT_EQ(test::Get16(flags, 0), 101);
  EXPECT_EQ(flags[2 + 2 * 11 + 1], 1);  // December, odd year
  EXPECT_EQ(flags[2 + 2 * 8 + 0], 0);   // September stays in the main file
  const std::string main = Read("tdat9.bin");
  EXPECT_EQ(test::Get16(main, 816 + 528 + 2 * MonthSlot(11, 25)), 2);
  EXPECT_EQ(test::Get16(main, 816 + 528 + 2 * MonthSlot(8, 26)), studies::kParticipated);
  Document reopened = OpenDoc();
  EXPECT_EQ(reopened.db().row(1).word(SlotWords::kStudiesWord, MonthSlot(11, 25)),
            studies::kParticipated | 2);
}

}  // namespace
}  // namespace ledra::store

namespace ledra::store {
namespace {

TEST_F(DocumentTest, PreviousVersionSideFilesAreConverted) {
  // ReportMonth November 2026; the old header says November's data is of 2026.
  std::string old(336, '\0');
  old[2] = ' ';
  old[23] = 'A';
  old[312 + 10] = 26;
  std::string eva(336, '\0');
  test::PutText(eva, 2, "Eva");
  test::PutText(eva, 23, "Reis");
  test::Put16(eva, 182, 150);
  WriteFixture(Path("tdat7.bin"), old + eva);
  std::string rui(336, '\0');
  test::PutText(rui, 2, "Rui");
  test::PutText(rui, 23, "Paz");
  test::Put16(rui, 182, 151);
  WriteFixture(Path("tinac7.dat"), rui);
  // A 40-byte remark for Eva in October; a late October report entered in November.
  std::string remark(40, '\0');
  test::PutText(remark, 0, "Doente");
  remark[37] = 10;
  test::Put16(remark, 38, 150);
  WriteFixture(Path("remark7.dat"), remark + std::string(40, '\0'));
  std::string late(4, '\0');
  test::Put16(late, 0, 150);
  late[2] = 9;
  late[3] = 11;
  WriteFixture(Path("oddmo7.dat"), late);
  // Midweek meeting row: October (month 9) week 1 = 80, 4 meetings, total 320, average 80.
  std::string meeting(2 * 224, '\0');
  test::PutText(meeting, 0, "Meio da semana");
  const std::size_t october = 32 + 16 * 9;
  test::Put16(meeting, october, 80);
  test::Put16(meeting, october + 10, 4);
  test::Put16(meeting, october + 12, 320);
  test::Put16(meeting, october + 14, 80);
  WriteFixture(Path("meeting.dat"), meeting);

  Document doc = OpenDoc();
  ASSERT_TRUE(doc.converted());
  const auto& db = doc.db();
  ASSERT_EQ(db.count(), 3);
  const int eva_row = db.FindRow(150);
  const int rui_row = db.FindRow(151);
  EXPECT_TRUE(db.row(rui_row).is(ListType::kInactive));
  EXPECT_EQ(doc.RemarkText(eva_row, MonthSlot(9, 26)), "Doente");
  EXPECT_EQ(db.row(eva_row).late_month(MonthSlot(9, 26)), 11);
  EXPECT_EQ(db.side.attendance[0].week(0, MonthSlot(9, 26)), 80);
  EXPECT_EQ(db.side.attendance[0].total(MonthSlot(9, 26)), 320);
  EXPECT_EQ(db.side.attendance[0].name(), "Reuni\xE3o do meio da semana");
  EXPECT_TRUE(platform::FileExists(Path("meetin9.dat")));
  ASSERT_EQ(db.late_entries().size(), 1u);
  // The first save writes the new files; the old ones stay where they were.
  ASSERT_TRUE(doc.SaveAll().ok());
  EXPECT_TRUE(platform::FileExists(Path("tdat9.bin")));
  EXPECT_TRUE(platform::FileExists(Path("tdat7.bin")));
  Document reopened = OpenDoc();
  EXPECT_FALSE(reopened.converted());
  EXPECT_EQ(reopened.RemarkText(reopened.db().FindRow(150), MonthSlot(9, 26)), "Doente");
}

}  // namespace
}  // namespace ledra::store
