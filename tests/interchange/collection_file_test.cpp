// The collection file of a group: its bytes against a file built by hand,
// what it carries and leaves out, reading a returned file, and the import
// lines and merge that follow.

#include "interchange/collection_file.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "interchange/collection_prep_model.h"
#include "interchange/import_dialog_model.h"
#include "platform/string_ids.h"
#include "store/text_scrambler.h"
#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;
namespace f = store::field;

constexpr int kNov = 10;          // the ReportMonth: November 2026, parity 0
constexpr int kNovSlot = 30;      // 10 * 3 + 0
constexpr int kDecLastYear = 34;  // December 2025: 11 * 3 + 1

class CollectionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
    auto& groups = doc.db().side.groups;
    groups.set_count(2);
    groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Lima");
    groups.set_text(1, store::GroupTable::Text::kAssistant, "Ana Lima");
    groups.set_text(2, store::GroupTable::Text::kOverseer, "Ivo Lima");
  }
  void Add(std::uint16_t id, const std::string& first, int group,
           store::ListType type = store::ListType::kActive, const std::string& last = "Lima") {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(f::kFname, first);
    p.SetText(f::kLname, last);
    p.SetText(f::kAddr, "Rua Nova 1");
    p.SetText(f::kBirdate, "04101961");
    p.set_group(static_cast<std::uint8_t>(group));
    p.set_list_type(type);
    ASSERT_TRUE(doc.db().AppendRow(p).ok());
    Reindex();
  }
  void Reindex() {
    doc.db().SortTable();
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
  }
  void SetEmail(std::uint16_t id, const std::string& email) {
    store::ExtensionRecord e;
    e.set_text(67, 51, email);
    ASSERT_TRUE(doc.WriteExtension(Row(id), e).ok());
  }
  int Row(std::uint16_t id) const { return doc.db().FindRow(id); }
  PublisherRecord& Rec(std::uint16_t id) { return doc.db().row(Row(id)); }
  CollectionRequest November(int group) const { return {group, kNov, 0, false, "sec@cong.pt"}; }

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(CollectionFileTest, TheBytesOfAPreparedFile) {
  Add(101, "Rui", 1);
  Add(102, "Ana", 1);
  Add(103, "Ivo", 2);
  SetEmail(101, "rui@lima.pt");
  SetEmail(102, "ana-sem-ponto@lima");
  Rec(101).set_word(SlotWords::kHours, kNovSlot - 3, 12);  // October
  ASSERT_TRUE(doc.SetRemark(Row(101), 9, 0, "Doente").ok());
  ASSERT_TRUE(doc.SetRemark(Row(102), kNov, 0, "Viajou").ok());
  // October queued as a late report, with a figure.
  doc.db().late_entries().push_back({101, 9, 11});

  const std::string bytes = BuildCollectionFile(doc, November(1));
  ASSERT_EQ(bytes.size(), 816u * 3 + 48u * 2);

  std::string header(816, '\0');
  header.replace(44, 11, "sec@cong.pt");
  header[180] = 2;
  header[181] = 1;
  header[184] = 2;
  header[238] = 10;
  EXPECT_EQ(bytes.substr(0, 816), header);

  auto expected = [&](std::uint16_t id, const std::string& email) {
    PublisherRecord p = Rec(id);
    p.SetText(f::kAddr, email);
    for (int i = 152; i < 170; ++i) p.bytes[static_cast<std::size_t>(i)] = 0;
    for (int m = 0; m < 12; ++m) p.set_word(SlotWords::kRemarkIndex, m * 3, 0);
    return p;
  };
  PublisherRecord rui = expected(101, "rui@lima.pt");
  rui.set_word(SlotWords::kRemarkIndex, 27, 2);  // October's remark, after Ana's
  rui.SetU8(LateFlagOffset(9), 1);
  PublisherRecord ana = expected(102, "");
  ana.set_word(SlotWords::kRemarkIndex, kNovSlot, 1);
  for (PublisherRecord* p : {&rui, &ana}) store::ScrambleRecord(*p, store::kScramble, 39);
  // In list order: Ana, then Rui.
  EXPECT_TRUE(bytes.substr(816, 816) == std::string(ana.bytes.begin(), ana.bytes.end()));
  EXPECT_TRUE(bytes.substr(1632, 816) == std::string(rui.bytes.begin(), rui.bytes.end()));

  std::string remarks(96, '\0');
  remarks.replace(0, 6, "Viajou");
  remarks.replace(48, 6, "Doente");
  EXPECT_EQ(bytes.substr(2448), remarks);
}

