#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "store/document.h"
#include "store/group_table_file.h"
#include "store/remark_file.h"
#include "store/store_fixtures.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

using test::HeaderRecord;
using test::PersonRecord;

// A 48-byte remark record built by hand.
std::string Remark(std::string_view text, int month, int parity, std::uint16_t id) {
  std::string r(48, '\0');
  std::copy(text.begin(), text.end(), r.begin());
  r[44] = static_cast<char>(month);
  r[45] = static_cast<char>(parity);
  test::Put16(r, 46, id);
  return r;
}

std::string XorGroupText(std::string_view plain) {
  static constexpr char kKey[] = "Lamp Cedar";
  std::string out(plain);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] != kKey[i % 10]) out[i] = static_cast<char>(out[i] ^ kKey[i % 10]);
  }
  return out;
}

class SideFilesTest : public ::testing::Test {
 protected:
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  TempFolder folder;

  platform::Path Path(const char* name) const { return folder.path() / name; }
  std::string Read(const char* name) const {
    return platform::ReadFileIfPresent(Path(name)).value_or("<missing>");
  }
  void People(std::string extra = {}) {
    std::string ana = PersonRecord(23, 101, "Ana", "Lopes");
    test::Put16(ana, 186, 11);  // emergency contact 11
    test::Put16(ana, 190, 12);  // special need 12
    test::Put16(ana, 184, 1);   // extension record 1
    WriteFixture(Path("tdat9.bin"), HeaderRecord(23) + ana + PersonRecord(23, 102, "Bia", "Melo") +
                                        PersonRecord(23, 103, "Caio", "Nunes") + extra);
  }
  std::unique_ptr<Document> Open(bool read_only = false) {
    auto doc = std::make_unique<Document>(folder.path(), clock, prompter);
    OpenOptions options;
    options.read_only = read_only;
    doc->Open(options);
    return doc;
  }
};

TEST_F(SideFilesTest, RemarksAreCompactedAndTheLaterRecordOfASlotWins) {
  People();
  const std::string header(48, '\0');
  WriteFixture(Path("remark9.dat"), header + Remark("antiga", 11, 0, 101) + Remark("x", 0, 0, 102) +
                                        Remark("nova", 11, 0, 101) + Remark("de Bia", 10, 0, 102) +
                                        Remark("   ", 9, 0, 103) + Remark("de Caio", 10, 1, 103));
  auto doc = Open();
  EXPECT_EQ(Read("remark9.dat"), header + Remark("nova", 11, 0, 101) +
                                     Remark("de Bia", 10, 0, 102) + Remark("   ", 9, 0, 103) +
                                     Remark("de Caio", 10, 1, 103));
  EXPECT_TRUE(platform::FileExists(Path("rmkundo.dat")));
  EXPECT_EQ(doc->RemarkText(doc->db().FindRow(101), 10 * 3), "nova");
  EXPECT_EQ(doc->db().side.remarks.size(), 4u);  // the blank remark is not loaded
  EXPECT_TRUE(doc->db().HasRemark(doc->db().FindRow(103), 9, 1, prompter));
  EXPECT_FALSE(doc->db().HasRemark(doc->db().FindRow(103), 8, 0, prompter));
  EXPECT_FALSE(doc->db().HasRemark(1, 9, 3, prompter));
  EXPECT_EQ(prompter.shown.back(), "bad year in RemCheck");

  // A new remark takes the blank record's place; the file changes at once.
  ASSERT_TRUE(doc->SetRemark(doc->db().FindRow(102), 3, 1, "nova de Bia").ok());
  EXPECT_EQ(Read("remark9.dat").substr(3 * 48, 48), Remark("nova de Bia", 4, 1, 102));
  // Declining to save brings the file back as it was at load.
  doc->DiscardRemarkChanges();
  EXPECT_TRUE(Read("remark9.dat") == Read("rmkundo.dat"));
}

TEST_F(SideFilesTest, DecliningToSaveGoesBackToTheLastSaveNotToTheOpening) {
  People();
  WriteFixture(Path("remark9.dat"), std::string(48, '\0') + Remark("antes", 11, 0, 101));
  auto doc = Open();
  ASSERT_TRUE(doc->SetRemark(doc->db().FindRow(102), 3, 1, "guardada").ok());
  ASSERT_TRUE(doc->SaveCommand(true).ok());
  ASSERT_TRUE(doc->SetRemark(doc->db().FindRow(103), 4, 1, "por guardar").ok());
  doc->DiscardRemarkChanges();
  // The saved remark stays with the saved people; only the unsaved one goes.
  const std::string file = Read("remark9.dat");
  EXPECT_NE(file.find("guardada"), std::string::npos);
  EXPECT_EQ(file.find("por guardar"), std::string::npos);
}

