// The field service groups: the listed rows, names, the count and the editor.

#include "records/field_groups.h"

#include <gtest/gtest.h>

#include "records_fixture.h"

namespace ledra::records {
namespace {

using T = store::GroupTable::Text;

class FieldGroupsTest : public RecordsTest {
 protected:
  // Ana Borges (101), Bruno Costa (102), Carla Dias (103) active; Eva Faria inactive.
  void SetUp() override {
    OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
             test::PersonRecord(23, 102, "Bruno", "Costa") +
             test::PersonRecord(23, 103, "Carla", "Dias") +
             test::PersonRecord(23, 104, "Eva", "Faria", 1));
  }
  store::GroupTable& groups() { return doc.db().side.groups; }
  // Offsets of the bytes that differ between two images of the table.
  static std::vector<std::size_t> Changed(const store::GroupTable& a, const store::GroupTable& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < store::GroupTable::kSize; ++i)
      if (a.bytes[i] != b.bytes[i]) at.push_back(i);
    return at;
  }
  static bool Within(const std::vector<std::size_t>& at, std::size_t from, std::size_t size) {
    for (std::size_t i : at)
      if (i < from || i >= from + size) return false;
    return !at.empty();
  }
};

TEST_F(FieldGroupsTest, RowsMarkNamesNotOnFileAndTheNoteFollows) {
  groups().set_count(2);
  groups().set_text(1, T::kOverseer, "Ana Borges");
  groups().set_text(1, T::kAssistant, "Z\xE9 Ningu\xE9m");
  groups().set_text(1, T::kPlace, "Sal\xE3o");
  groups().set_text(1, T::kTime, "19:30");
  groups().bytes[2101] = 2;
  groups().set_text(2, T::kOverseer, "Eva Faria");  // inactive: not on file
  const auto rows = GroupListRows(doc.db());
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows[0].text,
            "N\xB0"
            "1 \tAna Borges \tZ\xE9 Ningu\xE9m* \tSal\xE3o \t19:30 \tQuarta-feira");
  EXPECT_EQ(rows[1].text,
            "N\xB0"
            "2 \tEva Faria* \t \t \t \tSegunda-feira");
  EXPECT_TRUE(rows[0].marked);
  EXPECT_FALSE(rows[2].marked) << "an empty name is no name to find";
  EXPECT_EQ(rows[19].text.substr(0, 5),
            "N\xB0"
            "20 ");
  EXPECT_EQ(GroupListNote(rows), "* N\xE3o no arquivo");

  groups().set_text(1, T::kAssistant, "Bruno Costa");
  groups().set_text(2, T::kOverseer, "Carla Dias");
  EXPECT_EQ(GroupListNote(GroupListRows(doc.db())), "");
  EXPECT_FALSE(NameOnFile(doc.db(), "Borges, Ana")) << "first name, blank, surname only";
}

TEST_F(FieldGroupsTest, ANameOfOneCharacterIsNoName) {
  groups().set_text(3, T::kName, "N");
  EXPECT_EQ(GroupDisplayName(groups(), 3), "Grupo # 3");
  groups().set_text(3, T::kName, "");
  EXPECT_EQ(GroupDisplayName(groups(), 3), "Grupo # 3");
  groups().set_text(3, T::kName, "Norte");
  EXPECT_EQ(GroupDisplayName(groups(), 3), "Norte");
  EXPECT_EQ(GroupListRows(doc.db())[2].name, "Norte");
  EXPECT_EQ(GroupEditor(doc.db(), 3).display_name(), "Norte");
}

TEST_F(FieldGroupsTest, TheCountIsTheLeadingGroupsWithAnOverseer) {
  EXPECT_EQ(LeadingGroupCount(groups()), 0);
  for (int g : {1, 2, 4}) groups().set_text(g, T::kOverseer, "X");
  EXPECT_EQ(LeadingGroupCount(groups()), 2);

  GroupEditor third(doc.db(), 3);
  third.PickOverseer(101);
  EXPECT_EQ(third.fields().overseer, "Ana Borges");
  ASSERT_TRUE(third.Save(prompter).ok());
  EXPECT_EQ(groups().count(), 4);
  EXPECT_TRUE(doc.db().modified);

  GroupEditor first(doc.db(), 1);
  first.fields().overseer = "";
  ASSERT_TRUE(first.Save(prompter).ok());
  EXPECT_EQ(groups().count(), 0);
}

