// Reading a publisher list back from XML: what the file must hold, updating
// or adding each publisher, the hours with their fractions, the months kept,
// and a whole list exported and imported into an empty folder.

#include "interchange/publist_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/string_ids.h"
#include "store/demo_congregation.h"
#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

using store::PublisherRecord;
using store::SlotWords;

std::string File(int count, const std::string& pubs, const std::string& section = "Active") {
  return "<PUBLIST><Agent Ver=\"9000\">Ledra</Agent><Count>" + std::to_string(count) + "</Count><" +
         section + ">" + pubs + "</" + section + "></PUBLIST>";
}

std::string Pub(const std::string& inner) {
  return "<Pub>" + inner + "</Pub>";
}

class PubListImportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened); }
  Result<ImportOutcome> Import(const std::string& bytes,
                               DuplicateChoice d = DuplicateChoice::kUpdate) {
    const Result<PubListFile> file = ReadPubListBytes(bytes, doc.db());
    if (!file) return file.error();
    std::vector<int> all;
    for (std::size_t i = 0; i < file->entries.size(); ++i) all.push_back(static_cast<int>(i));
    return ImportPubList(doc, *file, all, d, prompter);
  }
  const PublisherRecord& Person(std::uint16_t id) { return doc.db().row(doc.db().FindRow(id)); }

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};  // ReportMonth November 2026
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(PubListImportTest, AFileMissingWhatItMustHoldIsRefused) {
  const std::string ana = Pub("<id>5</id><fname>Ana</fname><lname>Silva</lname>");
  for (const std::string& bad :
       {File(0, ana), File(300, ana), std::string("not xml at all"), std::string("<LIST/>"),
        File(1, Pub("<id>5</id><fname>Ana</fname>")),
        File(1, Pub("<id>-3</id><fname>Ana</fname><lname>Silva</lname>")),
        std::string("<PUBLIST><Count>1</Count></PUBLIST>")}) {
    const auto file = ReadPubListBytes(bad, doc.db());
    ASSERT_FALSE(file.ok()) << bad;
    EXPECT_EQ(file.error().id, str::kXmlInvalid);
  }
  EXPECT_EQ(doc.db().count(), 1);
  EXPECT_FALSE(doc.db().modified);
}

TEST_F(PubListImportTest, HoursWithTheirFractions) {
  for (std::string_view text : {"7.5", "7\xBD", "7.50"})
    EXPECT_EQ(ParseHoursText(text), (std::pair{7, 2})) << text;
  EXPECT_EQ(ParseHoursText("7.3"), (std::pair{7, 0}));
  EXPECT_EQ(ParseHoursText("12\xBE"), (std::pair{12, 3}));
  EXPECT_EQ(ParseHoursText("x"), (std::pair{0, 0}));
}

TEST_F(PubListImportTest, ANewPublisherWithMonthsOfTheWindowOnly) {
  const std::string month =
      "<Oct Year=\"2026\"><a>1</a><b>2</b><c>51.75</c><d>3</d><e>4</e>"
      "<Remark>Bom m\xEAs</Remark><Pio>Reg</Pio><PioCredit>6</PioCredit></Oct>";
  const std::string old = "<Nov Year=\"2024\"><a>9</a><b>9</b><c>9</c><d>9</d><e>9</e></Nov>";
  const auto outcome = Import(File(1, Pub("<fname>Ana</fname><lname>Silva</lname>"
                                          "<gender>Female</gender><birdate>1961-04-10</birdate>"
                                          "<svt>MinSvt</svt>" +
                                          month + old)));
  ASSERT_TRUE(outcome.ok()) << outcome.error().text;
  ASSERT_EQ(outcome->added.size(), 1u);
  const std::uint16_t id = outcome->added[0];
  EXPECT_GE(id, store::kFirstPersonId);  // no id in the file: a new one
  const PublisherRecord& p = Person(id);
  EXPECT_TRUE(p.is(store::ListType::kActive));
  EXPECT_EQ(p.Text(store::field::kBirdate), "04101961");
  EXPECT_EQ(p.attribute_flags() & (store::attr::kFemale | store::attr::kServantMask),
            store::attr::kFemale | 1);
  const int oct = store::MonthSlot(9, 26);
  EXPECT_EQ(p.word(SlotWords::kHours, oct), 51);
  // The fifth child is the studies whatever its name; the fraction on top.
  EXPECT_EQ(p.word(SlotWords::kStudiesWord, oct), 4 | (3 << 12));
  EXPECT_EQ(p.word(SlotWords::kPlcmts, oct), 1);
  EXPECT_EQ(p.pioneer_code(oct) & 3, 2);
  EXPECT_EQ(p.word(SlotWords::kPioCredit, oct), 6);
  EXPECT_EQ(doc.RemarkText(doc.db().FindRow(id), oct), "Bom m\xEAs");
  // November 2024 lies outside the 24 months that end with November 2026.
  EXPECT_EQ(p.word(SlotWords::kHours, store::MonthSlot(10, 24)), 0);
}

