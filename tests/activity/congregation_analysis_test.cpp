#include "activity/congregation_analysis.h"

#include <gtest/gtest.h>

#include "activity/late_entry_list.h"
#include "store/side_tables.h"

namespace ledra::activity {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

constexpr int kMarch = 6;    // slot of March 2026
constexpr int kJanuary = 0;  // slot of January 2026

// March 2026 open; people are added by id with a name, group and baptism.
class AnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.SetToday(2026, 4, 10);
    db.header().bytes[store::header::kMonthStates + 2] = 1;
  }
  PublisherRecord& Add(std::uint16_t id, std::string_view last, int group, bool baptised = true,
                       ListType list = ListType::kActive) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, "A");
    p.SetText(store::field::kLname, last);
    if (baptised) p.SetText(store::field::kBapdate, "05101990");
    p.set_group(static_cast<std::uint8_t>(group));
    p.set_list_type(list);
    EXPECT_TRUE(db.AppendRow(p).ok());
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    return db.row(db.FindRow(id));
  }
  PublisherRecord& Get(std::uint16_t id) { return db.row(db.FindRow(id)); }
  // A report for the slot and the five months before it, so nobody is irregular.
  static void Report(PublisherRecord& p, int slot, int code, int hours, int studies) {
    p.set_pioneer_code(slot, static_cast<std::uint8_t>(code));
    p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
    p.set_word(SlotWords::kStudiesWord, slot, static_cast<std::uint16_t>(0x0800 | studies));
  }
  static void Regular(PublisherRecord& p, int code) {
    // October 2025 .. February 2026: slots of the year before and this one.
    for (int slot : {9 * 3 + 1, 10 * 3 + 1, 11 * 3 + 1, 0, 3}) Report(p, slot, code, 10, 0);
  }
  const AnalysisLine* Find(const Analysis& a, std::string_view last) const {
    for (const auto& s : a.sections)
      for (const auto& l : s.lines)
        if (l.name.find(last) != std::string::npos) return &l;
    return nullptr;
  }
  std::vector<std::string> Headings(const Analysis& a) const {
    std::vector<std::string> out;
    for (const auto& s : a.sections) out.push_back(s.heading);
    return out;
  }

  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

TEST_F(AnalysisTest, MarksOfEachKindOfPublisher) {
  PublisherRecord& reported = Add(101, "Reported", 1);
  Regular(reported, 0);
  Report(reported, kMarch, 0, 0, 0);  // participated, no hours, no studies
  Regular(Add(102, "Silent", 1), 0);
  PublisherRecord& pioneer = Add(103, "Pioneer", 1, /*baptised=*/false);
  Regular(pioneer, 2);
  Report(pioneer, kMarch, 2, 50, 1);
  PublisherRecord& servant = Add(104, "Servant", 1);
  Regular(servant, 2);
  Report(servant, kMarch, 2, 70, 3);
  servant.SetU16(194, store::kAppointmentSpecialServant);
  PublisherRecord& missionary = Add(105, "Missionary", 1);
  Regular(missionary, 0);
  Report(missionary, kMarch, 0, 80, 2);
  missionary.SetU16(194, store::kAppointmentFieldMissionary);
  Add(106, "Irregular", 1);
  PublisherRecord& unbaptised = Add(107, "Student", 1, false);
  Regular(unbaptised, 0);

  const Analysis a = BuildAnalysis(db, AnalysisOrder::kAlphabetical, 0, true);
  // A box without "#"; "#" without a box.
  EXPECT_TRUE(Find(a, "Reported")->cells.reported);
  EXPECT_EQ(Find(a, "Reported")->marks, "");
  EXPECT_FALSE(Find(a, "Silent")->cells.reported);
  EXPECT_EQ(Find(a, "Silent")->marks, "#");
  // The pioneer mark takes the place of the unbaptised mark.
  EXPECT_EQ(Find(a, "Pioneer")->marks, "p ");
  EXPECT_EQ(Find(a, "Pioneer")->cells.hours, 50);
  EXPECT_EQ(Find(a, "Servant")->marks, "+");
  EXPECT_EQ(Find(a, "Servant")->cells.hours, 0);
  EXPECT_EQ(Find(a, "Missionary")->marks, "m ");
  EXPECT_EQ(Find(a, "Missionary")->cells.hours, 0);
  EXPECT_EQ(Find(a, "Missionary")->cells.studies, 2);
  EXPECT_EQ(Find(a, "Irregular")->marks, "#i");
  EXPECT_EQ(Find(a, "Student")->marks, "\xa7 #");

  const AnalysisTallies& t = a.tallies;
  EXPECT_EQ(t.listed[0], 5);
  EXPECT_EQ(t.listed[2], 2);
  EXPECT_EQ(t.special_servants, 1);
  EXPECT_EQ(t.field_missionaries, 1);
  EXPECT_EQ(t.unbaptised, 2);
  EXPECT_EQ(t.not_reported[0], 3);
  EXPECT_EQ(t.TotalIrregular(), 1);
  // The special servant and the field missionary stay out of the studies and
  // hours tallies and out of the "Pub" count.
  EXPECT_EQ(t.studies[0], 0);
  EXPECT_EQ(t.studies[2], 1);
  EXPECT_EQ(t.hours[2], 50);
  // Each category leaves out its own special servants and missionaries.
  EXPECT_EQ(t.Reporting(0), 1);  // 5 listed - 1 missionary - 3 silent
  EXPECT_EQ(t.Reporting(2), 1);  // 2 listed - 1 servant
}