TEST_F(SideFilesTest, WritingOneRemarkFollowsTheRecordRules) {
  RemarkRecord r{"texto", 5, 1, 200};
  const std::string fresh = WriteRemarkRecord("", r);
  EXPECT_EQ(fresh, std::string(48, '\0') + Remark("texto", 5, 1, 200));
  r.text = "mudado";
  EXPECT_EQ(WriteRemarkRecord(fresh, r), std::string(48, '\0') + Remark("mudado", 5, 1, 200));
  RemarkRecord other{"outro", 6, 0, 201};
  const std::string two = WriteRemarkRecord(fresh + std::string(7, 'x'), other);  // torn tail cut
  EXPECT_EQ(two.size(), 3u * 48);
  RemarkRecord long_text{std::string(60, 'a'), 1, 0, 202};
  const std::string cut = WriteRemarkRecord("", long_text);
  EXPECT_EQ(cut[48 + 42], 'a');
  EXPECT_EQ(cut[48 + 43], '\0');
}

TEST_F(SideFilesTest, AFullRemarkTableRefusesOnlyTheNewRemark) {
  People();
  auto doc = Open();
  doc->db().side.remarks.resize(kRemarkTableFullAt);
  const Status s = doc->SetRemark(1, 2, 0, "mais uma");
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(prompter.shown.back(),
            "Falta espa\xE7o para Observa\xE7\xF5"
            "es");
  EXPECT_EQ(doc->db().row(1).word(SlotWords::kRemarkIndex, 6), 0);
}

TEST_F(SideFilesTest, ContactsNobodyUsesAreRemovedUnlessNoneIsUsed) {
  People();
  auto contact = [](std::uint16_t key, std::string_view name) {
    std::string c(256, '\0');
    test::Put16(c, 0, key);
    std::copy(name.begin(), name.end(), c.begin() + 2);
    return c;
  };
  WriteFixture(Path("emerg.dat"),
               contact(11, "Mae") + contact(40, "Ninguem") + contact(11, "Repetido"));
  auto doc = Open();
  EXPECT_EQ(Read("emerg.dat"), contact(11, "Mae"));
  EXPECT_FALSE(platform::FileExists(Path("emerg1.dat")));
  ASSERT_NE(doc->FindContact(11), nullptr);
  EXPECT_EQ(doc->FindContact(11)->name(), "Mae");

  // Nobody uses any contact: the file stays.
  WriteFixture(Path("emerg.dat"), contact(50, "A") + contact(51, "B"));
  auto again = Open();
  EXPECT_EQ(Read("emerg.dat"), contact(50, "A") + contact(51, "B"));
  // A read-only opening never rewrites.
  WriteFixture(Path("emerg.dat"), contact(11, "Mae") + contact(40, "Ninguem"));
  auto viewer = Open(/*read_only=*/true);
  EXPECT_EQ(Read("emerg.dat"), contact(11, "Mae") + contact(40, "Ninguem"));

  // A new contact gets the first key from 10 that nobody uses.
  EmergencyContact c;
  c.set_text(2, 96, "Pai");
  auto key = again->WriteContact(0, c);
  ASSERT_TRUE(key.ok());
  EXPECT_EQ(*key, 10);
}