TEST_F(PubListImportTest, TheSameFileTwiceUpdatesNothingOrAddsSecondCopies) {
  const std::string bytes = File(
      2, Pub("<id>7</id><fname>Ana</fname><lname>Silva</lname>"
             "<Sep Year=\"2026\"><a>0</a><b>0</b><c>50</c><d>0</d><e>1</e><Pio>Reg</Pio></Sep>") +
             Pub("<id>8</id><fname>Bernardete Maria</fname><lname>Costa</lname>"));
  ASSERT_TRUE(Import(bytes).ok());
  const auto rows = doc.db().rows();
  const auto again = Import(bytes);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again->updated.size(), 2u);
  EXPECT_TRUE(again->added.empty());
  ASSERT_EQ(doc.db().rows().size(), rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r)
    EXPECT_EQ(doc.db().rows()[r].bytes, rows[r].bytes) << r;

  const auto copies = Import(bytes, DuplicateChoice::kNew);
  ASSERT_TRUE(copies.ok());
  ASSERT_EQ(copies->added.size(), 2u);
  EXPECT_EQ(Person(copies->added[0]).fname(), "Ana2");
  EXPECT_EQ(Person(copies->added[1]).fname(), "Bernardete Ma2");  // cut to 13 first
}

TEST_F(PubListImportTest, ANewPublisherKeepsHisFileIdWhenItIsFree) {
  const auto first = Import(File(2, Pub("<id>250</id><fname>Ana</fname><lname>Silva</lname>") +
                                        Pub("<fname>Rui</fname><lname>Silva</lname>")));
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first->added, (std::vector<std::uint16_t>{250, 100}));
  // 250 is taken now: Eva gets the first free id, as anyone new.
  const auto second = Import(File(1, Pub("<id>250</id><fname>Eva</fname><lname>Lobo</lname>")));
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second->added, (std::vector<std::uint16_t>{101}));
}

TEST_F(PubListImportTest, TheTallyCountsTheListAndStopsAtItsLimit) {
  const auto file = ReadPubListBytes(
      File(1, Pub("<fname>Ana</fname><lname>Silva</lname>"), "Non-Publishers"), doc.db());
  ASSERT_TRUE(file.ok());
  const ImportTally t = TallyOf(doc.db(), *file, {0});
  EXPECT_EQ(t.line,
            "Estudantes da B\xED"
            "blia 0 + 1 = 1");
  EXPECT_FALSE(t.too_many);
}

TEST(PubListRoundTrip, AWholeActiveListComesBackWithItsTwentyFourMonths) {
  TempFolder root;
  ScriptedPrompter prompter;
  FixedClock clock{Date{2026, 12, 8}};
  store::DemoOptions options;
  options.people = 60;
  options.today = {2026, 12, 8};
  ASSERT_TRUE(store::WriteDemoCongregation(root.path() / "from", options, prompter).ok());
  store::Document from(root.path() / "from", clock, prompter);
  ASSERT_EQ(from.Open({}), store::OpenOutcome::kOpened);
  std::vector<int> rows;
  for (const store::IndexEntry& e : from.db().status_list(store::ListType::kActive))
    rows.push_back(e.row);
  const platform::Path file = root.path() / "Active.xml";
  ASSERT_TRUE(WritePubList(from, PubListSection::kActive, rows, {2026, 12, 8}, file).ok());

  store::Document to(root.path() / "to", clock, prompter);
  ASSERT_TRUE(platform::CreateFolders(root.path() / "to").ok());
  ASSERT_EQ(to.Open({}), store::OpenOutcome::kOpened);
  const auto read = ReadPubList(file, to.db());
  ASSERT_TRUE(read.ok());
  std::vector<int> all;
  for (std::size_t i = 0; i < read->entries.size(); ++i) all.push_back(static_cast<int>(i));
  ASSERT_TRUE(ImportPubList(to, *read, all, DuplicateChoice::kUpdate, prompter).ok());
  ASSERT_EQ(to.db().status_list(store::ListType::kActive).size(), rows.size());
  for (int row : rows) {
    const PublisherRecord& a = from.db().row(row);
    // Two people of one name cannot be told apart by name.
    const auto same = std::count_if(rows.begin(), rows.end(), [&](int r) {
      return from.db().row(r).fname() == a.fname() && from.db().row(r).lname() == a.lname();
    });
    if (same > 1) continue;
    int found = 0;
    for (const store::IndexEntry& e : to.db().status_list(store::ListType::kActive))
      if (to.db().row(e.row).fname() == a.fname() && to.db().row(e.row).lname() == a.lname())
        found = e.row;
    ASSERT_NE(found, 0) << a.fname();
    const PublisherRecord& b = to.db().row(found);
    for (int s = 0; s < store::kSlotCount; ++s) {
      for (SlotWords w : {SlotWords::kPlcmts, SlotWords::kVideos, SlotWords::kHours,
                          SlotWords::kReturnVisits, SlotWords::kStudiesWord})
        EXPECT_EQ(a.word(w, s), b.word(w, s))
            << a.fname() << " slot " << s << " word " << static_cast<int>(w);
      EXPECT_EQ(a.pioneer_code(s) & 3, b.pioneer_code(s) & 3) << a.fname() << " slot " << s;
      EXPECT_EQ(from.RemarkText(row, s), to.RemarkText(found, s)) << a.fname() << " slot " << s;
    }
  }
}

}  // namespace
}  // namespace ledra::interchange
