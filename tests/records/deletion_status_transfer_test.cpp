#include <gtest/gtest.h>

#include "platform/string_ids.h"
#include "records/appointment_entries.h"
#include "records/household.h"
#include "records/privileges.h"
#include "records/publisher_chooser.h"
#include "records/publisher_deletion.h"
#include "records/status_choice.h"
#include "records/transfers.h"
#include "records_fixture.h"

namespace ledra::records {
namespace {

class DeletionTest : public RecordsTest {};

TEST_F(DeletionTest, TemporaryDeletionInDecember2025StoresTheDateWord) {
  std::string head = test::PersonRecord(23, 101, "Ana", "Borges");
  head[239] = 0x04 | 0x40 | 0x10 | 0x08;
  head[201] = 0x31;
  std::string member = test::PersonRecord(23, 102, "Bruno", "Borges");
  test::Put16(member, 188, 101);
  OpenWith(head + member);
  SetAppointmentStart(doc.db().side.appointments, 101, kKindRegularPioneer, "01012020");
  const DeletionDialog d = OpenDeletion(doc, 1);
  EXPECT_EQ(d.caption, "Ana Borges");
  EXPECT_EQ(d.choice.month, 12);
  EXPECT_EQ(d.choice.year, 2025);
  DeletionChoice c = d.choice;
  c.temporary = true;
  ASSERT_TRUE(DeletePublisher(doc, 1, c, prompter).ok());
  const auto& rec = doc.db().row(RowOf(101));
  EXPECT_TRUE(rec.is(store::ListType::kDeleted));
  EXPECT_EQ(rec.status_counter(), 12 + 75 * 256);
  EXPECT_EQ(rec.status_change(), 0);
  EXPECT_EQ(rec.attribute_flags(), 0x04 | 0x40);
  EXPECT_EQ(doc.db().row(RowOf(102)).household(), 0);
  EXPECT_TRUE(doc.db().side.appointments.empty());
  EXPECT_EQ(doc.db().status_list(store::ListType::kDeleted).size(), 1u);
}

TEST_F(DeletionTest, PermanentDeletionRemovesTheRecord) {
  OpenDefault();
  ASSERT_TRUE(DeletePublisher(doc, RowOf(102), {}, prompter).ok());
  EXPECT_EQ(doc.db().people(), 2);
  EXPECT_EQ(RowOf(102), 0);
  PublisherChooser chooser(doc.db(), ChooserMode::kEdit);
  EXPECT_EQ(chooser.ids(), (std::vector<std::uint16_t>{101, 103}));
}

TEST_F(DeletionTest, AFullDeletedListRefusesWithAMessageAndChangesNothing) {
  std::string people = test::PersonRecord(23, 101, "Ana", "Borges");
  for (int i = 0; i < kMaxDeleted; ++i)
    people += test::PersonRecord(23, static_cast<std::uint16_t>(200 + i), "X",
                                 "Y" + std::to_string(i), 4);
  OpenWith(people);
  DeletionChoice c{true, 12, 2025};
  const auto before = doc.db().row(1).bytes;
  const Status s = DeletePublisher(doc, RowOf(101), c, prompter);
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.error().text.find("299"), std::string::npos);
  EXPECT_EQ(doc.db().row(RowOf(101)).bytes, before);
}

class ChooserTest : public RecordsTest {};

TEST_F(ChooserTest, ListsActivePeopleWrapsAndOffersTheAddChoices) {
  OpenWith(test::PersonRecord(23, 101, "Ana", "Borges") +
           test::PersonRecord(23, 102, "Rui", "Costa", 2) +
           test::PersonRecord(23, 103, "Eva", "Dias"));
  PublisherChooser c(doc.db(), ChooserMode::kEdit);
  EXPECT_EQ(c.names(), (std::vector<std::string>{"Borges, Ana", "Dias, Eva"}));
  EXPECT_TRUE(c.add_visible());
  EXPECT_EQ(c.accept_text(), "&Editar...");
  c.Move(-1);
  EXPECT_EQ(c.selected_id(), 103);
  c.Move(+1);
  EXPECT_EQ(c.selected_id(), 101);
  PublisherChooser pick(doc.db(), ChooserMode::kPickOne);
  EXPECT_FALSE(pick.add_visible());
  EXPECT_EQ(pick.accept_text(), "&Eleger");
  EXPECT_EQ(pick.close_text(), "&Cancelar");
  const AddChoices a = OfferedAddChoices(doc.db());
  EXPECT_TRUE(a.ask);
  EXPECT_TRUE(a.from_bible_students);
  EXPECT_FALSE(a.from_inactive);
}

TEST_F(ChooserTest, EditIsHiddenWithoutPeople) {
  OpenWith("");
  PublisherChooser c(doc.db(), ChooserMode::kEdit);
  EXPECT_FALSE(c.edit_visible());
  EXPECT_FALSE(OfferedAddChoices(doc.db()).ask);
}

class StatusTest : public RecordsTest {};

TEST_F(StatusTest, MapsTheKindsAndClearsOldMonths) {
  OpenDefault();
  store::PublisherRecord rec = doc.db().row(1);
  StatusChoice c(doc.db(), rec);
  EXPECT_EQ(c.month, 12);
  EXPECT_EQ(c.title("Ana Borges"), "Situa\xE7\xE3o de Ana Borges");
  c.kind = StatusKind::kReactivated;
  c.month = 3;
  c.current_year = true;
  c.Apply(rec);
  EXPECT_EQ(rec.status_change(), 3 * 16 + 2);
  EXPECT_EQ(rec.status_copy(), 3 * 16 + 2);
  EXPECT_EQ(rec.status_counter(), 25 * 12 + 2);
  // The previous year's January is 23 months back: the month nibble goes.
  c.kind = StatusKind::kNew;
  c.month = 1;
  c.current_year = false;
  c.Apply(rec);
  EXPECT_EQ(rec.status_change(), 1);
  c.kind = StatusKind::kRegularTransferred;
  EXPECT_FALSE(c.year_visible());
  EXPECT_TRUE(c.month_visible());
  c.kind = StatusKind::kClear;
  c.Apply(rec);
  EXPECT_EQ(rec.status_change(), 0);
  EXPECT_EQ(rec.status_counter(), 0);
}

TEST_F(StatusTest, ACounterOlderThan23MonthsOpensOnTheReportMonth) {
  OpenDefault();
  store::PublisherRecord rec = doc.db().row(1);
  rec.SetU8(201, 0x52);
  rec.SetU16(192, 20 * 12 + 4);
  StatusChoice c(doc.db(), rec);
  EXPECT_EQ(c.kind, StatusKind::kReactivated);
  EXPECT_EQ(c.month, 12);
}

TEST_F(StatusTest, OpensOnTheCurrentStatusAndOkUnchangedChangesNothing) {
  OpenDefault();
  // No status: it opens on no status, and OK leaves the person as they were.
  store::PublisherRecord none = doc.db().row(1);
  none.SetU16(192, 0);
  const store::PublisherRecord none_before = none;
  StatusChoice c(doc.db(), none);
  EXPECT_EQ(c.kind, StatusKind::kClear);
  c.Apply(none);
  EXPECT_EQ(none.bytes, none_before.bytes);
  // A person being added opens as new and gets that status.
  StatusChoice added(doc.db(), none, /*adding=*/true);
  EXPECT_EQ(added.kind, StatusKind::kNew);
  added.Apply(none);
  EXPECT_EQ(none.status_change() & 0x0F, 1);
  // A reactivation from long ago keeps its month nibble and counter when OK changes nothing.
  store::PublisherRecord old = doc.db().row(1);
  old.SetU8(201, 0x52);
  old.SetU8(238, 0x52);
  old.SetU16(192, 20 * 12 + 4);
  const store::PublisherRecord old_before = old;
  StatusChoice again(doc.db(), old);
  EXPECT_EQ(again.kind, StatusKind::kReactivated);
  again.Apply(old);
  EXPECT_EQ(old.bytes, old_before.bytes);
  // A real change is still written.
  again.kind = StatusKind::kRegularTransferred;
  again.Apply(old);
  EXPECT_EQ(old.status_change() & 0x0F, 4);
}

TEST_F(StatusTest, PrivilegeRowsWriteTheirDates) {
  OpenDefault();
  auto& appts = doc.db().side.appointments;
  PrivilegesEditor p(appts, 101, {false, true, false, false, false, false, true});
  p.rows[1].start = {9, 1, 2010};
  p.Apply(appts);
  EXPECT_EQ(FindAppointment(appts, 101, kKindElder)->start(), "09012010");
  EXPECT_EQ(FindAppointment(appts, 101, kKindFieldMissionary)->start(), "");
  EXPECT_EQ(FindAppointment(appts, 101, kKindRegularPioneer), nullptr);
  PrivilegesEditor again(appts, 101, p.ticks());
  EXPECT_EQ(again.rows[1].start, (DateParts{9, 1, 2010}));
}

class TransferTest : public RecordsTest {};

TEST_F(TransferTest, StudentBecomesPublisherWithItsActivityCleared) {
  std::string s = test::PersonRecord(23, 101, "Rui", "Costa", 2);
  test::Put16(s, 384 + 2 * 5, 7);
  s[202 + 5] = 2;
  OpenWith(s);
  const MonthChooser m = TransferPrompt(doc.db(), 1, str::kRecBecamePublisher);
  EXPECT_EQ(m.prompt, "M\xEAs em que Rui Costa tornou-se um publicador");
  EXPECT_EQ(m.month, 12);
  TransferStudentToPublisher(doc.db(), 1, 11, prompter);
  const auto& rec = doc.db().row(1);
  EXPECT_TRUE(rec.is(store::ListType::kActive));
  EXPECT_EQ(rec.status_change(), 11 * 16 + 1);
  EXPECT_EQ(rec.status_copy(), 11 * 16 + 1);
  EXPECT_EQ(rec.status_counter(), 25 * 12 + 10);
  EXPECT_EQ(rec.word(store::SlotWords::kHours, 5), 0);
  EXPECT_EQ(rec.pioneer_code(5), 0);
  EXPECT_EQ(doc.db().status_list(store::ListType::kActive).size(), 1u);
  // January lies after December: the year before.
  EXPECT_EQ(TransferCounter(doc.db(), 1), 25 * 12);
}

TEST_F(TransferTest, ReactivationClearsTheInactiveMonthsOnly) {
  std::string s = test::PersonRecord(23, 101, "Eva", "Dias", 1);
  s[201] = 6 << 4;  // inactive since June
  s[238] = 25;      // of 2025
  s[239] = 0x40 | 0x10 | 0x04;
  test::Put16(s, 384 + 2 * (4 * 3 + 1), 9);   // May 2025: before, kept
  test::Put16(s, 384 + 2 * (7 * 3 + 1), 9);   // August 2025: cleared
  test::Put16(s, 384 + 2 * (11 * 3 + 1), 9);  // December 2025: the month itself, kept
  OpenWith(s);
  ReactivateInactive(doc.db(), 1, 12, prompter);
  const auto& rec = doc.db().row(1);
  EXPECT_TRUE(rec.is(store::ListType::kActive));
  EXPECT_EQ(rec.status_change(), 12 * 16 + 2);
  EXPECT_EQ(rec.attribute_flags(), 0x40 | 0x04);
  EXPECT_EQ(rec.word(store::SlotWords::kHours, 4 * 3 + 1), 9);
  EXPECT_EQ(rec.word(store::SlotWords::kHours, 7 * 3 + 1), 0);
  EXPECT_EQ(rec.word(store::SlotWords::kHours, 11 * 3 + 1), 9);
}

class HouseholdTest : public RecordsTest {};

TEST_F(HouseholdTest, AddAndRemoveMembers) {
  std::string head = test::PersonRecord(23, 101, "Ana", "Borges");
  head[239] = 0x04;
  OpenWith(head + test::PersonRecord(23, 102, "Bruno", "Borges") +
           test::PersonRecord(23, 103, "Carla", "Dias"));
  HouseholdEditor h(doc.db(), 101, true);
  EXPECT_EQ(h.candidates().size(), 2u);
  EXPECT_TRUE(h.AddMember(102));
  ASSERT_EQ(h.members().size(), 1u);
  EXPECT_EQ(h.members()[0].name, "Borges, Bruno");
  EXPECT_TRUE(HasHouseholdMembers(doc.db(), 101));
  HouseholdEditor view(doc.db(), 101, false);
  EXPECT_FALSE(view.RemoveMember(102));
  EXPECT_TRUE(h.RemoveMember(102));
  EXPECT_FALSE(HasHouseholdMembers(doc.db(), 101));
}

}  // namespace
}  // namespace ledra::records