TEST_F(SideFilesTest, ALinkToAnotherPersonsExtensionRecordIsBroken) {
  // Record 1 belongs to id 102, but Ana (101) points at it.
  std::string xten(192, '\0');
  std::string rec(192, '\0');
  test::Put16(rec, 0, 102);
  test::PutScrambled(rec, 2, "Bia Maria Melo", 23);
  xten += rec;
  People();
  WriteFixture(Path("xten7.dat"), xten);
  auto doc = Open();
  EXPECT_EQ(doc->db().row(doc->db().FindRow(101)).extension_index(), 0);
  EXPECT_TRUE(doc->db().modified);
  ASSERT_EQ(doc->db().side.extensions.size(), 2u);
  EXPECT_EQ(doc->db().side.extensions[1].longname(), "Bia Maria Melo");
  EXPECT_EQ(doc->db().side.extension_index[1].mask, 1);

  // Writing Ana's record appends it, scrambled with the folder's base.
  ExtensionRecord ana;
  ana.set_text(67, 51, "ana@exemplo.pt");
  ASSERT_TRUE(doc->WriteExtension(doc->db().FindRow(101), ana).ok());
  const std::string file = Read("xten7.dat");
  ASSERT_EQ(file.size(), 3u * 192);
  EXPECT_EQ(test::Get16(file, 2 * 192), 101);
  EXPECT_EQ(static_cast<std::uint8_t>(file[2 * 192 + 67]), 'a' + 23);
  EXPECT_EQ(doc->ReadExtension(doc->db().FindRow(101))->email(), "ana@exemplo.pt");
}

TEST_F(SideFilesTest, GroupFilesOfBothLayoutsAndTheirRemoval) {
  std::string old(1881, '\0');
  old[0] = 1;
  const std::string overseer = XorGroupText("Rui Dias");
  std::copy(overseer.begin(), overseer.end(), old.begin() + 1);
  const std::string label = XorGroupText("Norte");  // the old 12-byte text is not kept
  std::copy(label.begin(), label.end(), old.begin() + 1441);
  const std::string time = XorGroupText("19:30");
  std::copy(time.begin(), time.end(), old.begin() + 1681);
  old[1861] = 2;
  GroupFileRead read = ReadGroupFile(old);
  EXPECT_TRUE(read.converted);
  EXPECT_EQ(read.table.count(), 1);
  EXPECT_EQ(read.table.text(1, GroupTable::Text::kOverseer), "Rui Dias");
  EXPECT_EQ(read.table.text(1, GroupTable::Text::kName), "");
  EXPECT_EQ(read.table.text(1, GroupTable::Text::kTime), "19:30");
  EXPECT_EQ(read.table.day(1), 2);

  // One byte more is the current layout.
  std::string current(1882, '\0');
  current[0] = 1;
  std::copy(overseer.begin(), overseer.end(), current.begin() + 1);
  read = ReadGroupFile(current);
  EXPECT_FALSE(read.converted);
  EXPECT_EQ(read.table.text(1, GroupTable::Text::kOverseer), "Rui Dias");
  EXPECT_TRUE(WriteGroupFile(read.table) == current + std::string(2141 - 1882, '\0'));

  People();
  WriteFixture(Path("bkstudy.dat"), old);
  auto doc = Open();
  EXPECT_TRUE(doc->db().modified);
  doc->db().side.groups.set_count(0);
  ASSERT_TRUE(doc->SaveAll().ok());
  EXPECT_FALSE(platform::FileExists(Path("bkstudy.dat")));
}

TEST_F(SideFilesTest, AppointmentsAreFilteredAtSave) {
  auto entry = [](std::uint16_t id, std::uint16_t kind, std::string_view start) {
    std::string e(32, '\0');
    test::Put16(e, 0, id);
    test::Put16(e, 2, kind);
    std::copy(start.begin(), start.end(), e.begin() + 4);
    return e;
  };
  People();
  WriteFixture(Path("tappt.dat"), entry(101, 3, "0301202") + entry(101, 20, "") +
                                      entry(102, 3, "03012020") + entry(102, 3, "04012021") +
                                      entry(0, 3, "03012020") + entry(103, 5, "05052015"));
  auto doc = Open();
  EXPECT_EQ(doc->db().side.appointments.size(), 6u);
  ASSERT_TRUE(doc->SaveAll().ok());
  EXPECT_EQ(Read("tappt.dat"),
            entry(101, 20, "") + entry(102, 3, "03012020") + entry(103, 5, "05052015"));
}

// A folder without the meeting file keeps both meetings; an empty file keeps
// to the one block it had.
TEST_F(SideFilesTest, AMissingMeetingFileGetsBothBlocksAnEmptyOneOnlyTheFirst) {
  People();
  auto doc = Open();
  ASSERT_TRUE(doc->SaveAll().ok());
  EXPECT_EQ(Read("meetin9.dat").size(), 2u * 672u);
  WriteFixture(Path("meetin9.dat"), "");
  auto again = Open();
  ASSERT_TRUE(again->SaveAll().ok());
  EXPECT_EQ(Read("meetin9.dat").size(), 672u);
}