TEST_F(CollectionFileTest, WhatTheFileLeavesOut) {
  // A group without members is the header alone.
  EXPECT_EQ(BuildCollectionFile(doc, November(2)).size(), 816u);
  // No address without "@" after its first character.
  Add(101, "Rui", 1);
  CollectionRequest r = November(1);
  r.secretary_email = "@cong.pt";
  EXPECT_EQ(BuildCollectionFile(doc, r)[44], '\0');

  // The empty list carries neither the month's figures nor its remark.
  Rec(101).set_word(SlotWords::kHours, kNovSlot, 7);
  Rec(101).set_pioneer_code(kNovSlot, 0x06);
  ASSERT_TRUE(doc.SetRemark(Row(101), kNov, 0, "Doente").ok());
  r = November(1);
  r.clear_month = true;
  const std::string bytes = BuildCollectionFile(doc, r);
  EXPECT_EQ(bytes.size(), 816u * 2);
  PublisherRecord back;
  std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data() + 816), 816, back.bytes.begin());
  EXPECT_EQ(back.word(SlotWords::kHours, kNovSlot), 0);
  EXPECT_EQ(back.pioneer_code(kNovSlot), 0x02);
  EXPECT_EQ(back.word(SlotWords::kRemarkIndex, kNovSlot), 0);
  // Not empty: the remark travels with the file.
  EXPECT_EQ(BuildCollectionFile(doc, November(1)).size(), 816u * 2 + 48);
}

TEST_F(CollectionFileTest, TheMonthAfterDecemberIsJanuaryOfTheOtherYear) {
  FixedClock january{Date{2027, 1, 10}};  // ReportMonth December 2026
  store::Document dec{folder.path(), january, prompter};
  ASSERT_EQ(dec.Open({}), store::OpenOutcome::kOpened);
  PublisherRecord p;
  p.set_id(101);
  p.SetText(f::kFname, "Rui");
  p.SetText(f::kLname, "Lima");
  p.set_group(1);
  p.set_word(SlotWords::kHours, 1, 9);  // January 2027 (odd year)
  p.set_word(SlotWords::kHours, 0, 4);  // January 2026 stays
  ASSERT_TRUE(dec.db().AppendRow(p).ok());
  dec.db().CountAllLists();
  dec.db().RebuildIndexes(prompter);
  store::Settings settings;
  CollectionPrepModel model(dec, settings, 1);
  model.set_next_month(true);
  EXPECT_EQ(model.month_index(), 0);
  EXPECT_EQ(model.parity(), 1);
  const CollectionRequest r = model.Request();
  EXPECT_TRUE(r.clear_month);
  const std::string bytes = BuildCollectionFile(dec, r);
  EXPECT_EQ(bytes[238], 0);
  PublisherRecord back;
  std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data() + 816), 816, back.bytes.begin());
  EXPECT_EQ(back.word(SlotWords::kHours, 1), 0);
  EXPECT_EQ(back.word(SlotWords::kHours, 0), 4);
}

TEST_F(CollectionFileTest, MoreThan127MembersReadBackAsNone) {
  for (std::uint16_t id = 100; id < 228; ++id) Add(id, "P" + std::to_string(id), 1);
  const std::string bytes = BuildCollectionFile(doc, November(1));
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[180]), 128);
  const auto table = ReadCollectionFile(bytes, doc);
  ASSERT_TRUE(table.ok());
  EXPECT_TRUE(table->records.empty());
}

TEST_F(CollectionFileTest, AFileOfAnotherMonthIsRefused) {
  Add(101, "Rui", 1);
  CollectionRequest r = November(1);
  r.month_index = 9;
  const auto table = ReadCollectionFile(BuildCollectionFile(doc, r), doc);
  ASSERT_FALSE(table.ok());
  EXPECT_EQ(table.error().id, str::kCollectWrongMonth);
  EXPECT_NE(table.error().text.find("Outubro"), std::string::npos);
  EXPECT_NE(table.error().text.find("Novembro"), std::string::npos);
}

