#include "store/demo_congregation.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/files.h"
#include "store/demo_names.h"
#include "store/document.h"
#include "store/name_collation.h"
#include "store/remark_file.h"
#include "store/text_scrambler.h"
#include "support/temp_folder.h"

namespace ledra::store {
namespace {

std::map<std::string, std::string> Files(const platform::Path& folder) {
  std::map<std::string, std::string> files;
  const auto names = platform::ListFolder(folder, "*");
  for (const auto& name : *names) {
    if (name == "rmkundo.dat" || name.starts_with(".")) continue;
    files[name] = *platform::ReadFileIfPresent(folder / name);
  }
  return files;
}

class DemoTest : public ::testing::Test {
 protected:
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  TempFolder folder;

  std::unique_ptr<Document> Open() {
    auto doc = std::make_unique<Document>(folder.path(), clock, prompter);
    doc->Open({});
    return doc;
  }
};

TEST_F(DemoTest, TheDemoFolderIsConsistent) {
  ASSERT_TRUE(WriteDemoCongregation(folder.path(), {}, prompter).ok());
  auto doc = Open();
  const CongregationDatabase& db = doc->db();
  EXPECT_FALSE(db.modified);  // nothing to repair at opening
  EXPECT_EQ(db.people(), 121);
  EXPECT_GT(db.list_count(ListType::kActive), 60);
  EXPECT_EQ(db.list_count(ListType::kCircuitOverseer), 1);
  EXPECT_EQ(db.circuit_overseer_row(), db.count() - 1);

  std::set<std::uint16_t> ids;
  for (int r = 1; r < db.count(); ++r) {
    const PublisherRecord& p = db.row(r);
    EXPECT_TRUE(ids.insert(p.id()).second) << "id repeated: " << p.id();
    EXPECT_LE(p.fname().size(), 14u);  // what the editor lets the secretary type
    EXPECT_LE(p.lname().size(), 14u);
    if (p.household()) {
      EXPECT_GT(db.FindRow(p.household()), 0);
    }
    if (p.emergency_key()) {
      EXPECT_NE(doc->FindContact(p.emergency_key()), nullptr);
    }
    if (p.specneed_key()) {
      EXPECT_NE(doc->FindNeed(p.specneed_key()), nullptr);
    }
    if (p.extension_index()) {
      EXPECT_TRUE(doc->ReadExtension(r).has_value());
    }
    EXPECT_LE(p.group(), db.side.groups.count());
    if (r > 1 && r < db.count() - 1) {
      EXPECT_FALSE(db.SortsBefore(p, db.row(r - 1))) << "rows out of order at " << r;
    }
  }
  // Group overseers and assistants are active elders or ministerial servants.
  for (int g = 1; g <= db.side.groups.count(); ++g) {
    const std::string overseer = db.side.groups.text(g, GroupTable::Text::kOverseer);
    if (overseer.empty()) continue;
    bool found = false;
    for (int r = 1; r < db.count(); ++r) {
      const PublisherRecord& p = db.row(r);
      const int servant = p.attribute_flags() & attr::kServantMask;
      found |= p.is(ListType::kActive) && (servant == 1 || servant == 2) &&
               db.DisplayName(r, false) == overseer;
    }
    EXPECT_TRUE(found) << overseer;
  }
  EXPECT_EQ(db.late_entries().size(), 4u);
  EXPECT_GT(db.side.remarks.size(), 10u);
}

TEST_F(DemoTest, SameSeedSameFolderAndARoundTripChangesNothing) {
  ASSERT_TRUE(WriteDemoCongregation(folder.path(), {}, prompter).ok());
  TempFolder twin;
  ASSERT_TRUE(WriteDemoCongregation(twin.path(), {}, prompter).ok());
  const auto files = Files(folder.path());
  EXPECT_TRUE(files == Files(twin.path()));
  {
    auto doc = Open();
    ASSERT_TRUE(doc->SaveCommand(false).ok());
  }
  const auto resaved = Files(folder.path());
  for (const auto& [name, bytes] : files) EXPECT_TRUE(resaved.at(name) == bytes) << name;
  EXPECT_FALSE(WriteDemoCongregation(folder.path(), {}, prompter).ok());  // never over data
}

TEST_F(DemoTest, AFullFolderReachesEveryCapacityAndRefusesOneMorePerson) {
  DemoOptions options;
  options.full = true;
  ASSERT_TRUE(WriteDemoCongregation(folder.path(), options, prompter).ok());
  auto doc = Open();
  CongregationDatabase& db = doc->db();
  EXPECT_EQ(db.count(), kMaxRecords);
  EXPECT_EQ(db.side.remarks.size(), static_cast<std::size_t>(kRemarkTableFullAt));
  EXPECT_EQ(db.side.extensions.size(), static_cast<std::size_t>(kMaxExtensionPositions));
  EXPECT_EQ(db.side.contacts.size(), static_cast<std::size_t>(kMaxEmergencyContacts));
  EXPECT_EQ(db.side.needs.size(), static_cast<std::size_t>(kMaxSpecialNeeds));
  EXPECT_EQ(db.side.appointments.size(), static_cast<std::size_t>(kMaxAppointments));
  const Status more = db.AppendRow(PublisherRecord{});
  EXPECT_FALSE(more.ok());
  EXPECT_NE(more.error().text.find("1509"), std::string::npos);
  EXPECT_FALSE(doc->SetRemark(1, 0, 0, "mais").ok());
}

TEST_F(DemoTest, EveryDemoNameAndPlaceSurvivesASaveAndALoad) {
  // One person per name of the lists, in a new folder (the program's own base).
  std::vector<std::pair<std::string, std::string>> names;
  for (auto list : {demo::MaleNames(), demo::FemaleNames()})
    for (std::string_view first : list) names.emplace_back(first, "Silva");
  for (std::string_view last : demo::Surnames()) names.emplace_back("Ana", last);
  std::vector<std::string> addresses;
  for (std::string_view street : demo::Streets())
    for (std::string_view town : demo::Towns())
      addresses.push_back(std::string(street) + " 123, " + std::string(town));
  {
    auto doc = Open();
    std::uint16_t id = 100;
    for (std::size_t k = 0; k < names.size(); ++k) {
      PublisherRecord p;
      p.set_id(id++);
      p.SetText(field::kFname, names[k].first);
      p.SetText(field::kLname, names[k].second);
      p.SetText(field::kAddr, addresses[k % addresses.size()]);
      ASSERT_TRUE(doc->db().AppendRow(p).ok());
    }
    doc->db().modified = true;
    ASSERT_TRUE(doc->SaveCommand(false).ok());
  }
  auto doc = Open();
  EXPECT_EQ(doc->scramble_base(), kDefaultScrambleBase);
  std::set<std::pair<std::string, std::string>> read;
  std::set<std::string> read_addresses;
  for (int r = 1; r < doc->db().count(); ++r) {
    read.emplace(doc->db().row(r).fname(), doc->db().row(r).lname());
    read_addresses.insert(doc->db().row(r).Text(field::kAddr));
  }
  for (const auto& n : names) EXPECT_TRUE(read.count(n)) << n.first << " " << n.second;
  for (std::size_t k = 0; k < std::min(names.size(), addresses.size()); ++k)
    EXPECT_TRUE(read_addresses.count(addresses[k])) << addresses[k];
}

TEST_F(DemoTest, TheDemoNeverShortensAName) {
  ASSERT_TRUE(WriteDemoCongregation(folder.path(), {}, prompter).ok());
  std::set<std::string> firsts, lasts;
  for (auto list : {demo::MaleNames(), demo::FemaleNames()})
    for (std::string_view n : list) firsts.emplace(n);
  for (std::string_view n : demo::Surnames()) lasts.emplace(n);
  auto doc = Open();
  for (int r = 1; r + 1 < doc->db().count(); ++r) {  // the circuit overseer is last
    const PublisherRecord& p = doc->db().row(r);
    EXPECT_TRUE(firsts.count(p.fname())) << p.fname();
    const std::string last = p.lname();
    const auto blank = last.find(' ');
    EXPECT_TRUE(lasts.count(last.substr(0, blank))) << last;
    if (blank != std::string::npos) {
      EXPECT_TRUE(lasts.count(last.substr(blank + 1))) << last;
    }
  }
}

}  // namespace
}  // namespace ledra::store
