// The publisher list written as XML: its layout, the Year of each month
// element, the figures of the simplified months and what an inactive
// publisher leaves out.

#include "interchange/publist_export.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;

class PubListExportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened); }
  int Add(const PublisherRecord& p) {
    EXPECT_TRUE(doc.db().AppendRow(p).ok());
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
    return doc.db().FindRow(p.id());
  }
  // The text of the first element `name` inside the n-th month element `tag`.
  static std::string MonthChild(xml::XmlDocument& x, int n, std::string_view tag,
                                std::string_view name) {
    x.ResetCursor();
    x.FindNextSibling("PUBLIST");
    x.Descend();
    x.FindNextChild("Active") || x.FindNextChild("Inactive");
    x.Descend();
    x.FindNextChild("Pub");
    x.Descend();
    for (int i = 0; i <= n; ++i)
      if (!x.FindNextChild(tag)) return "<none>";
    x.Descend();
    std::string out = x.ElementAttribute("Year") + "|";
    if (x.FindNextChild(name))
      out += x.ChildText();
    else
      out += "<none>";
    return out;
  }

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};  // ReportMonth November 2026
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(PubListExportTest, AnActivePublisherWithTheTwentyFourMonths) {
  PublisherRecord p;
  p.set_id(101);
  p.SetText(store::field::kFname, "Jos\xE9");
  p.SetText(store::field::kLname, "Silva");
  p.SetText(store::field::kBirdate, "06121958");
  p.SetText(store::field::kBapdate, "        ");
  p.SetU8(239, store::attr::kMale | 2);
  p.set_group(3);
  const int oct26 = store::MonthSlot(9, 26);
  p.set_pioneer_code(oct26, 2);
  p.set_word(SlotWords::kHours, oct26, 51);
  p.set_word(SlotWords::kStudiesWord, oct26, static_cast<std::uint16_t>(2 | (2 << 12)));
  p.set_word(SlotWords::kPioCredit, oct26, 4);
  const int sep26 = store::MonthSlot(8, 26);  // a publisher's month: only "took part"
  p.set_word(SlotWords::kHours, sep26, 9);
  p.set_word(SlotWords::kPlcmts, sep26, 5);
  p.set_word(SlotWords::kStudiesWord, sep26, store::studies::kParticipated);
  Add(p);
  xml::XmlDocument x = BuildPubList(doc, PubListSection::kActive, {1}, {2026, 12, 8});
  const std::string& text = x.text();
  EXPECT_NE(text.find("<Agent Ver=\"9000\">Ledra</Agent>"), std::string::npos);
  EXPECT_NE(text.find("<Date>2026-12-08</Date>"), std::string::npos);
  EXPECT_NE(text.find("<Count>1</Count>"), std::string::npos);
  EXPECT_NE(text.find("<fname>Jos\xE9</fname>"), std::string::npos);
  EXPECT_NE(text.find("<gender>Male</gender>"), std::string::npos);
  EXPECT_NE(text.find("<birdate>1958-06-12</birdate>"), std::string::npos);
  EXPECT_NE(text.find("<bapdate/>"), std::string::npos);
  EXPECT_NE(text.find("<svt>Elder</svt>"), std::string::npos);
  EXPECT_NE(text.find("<group>3</group>"), std::string::npos);
  // Even-year slots first: Oct and Nov of 2026, Dec of 2024; odd years 2025.
  EXPECT_EQ(MonthChild(x, 0, "Oct", "Hours"), "2026|51\xBD");
  EXPECT_EQ(MonthChild(x, 0, "Oct", "Pio"), "2026|Reg");
  EXPECT_EQ(MonthChild(x, 0, "Oct", "PioCredit"), "2026|4");
  EXPECT_EQ(MonthChild(x, 0, "Dec", "Hours"), "2024|0");
  EXPECT_EQ(MonthChild(x, 1, "Oct", "Hours"), "2025|0");
  // A simplified month of a publisher: "took part" and no counters.
  EXPECT_EQ(MonthChild(x, 0, "Sep", "Hours"), "2026|1");
  EXPECT_EQ(MonthChild(x, 0, "Sep", "Plcmts"), "2026|0");
  EXPECT_EQ(MonthChild(x, 0, "Sep", "PioCredit"), "2026|<none>");
}

TEST_F(PubListExportTest, AnInactivePublisherKeepsOnlyRemarksForItsLastSixMonths) {
  PublisherRecord p;
  p.set_id(102);
  p.SetText(store::field::kFname, "Ana");
  p.SetText(store::field::kLname, "Costa");
  p.set_list_type(store::ListType::kInactive);
  p.SetU8(201, 3 << 4);  // March
  p.SetU8(238, 23);      // 2023: the earlier form
  const int feb23 = store::MonthSlot(1, 23);
  p.set_word(SlotWords::kStudiesWord, feb23, store::studies::kParticipated);
  const int jun22 = store::MonthSlot(5, 22);
  p.set_word(SlotWords::kHours, jun22, 7);
  Add(p);
  xml::XmlDocument x = BuildPubList(doc, PubListSection::kInactive, {1}, {2026, 12, 8});
  EXPECT_NE(x.text().find("<inamonth>3</inamonth>"), std::string::npos);
  EXPECT_NE(x.text().find("<inayear>2023</inayear>"), std::string::npos);
  EXPECT_EQ(x.text().find("<svt>"), std::string::npos);
  // March 2023 inactive: January to March of 2023 and October to December
  // of 2022 keep their remark only.
  // The even years' run (2022) comes first.
  EXPECT_EQ(MonthChild(x, 1, "Feb", "Hours"), "2023|<none>");
  EXPECT_EQ(MonthChild(x, 1, "Feb", "Remark"), "2023|Menos de 1 h.");
  EXPECT_EQ(MonthChild(x, 0, "Dec", "Hours"), "2022|<none>");
  EXPECT_EQ(MonthChild(x, 0, "Jun", "Hours"), "2022|7");
  EXPECT_EQ(MonthChild(x, 1, "Apr", "Hours"), "2023|0");
}

TEST_F(PubListExportTest, TheFileGoesToTheExportFolder) {
  PublisherRecord p;
  p.set_id(103);
  p.SetText(store::field::kLname, "Dias");
  Add(p);
  const auto exports = ExportFolder(folder.path());
  ASSERT_TRUE(exports.ok());
  const platform::Path file = *exports / PubListFileName(PubListSection::kActive);
  ASSERT_TRUE(WritePubList(doc, PubListSection::kActive, {1}, {2026, 12, 8}, file).ok());
  EXPECT_TRUE(platform::FileExists(folder.path() / "Exports" / "Active.xml"));
  EXPECT_FALSE(
      WritePubList(doc, PubListSection::kActive, {1}, {2026, 12, 8}, folder.path() / "no" / "x.xml")
          .ok());
}

}  // namespace
}  // namespace ledra::interchange