TEST_F(CollectionFileTest, ShortAndDamagedFiles) {
  Add(101, "Rui", 1);
  std::string bytes = BuildCollectionFile(doc, November(1));
  EXPECT_TRUE(ReadCollectionFile("", doc)->records.empty());
  EXPECT_TRUE(ReadCollectionFile(bytes.substr(0, 900), doc)->records.empty());
  // Remarks announced past the end are not there.
  bytes[184] = static_cast<char>(0xFF);
  bytes[185] = static_cast<char>(0xFF);
  const auto table = ReadCollectionFile(bytes, doc);
  ASSERT_TRUE(table.ok());
  EXPECT_EQ(table->records.size(), 1u);
  EXPECT_TRUE(table->remarks.empty());
}

// The overseer's program fills in the ReportMonth of a record.
void Fill(std::string& bytes, int index, SlotWords word, int slot, std::uint16_t value) {
  const std::size_t at = 816 * (static_cast<std::size_t>(index) + 1) +
                         static_cast<std::size_t>(word) + 2 * static_cast<std::size_t>(slot);
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

TEST_F(CollectionFileTest, PrepareFillImportAndMerge) {
  Add(101, "Rui", 1);
  Add(102, "Ana", 1);
  Add(104, "Eva", 1);
  Rec(102).set_word(SlotWords::kHours, kNovSlot, 5);
  Rec(104).set_word(SlotWords::kHours, kNovSlot, 8);
  std::string bytes = BuildCollectionFile(doc, November(1));
  // Rows are in list order: Ana, Eva, Rui.
  Fill(bytes, 2, SlotWords::kHours, kNovSlot, 10);
  Fill(bytes, 2, SlotWords::kStudiesWord, kNovSlot, 2 | (2 << 12));
  Fill(bytes, 0, SlotWords::kHours, kNovSlot, 6);  // replaces Ana's 5
  Fill(bytes, 1, SlotWords::kHours, kNovSlot, 8);  // Eva's 8 again: nothing new
  Fill(bytes, 1, SlotWords::kPlcmts, kNovSlot, 0);

  auto table = ReadCollectionFile(bytes, doc);
  ASSERT_TRUE(table.ok());
  ImportDialogModel model(doc, *table);
  ASSERT_EQ(model.lines().size(), 2u);
  EXPECT_EQ(model.lines()[0].id, 102);
  EXPECT_TRUE(model.lines()[0].replaces);
  EXPECT_EQ(model.lines()[1].id, 101);
  EXPECT_FALSE(model.lines()[1].replaces);
  EXPECT_EQ(model.AvailableText(), "Relat\xF3rios dispon\xEDveis para entrada = 2");
  EXPECT_EQ(model.PreviewOf(1).rows[2].imported, "10.5");
  EXPECT_FALSE(doc.db().modified);

  const int chosen[] = {1};
  EXPECT_EQ(model.Merge(doc, chosen), 1);
  EXPECT_TRUE(doc.db().modified);
  EXPECT_EQ(Rec(101).word(SlotWords::kHours, kNovSlot), 10);
  EXPECT_EQ(Rec(101).word(SlotWords::kStudiesWord, kNovSlot), 2 | (2 << 12));
  EXPECT_EQ(Rec(102).word(SlotWords::kHours, kNovSlot), 5);  // not chosen
}

TEST_F(CollectionFileTest, ZerosNeverEraseAndRemarksCompare) {
  Add(101, "Rui", 1);
  Rec(101).set_word(SlotWords::kHours, kNovSlot, 7);
  Rec(101).set_word(SlotWords::kReturnVisits, kNovSlot, 3);
  ASSERT_TRUE(doc.SetRemark(Row(101), kNov, 0, "Doente").ok());
  std::string bytes = BuildCollectionFile(doc, November(1));
  Fill(bytes, 0, SlotWords::kReturnVisits, kNovSlot, 0);
  Fill(bytes, 0, SlotWords::kPlcmts, kNovSlot, 4);
  auto table = ReadCollectionFile(bytes, doc);
  ASSERT_TRUE(table.ok());
  // The file carries the same remark: new data only.
  EXPECT_EQ(CompareMonth(doc, *table, table->records[0], Row(101), kNov, 0, false),
            Comparison::kNewData);
  table->remarks[0].text = "Viajou";
  EXPECT_EQ(CompareMonth(doc, *table, table->records[0], Row(101), kNov, 0, false),
            Comparison::kRemarkDiffers);
  ImportDialogModel model(doc, *table);
  ASSERT_EQ(model.lines().size(), 1u);
  EXPECT_TRUE(model.lines()[0].remark_differs);
  const int all[] = {0};
  model.Merge(doc, all);
  EXPECT_EQ(Rec(101).word(SlotWords::kReturnVisits, kNovSlot), 3);
  EXPECT_EQ(Rec(101).word(SlotWords::kPlcmts, kNovSlot), 4);
  EXPECT_EQ(doc.RemarkText(Row(101), kNovSlot), "Viajou");
}

TEST_F(CollectionFileTest, NamesakesKeepTheirOwnDataThroughTheirIds) {
  Add(101, "Rui", 1, store::ListType::kInactive);
  Add(102, "Rui", 1);
  Add(103, "Rui", 1);
  std::string bytes = BuildCollectionFile(doc, November(1));
  Fill(bytes, 0, SlotWords::kHours, kNovSlot, 9);
  Fill(bytes, 1, SlotWords::kHours, kNovSlot, 4);
  auto table = ReadCollectionFile(bytes, doc);
  ASSERT_TRUE(table.ok());
  {
    ImportDialogModel model(doc, *table);
    ASSERT_EQ(model.lines().size(), 2u);
    EXPECT_NE(model.lines()[0].id, model.lines()[1].id);
  }
  // Without a known id, the first active one of that name gets the data.
  for (PublisherRecord& r : table->records) r.set_id(0);
  ImportDialogModel model(doc, *table);
  ASSERT_EQ(model.lines().size(), 2u);
  EXPECT_EQ(model.lines()[0].id, 102);
  EXPECT_EQ(model.lines()[1].id, 102);
}

TEST_F(CollectionFileTest, ALateReportOfALaterCalendarMonthIsLastYears) {
  Add(101, "Rui", 1);
  Rec(101).set_pioneer_code(kDecLastYear, 2);
  Rec(101).set_word(SlotWords::kHours, kDecLastYear, 40);
  doc.db().late_entries().push_back({101, 11, 11});
  std::string bytes = BuildCollectionFile(doc, November(1));
  EXPECT_EQ(bytes[816 + static_cast<int>(LateFlagOffset(11))], 1);
  Fill(bytes, 0, SlotWords::kHours, kDecLastYear, 45);
  Fill(bytes, 0, SlotWords::kPlcmts, kDecLastYear, 3);  // not compared after the switch
  doc.db().late_entries().clear();
  auto table = ReadCollectionFile(bytes, doc);
  ASSERT_TRUE(table.ok());
  ImportDialogModel model(doc, *table);
  ASSERT_EQ(model.lines().size(), 1u);
  const ImportLine& line = model.lines()[0];
  EXPECT_TRUE(line.late);
  EXPECT_EQ(line.slot(), kDecLastYear);
  EXPECT_TRUE(line.replaces);
  EXPECT_EQ(line.name, "Lima, Rui (Dez)");
  const int all[] = {0};
  model.Merge(doc, all);
  EXPECT_EQ(Rec(101).word(SlotWords::kHours, kDecLastYear), 45);
  ASSERT_EQ(doc.db().late_entries().size(), 1u);
  EXPECT_EQ(doc.db().late_entries()[0].month, 11);
}

TEST_F(CollectionFileTest, DamagedFilesNeverHalfMerge) {
  Add(101, "Rui", 1);
  Add(102, "Ana", 1);
  ASSERT_TRUE(doc.SetRemark(Row(101), kNov, 0, "Doente").ok());
  const std::string good = BuildCollectionFile(doc, November(1));
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = good;
    for (int n = 0; n < 8; ++n) bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
    bytes[238] = static_cast<char>(kNov);
    bytes.resize(random() % (bytes.size() + 1));
    const auto table = ReadCollectionFile(bytes, doc);
    ASSERT_TRUE(table.ok());
    ASSERT_LE(table->records.size(), 2u);
    ImportDialogModel model(doc, *table);
    std::vector<int> all(model.lines().size());
    std::iota(all.begin(), all.end(), 0);
    for (int i : all) (void)model.PreviewOf(i);
    model.Merge(doc, all);
  }
  // Only the two publishers of the group could have been touched.
  EXPECT_EQ(doc.db().count(), 3);
}

}  // namespace
}  // namespace ledra::interchange
