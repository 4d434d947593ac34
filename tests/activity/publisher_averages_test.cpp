#include "activity/publisher_averages.h"

#include <gtest/gtest.h>

#include "reports/averages_report.h"

namespace ledra::activity {
namespace {

using store::PublisherRecord;
using store::SlotWords;

// March 2026 open: the six months walked back are March (slot 6), February
// (3), January (0) and December, November, October 2025 (34, 31, 28).
constexpr int kSlots[] = {6, 3, 0, 34, 31, 28};

class AveragesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.SetToday(2026, 4, 10);
    db.header().bytes[store::header::kMonthStates + 2] = 1;
  }
  PublisherRecord& Add(std::uint16_t id, std::uint8_t attributes = 0) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, "P" + std::to_string(id));
    p.SetU8(239, attributes);
    EXPECT_TRUE(db.AppendRow(p).ok());
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    return db.row(db.FindRow(id));
  }
  // A report in the i-th month back.
  static void Month(PublisherRecord& p, int i, int code, int hours, int studies) {
    const int slot = kSlots[i];
    p.set_pioneer_code(slot, static_cast<std::uint8_t>(code));
    p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
    p.set_word(SlotWords::kStudiesWord, slot, static_cast<std::uint16_t>(0x0800 | studies));
  }
  store::CongregationDatabase db;
  ScriptedPrompter prompter;
};

TEST_F(AveragesTest, MonthsStudiesAuxiliaryAndPioneerHours) {
  PublisherRecord& p = Add(101);
  Month(p, 0, 0, 5, 2);   // a publisher's hours never average
  Month(p, 1, 1, 30, 1);  // auxiliary
  Month(p, 3, 1, 20, 0);
  Month(p, 5, 0, 0, 3);
  const PublisherAverages a = ComputePublisherAverages(db, p);
  EXPECT_EQ(a.window, 6);
  EXPECT_EQ(a.reported_3, 2);
  EXPECT_EQ(a.reported_6, 4);
  EXPECT_DOUBLE_EQ(a.studies_3, 3.0 / 3);
  EXPECT_DOUBLE_EQ(a.studies_6, 6.0 / 6);
  EXPECT_EQ(a.auxiliary_3, 1);
  EXPECT_EQ(a.auxiliary_6, 2);
  ASSERT_TRUE(a.hours_6.has_value());
  EXPECT_DOUBLE_EQ(*a.hours_3, 30.0);
  EXPECT_DOUBLE_EQ(*a.hours_6, 25.0);

  const auto lines = reports::AveragesLines(db, reports::kAveragesCongregation, 0, true);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].participated, "2 / 4");
  EXPECT_EQ(lines[0].studies, "   1.0/ 1.0");
  EXPECT_EQ(lines[0].auxiliary, "1 / 2");
  EXPECT_EQ(lines[0].hours, "  30.0/25.0");
}

TEST_F(AveragesTest, ANewPublisherOfLastMonthIsAveragedOverTwoMonths) {
  PublisherRecord& p = Add(101);
  p.SetU8(201, static_cast<std::uint8_t>((2 << 4) | 1));  // new in February
  Month(p, 0, 0, 0, 2);
  Month(p, 1, 0, 0, 4);
  const PublisherAverages a = ComputePublisherAverages(db, p);
  EXPECT_EQ(a.window, 2);
  EXPECT_DOUBLE_EQ(a.studies_3, 3.0);
  EXPECT_DOUBLE_EQ(a.studies_6, 3.0);
  EXPECT_FALSE(a.hours_6.has_value());
  const auto lines = reports::AveragesLines(db, reports::kAveragesCongregation, 0, true);
  EXPECT_EQ(lines[0].auxiliary, "");
  EXPECT_EQ(lines[0].hours, "");
}

TEST_F(AveragesTest, EachKindSelectsItsPeople) {
  Month(Add(101, 2), 0, 2, 50, 0);  // elder and regular pioneer
  Add(102, 1);                      // ministerial servant
  Add(103, 3);                      // baptised brother
  Add(104, store::attr::kSpecialCategory);
  PublisherRecord& grouped = Add(105);
  grouped.set_group(2);
  auto count = [&](int kind, int group = 0) {
    return reports::AveragesLines(db, kind, group, true).size();
  };
  EXPECT_EQ(count(reports::kAveragesCongregation), 5u);
  EXPECT_EQ(count(reports::kAveragesGroup, 2), 1u);
  EXPECT_EQ(count(reports::kAveragesRegularPioneers), 1u);
  EXPECT_EQ(count(reports::kAveragesElders), 1u);
  EXPECT_EQ(count(reports::kAveragesServants), 1u);
  EXPECT_EQ(count(reports::kAveragesBaptisedBrothers), 1u);
  EXPECT_EQ(count(reports::kAveragesSpecialCategory), 1u);
}

}  // namespace
}  // namespace ledra::activity
