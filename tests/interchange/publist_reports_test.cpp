// A month's reports read from a publisher list in XML: who is matched, which
// month element is taken, and what the simplified form keeps.

#include "interchange/publist_reports.h"

#include <gtest/gtest.h>

#include "interchange/import_dialog_model.h"
#include "platform/string_ids.h"
#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;
namespace studies = store::studies;

constexpr int kNovSlot = 30;  // November 2026

std::string File(const std::string& pubs) {
  return "<PUBLIST><Agent Ver=\"9000\">Ledra</Agent><Count>3</Count><Active>" + pubs +
         "</Active></PUBLIST>";
}

std::string Pub(const std::string& id, const std::string& first, const std::string& months) {
  return "<Pub><id>" + id + "</id><fname>" + first + "</fname><lname>Lima</lname>" + months +
         "</Pub>";
}

std::string Nov(const std::string& year, const std::string& hours, const std::string& remark,
                const std::string& pio) {
  return "<Nov" + (year.empty() ? std::string() : " Year=\"" + year + "\"") +
         "><a>4</a><b>1</b><c>" + hours + "</c><d>2</d><e>3</e><Remark>" + remark +
         "</Remark><Pio>" + pio + "</Pio></Nov>";
}

class PubListReportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
    for (auto [id, first] : {std::pair{101, "Rui"}, std::pair{102, "Ana"}, std::pair{103, "Eva"}}) {
      PublisherRecord p;
      p.set_id(static_cast<std::uint16_t>(id));
      p.SetText(store::field::kFname, first);
      p.SetText(store::field::kLname, "Lima");
      ASSERT_TRUE(doc.db().AppendRow(p).ok());
    }
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
  }
  const PublisherRecord& Rec(std::uint16_t id) { return doc.db().row(doc.db().FindRow(id)); }

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(PubListReportsTest, TheReportMonthOfThePeopleOnFile) {
  const std::string file =
      File(Pub("101", "Rui", Nov("2026", "12", "Ajudou", "")) +
           Pub("999", "Ana", Nov("2026", "5", "", "")) +  // another id: not Ana
           Pub("0", "Eva", Nov("2025", "9", "", "") + Nov("", "7\xBD", "", "Aux")));
  const auto table = ReadXmlReports(file, doc);
  ASSERT_TRUE(table.ok());
  ASSERT_EQ(table->records.size(), 1u);  // Eva's first November is last year's
  EXPECT_EQ(table->matches[0], 101);
  const PublisherRecord& rui = table->records[0];
  // The simplified form: no publications, videos or visits; no pioneer, no hours.
  EXPECT_EQ(rui.word(SlotWords::kPlcmts, kNovSlot), 0);
  EXPECT_EQ(rui.word(SlotWords::kReturnVisits, kNovSlot), 0);
  EXPECT_EQ(rui.word(SlotWords::kHours, kNovSlot), 0);
  EXPECT_EQ(rui.word(SlotWords::kStudiesWord, kNovSlot), studies::kParticipated | 3);
  ASSERT_EQ(table->remarks.size(), 1u);
  EXPECT_EQ(rui.word(SlotWords::kRemarkIndex, kNovSlot), 1);

  ImportDialogModel model(doc, *table);
  ASSERT_EQ(model.lines().size(), 1u);
  const int all[] = {0};
  model.Merge(doc, all);
  EXPECT_EQ(Rec(101).word(SlotWords::kStudiesWord, kNovSlot), studies::kParticipated | 3);
  EXPECT_EQ(doc.RemarkText(doc.db().FindRow(101), kNovSlot), "Ajudou");
}

TEST_F(PubListReportsTest, AnAuxiliaryPioneerKeepsHisHours) {
  const auto table = ReadXmlReports(File(Pub("103", "Eva", Nov("", "7\xBD", "", "Aux"))), doc);
  ASSERT_TRUE(table.ok());
  ASSERT_EQ(table->records.size(), 1u);
  const PublisherRecord& eva = table->records[0];
  EXPECT_EQ(eva.word(SlotWords::kHours, kNovSlot), 7);
  EXPECT_EQ(eva.word(SlotWords::kStudiesWord, kNovSlot) >> studies::kQuarterShift, 2);
  EXPECT_EQ(eva.pioneer_code(kNovSlot) & 3, 1);
}

TEST_F(PubListReportsTest, ADamagedFileIsRefused) {
  const auto table = ReadXmlReports("<PUBLIST><Count>0</Count></PUBLIST>", doc);
  ASSERT_FALSE(table.ok());
  EXPECT_EQ(table.error().id, str::kXmlInvalid);
}

}  // namespace
}  // namespace ledra::interchange