TEST_F(AnalysisTest, KindOneListsPioneersFirstThenEachGroupThenTheUngrouped) {
  Report(Add(101, "Zeta", 2), kMarch, 0, 0, 1);
  Report(Add(102, "Beta", 1), kMarch, 2, 60, 0);
  Report(Add(103, "Alfa", 0), kMarch, 0, 0, 0);
  Report(Add(104, "Gama", 1), kMarch, 1, 30, 0);
  db.side.groups.set_count(2);
  const Analysis a = BuildAnalysis(db, AnalysisOrder::kPioneersThenGroups, 0, true);
  ASSERT_EQ(a.sections.size(), 4u);
  EXPECT_EQ(Headings(a), (std::vector<std::string>{"  Pioneiros (Reg. e Espec.)", "  Grupo 1",
                                                   "  Grupo 2", "Publicadores n\xe3o designados"}));
  EXPECT_EQ(a.sections[0].lines.size(), 1u);
  EXPECT_NE(a.sections[0].lines[0].name.find("Beta"), std::string::npos);
  EXPECT_NE(a.sections[1].lines[0].name.find("Gama"), std::string::npos);
  EXPECT_TRUE(a.sections[1].lines[0].cells.auxiliary);
  EXPECT_NE(a.sections[2].lines[0].name.find("Zeta"), std::string::npos);
  EXPECT_NE(a.sections[3].lines[0].name.find("Alfa"), std::string::npos);
  EXPECT_EQ(a.tallies.auxiliary, 1);
}

TEST_F(AnalysisTest, ALateJanuaryReportEnteredInMarchShowsUnderTheLine) {
  PublisherRecord& eva = Add(101, "Eva", 1);
  Report(eva, kJanuary, 2, 40, 2);
  Report(eva, kMarch, 2, 55, 1);
  QueueLateReport(db, 101, 0);
  const Analysis a = BuildAnalysis(db, AnalysisOrder::kAlphabetical, 0, true);
  const AnalysisLine* line = Find(a, "Eva");
  ASSERT_NE(line, nullptr);
  ASSERT_EQ(line->late.size(), 1u);
  EXPECT_EQ(line->late[0].month_index, 0);
  EXPECT_TRUE(line->late[0].cells.reported);
  EXPECT_EQ(line->late[0].cells.hours, 40);
  EXPECT_EQ(line->late[0].marks, "p");
  EXPECT_EQ(line->Lines(), 2);
  // The late month is shown, not counted in this month's tallies.
  EXPECT_EQ(a.tallies.hours[2], 55);
}

