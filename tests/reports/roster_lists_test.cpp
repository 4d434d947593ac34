#include "reports/roster_lists.h"

#include "reports/emergency_forms.h"
#include "reports/group_lists.h"

#include <gtest/gtest.h>

#include "platform/prompter.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"
#include "store/side_tables.h"

namespace ledra::reports {
namespace {

using store::PublisherRecord;

class RosterTest : public ::testing::Test {
 protected:
  void SetUp() override { db.SetToday(2026, 4, 10); }
  PublisherRecord& Add(std::uint16_t id, std::string_view last, int group,
                       store::ListType list = store::ListType::kActive) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, "Ana");
    p.SetText(store::field::kLname, last);
    p.SetText(store::field::kAddr, "Rua " + std::string(last));
    p.SetText(store::field::kPhone, "555");
    p.set_group(static_cast<std::uint8_t>(group));
    p.set_list_type(list);
    EXPECT_TRUE(db.AppendRow(p).ok());
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    return db.row(db.FindRow(id));
  }
  std::vector<std::string> Names(int kind, int group = 0) {
    std::vector<std::string> names;
    for (int row : RosterRows(db, RosterVariantOf(kind), group))
      names.push_back(db.row(row).lname());
    return names;
  }
  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

TEST_F(RosterTest, EachVariantNamesItsPeople) {
  Add(101, "Alfa", 1).SetU8(239, 2);  // elder
  Add(102, "Beta", 2).set_pioneer_code(store::MonthSlot(2, 26), 2);
  Add(103, "Gama", 2, store::ListType::kInactive);
  Add(104, "Delta", 1, store::ListType::kInactive);
  EXPECT_EQ(Names(60), (std::vector<std::string>{"Alfa", "Beta"}));
  EXPECT_EQ(Names(61, 2), (std::vector<std::string>{"Beta"}));
  EXPECT_EQ(Names(62), (std::vector<std::string>{"Gama", "Delta"}));  // list order
  EXPECT_EQ(Names(84, 2), (std::vector<std::string>{"Gama"}));
  EXPECT_EQ(Names(63), (std::vector<std::string>{"Alfa"}));
  EXPECT_EQ(Names(104), (std::vector<std::string>{"Beta"}));
  EXPECT_EQ(RosterSubtitle(db, RosterVariantOf(62), 0), "Publicadores Inativos");
}

TEST_F(RosterTest, AContactsLinesStayTogetherAcrossPages) {
  for (int i = 0; i < 60; ++i)
    Add(static_cast<std::uint16_t>(101 + i), "N" + std::to_string(100 + i), 1);
  RecordingCanvas canvas(300, 300);
  ReportEnv env;
  env.printed = true;
  const auto pages = DrawReport(canvas, env, db, 80, 0);
  ASSERT_TRUE(pages.has_value());
  EXPECT_GE(*pages, 3);
  // Every person's phone line is drawn on the page of the name above it.
  const std::vector<RosterLine> block = RosterBlock(db, 80, 1, {});
  ASSERT_EQ(block.size(), 2u);
  EXPECT_EQ(block[1][0].text, "Casa: 555");
  int last_name_page = -1;
  const int page_height = 11 * 300;
  for (const std::string& line : canvas.lines()) {
    if (!line.starts_with("text ")) continue;
    const int y = std::stoi(line.substr(line.find(' ', 5) + 1));
    if (line.find("\"Ana N") != std::string::npos || line.find("\"N1") != std::string::npos)
      last_name_page = y / page_height;
    if (line.find("\"Casa: 555\"") != std::string::npos) {
      EXPECT_EQ(y / page_height, last_name_page);
    }
  }
}

TEST_F(RosterTest, SpecialNeedsListsOnlyWhoHasOne) {
  PublisherRecord& a = Add(101, "Alfa", 1);
  Add(102, "Beta", 1);
  store::SpecialNeed need;
  need.set_u16(0, 7);
  need.set_text(2, 94, "Cadeira de rodas");
  db.side.needs.push_back(need);
  db.side.need_keys.push_back(7);
  a.set_specneed_key(7);
  EXPECT_EQ(RosterBlock(db, 120, db.FindRow(101), {})[0][1].text, "Cadeira de rodas");
  EXPECT_TRUE(RosterBlock(db, 120, db.FindRow(102), {}).empty());
}

TEST_F(RosterTest, GroupListsAddStudentsInactiveOrKeepOnlyConsent) {
  Add(101, "Alfa", 1);
  Add(102, "Beta", 1, store::ListType::kInactive);
  Add(103, "Gama", 1, store::ListType::kNonPublisher);
  Add(104, "Delta", 2);
  db.side.groups.set_count(2);
  db.side.groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Dias");
  auto members = [&](int kind, int group) {
    std::vector<std::string> out;
    const auto blocks = GroupListBlocks(db, kind, true);
    for (const GroupListLine& l : blocks[static_cast<std::size_t>(group - 1)])
      if (l.kind != GroupListLine::Kind::kGroup && l.kind != GroupListLine::Kind::kDetails)
        out.push_back(l.text);
    return out;
  };
  EXPECT_EQ(members(70, 1), (std::vector<std::string>{"Alfa, Ana"}));
  EXPECT_EQ(members(71, 1), (std::vector<std::string>{"Alfa, Ana",
                                                      "Estudantes da B\xed"
                                                      "blia",
                                                      "Gama, Ana"}));
  EXPECT_EQ(members(72, 1),
            (std::vector<std::string>{"Alfa, Ana", "Publicadores Inativos", "Beta, Ana"}));
  EXPECT_TRUE(members(74, 1).empty());
  store::AppointmentEntry consent;
  consent.set_u16(0, 101);
  consent.set_u16(2, 20);
  db.side.appointments.push_back(consent);
  EXPECT_EQ(members(74, 1), (std::vector<std::string>{"Alfa, Ana"}));
  const auto blocks = GroupListBlocks(db, 70, true);
  EXPECT_EQ(blocks[0][1].text, "Superintendente: Rui Dias");
  EXPECT_EQ(blocks.size(), 2u);
}

TEST_F(RosterTest, EmergencyDataListsAHouseholdUnderItsHead) {
  PublisherRecord& head = Add(101, "Alfa", 1);
  head.SetU8(239, store::attr::kHeadOfFamily);
  head.set_emergency_key(5);
  PublisherRecord& child = Add(102, "Beta", 1);
  child.SetU16(188, 101);
  child.set_specneed_key(7);
  store::SpecialNeed need;
  need.set_u16(0, 7);
  need.set_text(2, 94, "Surdo");
  db.side.needs.push_back(need);
  db.side.need_keys.push_back(7);
  store::EmergencyContact contact;
  contact.set_u16(0, 5);
  contact.set_text(2, 96, "Tio Rui");
  contact.set_text(210, 16, "91 000");
  contact.bytes[242] = 1;
  db.side.contacts.push_back(contact);
  db.side.contact_keys.push_back(5);

  EXPECT_TRUE(RosterBlock(db, 90, db.FindRow(102), {}).empty());
  const auto block = RosterBlock(db, 90, db.FindRow(101), {});
  ASSERT_EQ(block.size(), 4u);
  EXPECT_EQ(block[0][0].text, "Alfa, Ana");
  EXPECT_EQ(block[1][0].text, "Beta, Ana");
  EXPECT_EQ(block[2][0].text, "Contacto de um Terceiro: Tio Rui   TJ? = Yes   Celular: 91 000");
  EXPECT_EQ(block[3][0].text, "Necessidades Especiais: Surdo");
  RosterOptions without;
  without.emergency_witness = false;
  EXPECT_EQ(RosterBlock(db, 90, db.FindRow(101), without)[2][0].text,
            "Contacto de um Terceiro: Tio Rui   Celular: 91 000");
}

TEST_F(RosterTest, EmergencyFormsBlankOrFilledFromTheFile) {
  PublisherRecord& head = Add(101, "Alfa", 1);
  head.SetU8(239, store::attr::kHeadOfFamily);
  Add(102, "Beta", 1).SetU16(188, 101);
  Add(103, "Gama", 2);
  const EmergencyForm filled = EmergencyFormFor(db, db.FindRow(101), true);
  EXPECT_EQ(filled.name, "Alfa, Ana");
  EXPECT_EQ(filled.mark, "Chefe de Familia");
  EXPECT_EQ(filled.fields[0].values, (std::vector<std::string>{"Beta, Ana"}));
  EXPECT_EQ(filled.fields[1].values, (std::vector<std::string>{"555"}));
  EXPECT_EQ(filled.fields[4].values, (std::vector<std::string>{"Rua Alfa"}));
  EXPECT_EQ(EmergencyFormFor(db, db.FindRow(103), true).mark, "Unico Membro da Familia");
  EXPECT_TRUE(BlankEmergencyForm().name.empty());

  ReportEnv env;
  env.printed = true;
  RecordingCanvas blank(300, 300);
  EXPECT_EQ(DrawReport(blank, env, db, kEmergencyFormBlank, 0), 1);
  env.chosen_ids = {101, 103};
  RecordingCanvas two(300, 300);
  EXPECT_EQ(DrawReport(two, env, db, kEmergencyFormFilled, 0), 2);
  EXPECT_NE(two.Trace().find("\"Rua Gama\""), std::string::npos);
}

}  // namespace
}  // namespace ledra::reports
