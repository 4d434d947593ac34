#include "records/side_records.h"

#include <gtest/gtest.h>

#include "records/publisher_editor.h"
#include "records_fixture.h"

namespace ledra::records {
namespace {

class SideRecordsTest : public RecordsTest {};

TEST_F(SideRecordsTest, AContactSharedByTwoPeopleWarnsAndEditsBoth) {
  OpenDefault();
  PublisherEditor ana(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  {
    EmergencyContactEditor c(doc, ana.working());
    c.name = "Jorge Borges";
    c.mobile = "912";
    c.witness = true;
    EXPECT_EQ(c.warning(), "");
    ASSERT_TRUE(c.Apply().ok());
  }
  ASSERT_EQ(*ana.Save({}), SaveResult::kSaved);
  const std::uint16_t key = doc.db().row(RowOf(101)).emergency_key();
  ASSERT_NE(key, 0);

  PublisherEditor bruno(doc, settings, prompter, EditorMode::kEdit, RowOf(102));
  {
    EmergencyContactEditor c(doc, bruno.working());
    ASSERT_EQ(c.shared_choices().size(), 1u);
    c.UseShared(key);
    EXPECT_EQ(c.name, "Jorge Borges");
    EXPECT_EQ(c.warning(), "Este contacto \xE9 partilhado.  Edita-lo afectar\xE1 outros usuarios.");
    c.mobile = "913";
    ASSERT_TRUE(c.Apply().ok());
  }
  ASSERT_EQ(*bruno.Save({}), SaveResult::kSaved);
  EXPECT_EQ(doc.db().row(RowOf(102)).emergency_key(), key);
  EXPECT_EQ(doc.FindContact(key)->mobile(), "913");
  EXPECT_TRUE(doc.FindContact(key)->witness());

  // Stopping leaves the contact to the other person.
  PublisherEditor again(doc, settings, prompter, EditorMode::kEdit, RowOf(102));
  {
    EmergencyContactEditor c(doc, again.working());
    c.StopSharing();
    ASSERT_TRUE(c.Apply().ok());
  }
  ASSERT_EQ(*again.Save({}), SaveResult::kSaved);
  EXPECT_EQ(doc.db().row(RowOf(102)).emergency_key(), 0);
  EXPECT_EQ(doc.db().row(RowOf(101)).emergency_key(), key);
  Reopen();
  store::Document d(folder.path(), clock, prompter);
  ASSERT_EQ(d.Open({}), store::OpenOutcome::kOpened);
  EXPECT_EQ(d.FindContact(d.db().row(d.db().FindRow(101)).emergency_key())->mobile(), "913");
}

TEST_F(SideRecordsTest, ANeedSharedByTwoPeopleAndTheFullName) {
  OpenDefault();
  PublisherEditor ana(doc, settings, prompter, EditorMode::kEdit, RowOf(101));
  {
    ExpandedInfo x(doc, ana.working(), ana.extension());
    x.full_name = "Ana Maria Borges";
    x.need = "Cadeira de rodas";
    ASSERT_TRUE(x.Apply().ok());
  }
  ASSERT_EQ(*ana.Save({}), SaveResult::kSaved);
  const std::uint16_t key = doc.db().row(RowOf(101)).specneed_key();
  ASSERT_NE(key, 0);
  EXPECT_EQ(doc.ReadExtension(RowOf(101))->longname(), "Ana Maria Borges");

  PublisherEditor carla(doc, settings, prompter, EditorMode::kEdit, RowOf(103));
  {
    ExpandedInfo x(doc, carla.working(), carla.extension());
    ASSERT_EQ(x.shared_choices().size(), 1u);
    x.UseShared(key);
    EXPECT_EQ(x.need, "Cadeira de rodas");
    EXPECT_FALSE(x.warning().empty());
    x.need = "Cadeira de rodas e rampa";
    ASSERT_TRUE(x.Apply().ok());
  }
  ASSERT_EQ(*carla.Save({}), SaveResult::kSaved);
  EXPECT_EQ(doc.db().row(RowOf(103)).specneed_key(), key);
  EXPECT_EQ(doc.FindNeed(key)->need(), "Cadeira de rodas e rampa");
  EXPECT_EQ(NeedUsers(doc.db(), 101, key), 2);
}

}  // namespace
}  // namespace ledra::records

namespace ledra::records {
namespace {

class SideRecordsStopTest : public RecordsTest {};

TEST_F(SideRecordsStopTest, EmptyingASharedNeedLeavesItToTheOthers) {
  OpenDefault();
  store::SpecialNeed n;
  n.set_text(2, 94, "Rampa");
  const auto key = doc.WriteNeed(0, n);
  ASSERT_TRUE(key.ok());
  doc.db().row(RowOf(101)).set_specneed_key(*key);
  doc.db().row(RowOf(102)).set_specneed_key(*key);
  PublisherEditor ed(doc, settings, prompter, EditorMode::kEdit, RowOf(102));
  ExpandedInfo x(doc, ed.working(), ed.extension());
  EXPECT_EQ(x.warning(),
            "Esta \xE9 uma necessidade partilhada.  Edit\xE1-la afectar\xE1 outros usu\xE1rios.");
  x.need.clear();
  ASSERT_TRUE(x.Apply().ok());
  ASSERT_EQ(*ed.Save({}), SaveResult::kSaved);
  EXPECT_EQ(doc.db().row(RowOf(102)).specneed_key(), 0);
  EXPECT_EQ(doc.FindNeed(*key)->need(), "Rampa");
}

}  // namespace
}  // namespace ledra::records
