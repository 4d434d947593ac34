#include "reports/hours_report.h"

#include <gtest/gtest.h>

#include "platform/prompter.h"

namespace ledra::reports {
namespace {

using store::PublisherRecord;
using store::SlotWords;

// A report in every month of the twelve up to `report_counter`, with PioneerCode `code`.
PublisherRecord& Person(store::CongregationDatabase& db, std::uint16_t id, int report_counter,
                        int code, int hours) {
  PublisherRecord p;
  p.set_id(id);
  p.SetText(store::field::kFname, "P" + std::to_string(id));
  for (int c = report_counter - 11; c <= report_counter; ++c) {
    const int slot = store::MonthSlot(c % 12, c / 12);
    p.set_pioneer_code(slot, static_cast<std::uint8_t>(code));
    p.set_word(SlotWords::kHours, slot, static_cast<std::uint16_t>(hours));
    p.set_word(SlotWords::kStudiesWord, slot, 0x0800);
  }
  EXPECT_TRUE(db.AppendRow(p).ok());
  ScriptedPrompter prompter;
  db.CountAllLists();
  db.RebuildIndexes(prompter);
  return db.row(db.FindRow(id));
}

TEST(HoursReport, AWindowAcrossTheSimplifiedReportShowsNumbersThenBoxes) {
  store::CongregationDatabase db;
  db.SetToday(2024, 4, 10);  // March 2024: counter 290, six months after the switch
  ASSERT_EQ(db.month().counter, 290);
  EXPECT_EQ(MixedLead(290, false), 6);
  EXPECT_EQ(MixedLead(290, true), 0);
  EXPECT_EQ(MixedLead(296, false), 0);
  Person(db, 101, 290, 0, 10);
  Person(db, 102, 290, 2, 50);
  const auto lines = HoursLines(db, kHoursCongregation, 0, false);
  ASSERT_EQ(lines.size(), 2u);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(lines[0].months[static_cast<std::size_t>(k)].text, "10");
  for (int k = 6; k < 12; ++k) EXPECT_TRUE(lines[0].months[static_cast<std::size_t>(k)].box);
  for (const HoursCell& cell : lines[1].months) EXPECT_EQ(cell.text, "50");
  EXPECT_EQ(lines[0].average, "");
}

TEST(HoursReport, AfterTheSwitchOnlyTheAverageShowsAPublishersHours) {
  store::CongregationDatabase db;
  db.SetToday(2024, 10, 10);  // September 2024: twelve months after the switch
  PublisherRecord& p = Person(db, 101, 296, 0, 0);
  // Ten hours in one month and three quarter hours in another: (10 + 1) / 12.
  p.set_word(SlotWords::kHours, store::MonthSlot(5, 24), 10);
  p.set_word(SlotWords::kStudiesWord, store::MonthSlot(6, 24), 0x0800 | (3 << 12));
  const auto lines = HoursLines(db, kHoursCongregation, 0, false);
  EXPECT_TRUE(lines[0].months[0].box);
  EXPECT_EQ(lines[0].average, "0.9");
}

TEST(HoursReport, TheAuxiliaryReportAveragesItsOwnMonths) {
  store::CongregationDatabase db;
  db.SetToday(2026, 4, 10);  // March 2026
  PublisherRecord& p = Person(db, 101, 314, 0, 0);
  p.set_pioneer_code(store::MonthSlot(0, 26), 1);
  p.set_word(SlotWords::kHours, store::MonthSlot(0, 26), 30);
  p.set_pioneer_code(store::MonthSlot(1, 26), 1);
  p.set_word(SlotWords::kHours, store::MonthSlot(1, 26), 40);
  Person(db, 102, 314, 0, 0);
  const auto lines = HoursLines(db, kHoursAuxiliary, 0, false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].average, "35.0");
  EXPECT_EQ(lines[0].months[9].text, "30");  // January is the tenth month of the window
  EXPECT_EQ(lines[0].months[10].text, "40");
  EXPECT_EQ(lines[0].months[11].text, "");
  EXPECT_FALSE(lines[0].months[11].box);
}

}  // namespace
}  // namespace ledra::reports