TEST_F(SideFilesTest, AFolderWithEveryFileRoundTrips) {
  People();
  std::string remarks(48, '\0');
  remarks += Remark("um", 1, 0, 101) + Remark("dois", 2, 1, 102) + Remark("tres", 3, 0, 103);
  WriteFixture(Path("remark9.dat"), remarks);
  std::string xten(192, '\0');
  std::string rec(192, '\0');
  test::Put16(rec, 0, 101);
  test::PutScrambled(rec, 2, "Ana Maria Lopes", 23);
  test::Put16(rec, 190, 1);
  WriteFixture(Path("xten7.dat"), xten + rec);
  std::string contact(256, '\0');
  test::Put16(contact, 0, 11);
  WriteFixture(Path("emerg.dat"), contact);
  std::string need(96, '\0');
  test::Put16(need, 0, 12);
  std::copy_n("Cadeira de rodas", 16, need.begin() + 2);
  WriteFixture(Path("spneed.dat"), need);
  std::string appt(32, '\0');
  test::Put16(appt, 0, 101);
  test::Put16(appt, 2, 1);
  std::copy_n("01012020", 8, appt.begin() + 4);
  WriteFixture(Path("tappt.dat"), appt);
  std::string meetings(2 * 672, '\0');
  std::copy_n("Reuni\xE3o do meio da semana", 25, meetings.begin());
  std::copy_n("Reuni\xE3o do fim de semana", 24, meetings.begin() + 672);
  test::Put16(meetings, 96 + 2 * 30, 87);
  WriteFixture(Path("meetin9.dat"), meetings);
  std::string card(1728, '\0');
  test::Put16(card, 144 * 10 + 36 * 1 + 4 * 2 + 2 * 0, 345);
  WriteFixture(Path("tcard.dat"), card);
  std::string groups(2141, '\0');
  groups[0] = 1;
  const std::string overseer = XorGroupText("Rui Dias");
  std::copy(overseer.begin(), overseer.end(), groups.begin() + 1);
  WriteFixture(Path("bkstudy.dat"), groups);
  WriteFixture(Path("varocfg.cfg"), std::string("\x01\x00\x07\x00\x00\x01\x00", 7));

  const char* names[] = {"remark9.dat", "xten7.dat", "emerg.dat",   "spneed.dat", "tappt.dat",
                         "meetin9.dat", "tcard.dat", "bkstudy.dat", "varocfg.cfg"};
  std::vector<std::string> before;
  for (const char* n : names) before.push_back(Read(n));
  auto doc = Open();
  EXPECT_EQ(doc->db().side.groups.text(1, GroupTable::Text::kOverseer), "Rui Dias");
  EXPECT_EQ(doc->FindNeed(12)->need(), "Cadeira de rodas");
  EXPECT_EQ(doc->db().side.attendance[0].week(0, 30), 87);
  EXPECT_EQ(doc->db().side.totals_card[TotalsCardIndex(10, 1, 2, 0)], 345);
  EXPECT_EQ(doc->db().DisplayName(1, false), "Lopes, Ana");  // the shared name-order flag
  ASSERT_TRUE(doc->SaveAll().ok());
  for (std::size_t i = 0; i < std::size(names); ++i)
    EXPECT_TRUE(Read(names[i]) == before[i]) << names[i];
}

}  // namespace
}  // namespace ledra::store

namespace ledra::store {
namespace {

TEST_F(SideFilesTest, AFullExtensionTableRefusesWithAMessage) {
  People();
  auto doc = Open();
  doc->db().side.extensions.resize(kMaxExtensionPositions);
  doc->db().side.extension_index.resize(kMaxExtensionPositions);
  for (std::size_t k = 1; k < doc->db().side.extensions.size(); ++k) {
    doc->db().side.extensions[k].set_u16(0, static_cast<std::uint16_t>(5000 + k));
    doc->db().side.extension_index[k].id = static_cast<std::uint16_t>(5000 + k);
  }
  ExtensionRecord e;
  e.set_text(67, 51, "nova@exemplo.pt");
  const Status s = doc->WriteExtension(doc->db().FindRow(102), e);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(prompter.shown.back(), s.error().text);
  EXPECT_EQ(doc->db().row(doc->db().FindRow(102)).extension_index(), 0);
}

}  // namespace
}  // namespace ledra::store