TEST_F(FieldGroupsTest, EachFieldWritesOnlyItsOwnBytes) {
  groups().set_count(5);  // kept: no overseer changes below
  // Bytes behind a terminator stay as the file had them while the field is kept.
  groups().bytes[store::GroupTable::TextOffset(2, T::kName) + 20] = 0x55;
  struct Case {
    void (*edit)(GroupFields&);
    std::size_t from, size;
  } cases[] = {
      {[](GroupFields& f) { f.place = "Casa Silva"; }, 961 + 24, 24},
      {[](GroupFields& f) { f.assistant = "Bruno Costa"; }, 481 + 24, 24},
      {[](GroupFields& f) { f.time = "09:30"; }, 1921 + 9, 9},
      {[](GroupFields& f) { f.weekday = 6; }, 2102, 1},
  };
  for (const Case& c : cases) {
    const store::GroupTable before = groups();
    doc.db().modified = false;
    GroupEditor ed(doc.db(), 2);
    c.edit(ed.fields());
    ASSERT_TRUE(ed.Save(prompter).ok());
    EXPECT_TRUE(Within(Changed(before, groups()), c.from, c.size)) << c.from;
    EXPECT_TRUE(doc.db().modified);
  }
  EXPECT_EQ(groups().bytes[store::GroupTable::TextOffset(2, T::kName) + 20], 0x55);

  // The name sets its "shown" byte too; the count waits for an overseer.
  const store::GroupTable before = groups();
  GroupEditor ed(doc.db(), 2);
  ed.fields().name = "Norte";
  ASSERT_TRUE(ed.Save(prompter).ok());
  const auto at = Changed(before, groups());
  EXPECT_EQ(at.back(), 2121u + 1);
  EXPECT_TRUE(Within({at.begin(), at.end() - 1}, 1441 + 24, 24));
  EXPECT_EQ(groups().count(), 5);

  // Saving unchanged fields changes nothing and marks nothing.
  doc.db().modified = false;
  const store::GroupTable same = groups();
  ASSERT_TRUE(GroupEditor(doc.db(), 2).Save(prompter).ok());
  EXPECT_EQ(same.bytes, groups().bytes);
  EXPECT_FALSE(doc.db().modified);
}

TEST_F(FieldGroupsTest, TooLongTextsAndWeekdaysOutOfRangeAreRefused) {
  const store::GroupTable before = groups();
  GroupEditor ed(doc.db(), 1);
  ed.fields().place = std::string(23, 'p');
  auto saved = ed.Save(prompter);
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.error().text, "Local aceita no m\xE1ximo 22 caracteres.");
  ed.fields().place = std::string(22, 'p');
  ed.fields().weekday = 7;
  EXPECT_FALSE(ed.Save(prompter).ok());
  EXPECT_EQ(before.bytes, groups().bytes);
  EXPECT_FALSE(doc.db().modified);
  EXPECT_FALSE(GroupEditor(doc.db(), 21).Check().ok());

  // A stray day byte from the file is kept while nobody changes it.
  groups().bytes[2101 + 19] = 9;
  GroupEditor stray(doc.db(), 20);
  stray.fields().place = "Sala";
  EXPECT_TRUE(stray.Save(prompter).ok());
  EXPECT_EQ(groups().day(20), 9);
}

TEST_F(FieldGroupsTest, MembersAreTheActivePublishersWithTheGroupByte) {
  doc.db().row(RowOf(102)).set_group(2);
  doc.db().row(RowOf(104)).set_group(2);  // inactive: not listed
  GroupEditor ed(doc.db(), 2);
  EXPECT_EQ(ed.Members(), (std::vector<std::uint16_t>{102}));
  EXPECT_EQ(ed.Unassigned(), (std::vector<std::uint16_t>{101, 103}));

  const auto rows = doc.db().rows();
  // An unknown or inactive id refuses the whole list.
  EXPECT_FALSE(ed.SetMembers({101, 999}).ok());
  EXPECT_FALSE(ed.SetMembers({104}).ok());
  EXPECT_EQ(ed.Members(), (std::vector<std::uint16_t>{102}));

  ASSERT_TRUE(ed.SetMembers({101, 103}).ok());
  EXPECT_EQ(ed.Members(), (std::vector<std::uint16_t>{101, 103}));
  EXPECT_EQ(doc.db().rows()[1].bytes, rows[1].bytes) << "nothing written before Save";
  auto changed = ed.Save(prompter);
  ASSERT_TRUE(changed.ok());
  EXPECT_EQ(*changed, (std::vector<std::uint16_t>{102, 101, 103}));
  for (int r = 1; r < doc.db().count(); ++r) {
    const auto& now = doc.db().row(r).bytes;
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (i != 181) {
        EXPECT_EQ(now[i], rows[static_cast<std::size_t>(r)].bytes[i]) << r << "@" << i;
      }
    }
  }
  EXPECT_EQ(doc.db().row(RowOf(101)).group(), 2);
  EXPECT_EQ(doc.db().row(RowOf(102)).group(), 0);
  EXPECT_EQ(doc.db().row(RowOf(104)).group(), 2);

  // Moving out and back again before saving leaves the byte as it was.
  GroupEditor again(doc.db(), 2);
  again.Assign(101, false);
  again.Assign(101, true);
  EXPECT_TRUE(again.Save(prompter)->empty());

  Reopen();
  EXPECT_EQ(reopened_rows[static_cast<std::size_t>(RowOf(103))].group(), 2);
}

}  // namespace
}  // namespace ledra::records