TEST_F(AnalysisTest, AGroupListsItsMembersAndItsInactiveNames) {
  Report(Add(101, "Member", 3), kMarch, 0, 0, 0);
  Report(Add(102, "Other", 4), kMarch, 0, 0, 0);
  Add(103, "Away", 3, true, ListType::kInactive);
  Add(104, "Gone", 4, true, ListType::kInactive);
  const Analysis a = BuildAnalysis(db, AnalysisOrder::kGroup, 3, true);
  ASSERT_EQ(a.sections.size(), 1u);
  ASSERT_EQ(a.sections[0].lines.size(), 1u);
  EXPECT_TRUE(a.congregation_has_inactive);
  ASSERT_EQ(a.inactive_names.size(), 1u);
  EXPECT_NE(a.inactive_names[0].find("Away"), std::string::npos);
}

TEST_F(AnalysisTest, CategoryAveragesWalkBackAcrossTheYearAndCarryQuarters) {
  // Regular pioneers in March (two), February and, a year back, December.
  PublisherRecord& a = Add(101, "A", 1);
  PublisherRecord& b = Add(102, "B", 1);
  Report(a, kMarch, 2, 50, 0);
  Report(b, kMarch, 2, 60, 0);
  Report(a, 3, 2, 40, 0);           // February 2026
  Report(a, 11 * 3 + 1, 2, 70, 0);  // December 2025
  // Three quarter hours in March count as one more hour.
  b.set_word(SlotWords::kStudiesWord, kMarch, 0x0800 | (3 << 12));
  EXPECT_DOUBLE_EQ(CategoryAverageHours(db, 2, 3, 0), (50 + 60 + 40 + 1) / 3.0);
  EXPECT_DOUBLE_EQ(CategoryAverageHours(db, 2, 6, 0), (50 + 60 + 40 + 70 + 1) / 4.0);
  EXPECT_DOUBLE_EQ(CategoryAverageHours(db, 2, 6, 2), 0.0);
  EXPECT_DOUBLE_EQ(CategoryAverageHours(db, 1, 6, 0), 0.0);

  const Analysis an = BuildAnalysis(db, AnalysisOrder::kAlphabetical, 0, true);
  ASSERT_EQ(an.categories.size(), 1u);
  EXPECT_EQ(an.categories[0].category, 2);
  EXPECT_EQ(an.categories[0].reporting, 2);
  EXPECT_DOUBLE_EQ(an.categories[0].average_hours, 55.0);
}

TEST_F(AnalysisTest, NoReportsLeavesEveryCategoryOut) {
  Add(101, "A", 1);
  Add(102, "B", 2);
  const Analysis a = BuildAnalysis(db, AnalysisOrder::kPioneersThenGroups, 0, true);
  EXPECT_TRUE(a.categories.empty());
  EXPECT_EQ(a.tallies.TotalListed(), 2);
  EXPECT_EQ(a.tallies.TotalNotReported(), 2);
}

TEST(BaptismDate, TheYearsFirstDigitInTheFifthPlaceMarksARecordedDate) {
  PublisherRecord p;
  EXPECT_FALSE(HasBaptismDate(p));
  p.SetText(store::field::kBapdate, "        ");
  EXPECT_FALSE(HasBaptismDate(p));
  p.SetText(store::field::kBapdate, "10051990");
  EXPECT_TRUE(HasBaptismDate(p));
  p.SetText(store::field::kBapdate, "1005");
  EXPECT_FALSE(HasBaptismDate(p));
}

}  // namespace
}  // namespace ledra::activity
