// The history editor on hand-built records: the months it offers, the
// quarter-hour rule, the marks it stores and the totals card.

#include <gtest/gtest.h>

#include <memory>

#include "activity/branch_totals.h"
#include "activity/history_editor.h"
#include "platform/prompter.h"
#include "support/temp_folder.h"

namespace ledra::activity {
namespace {

using store::PublisherRecord;
using store::SlotWords;

// A congregation of two publishers whose ReportMonth is the month before `today`.
class History {
 public:
  History(Date today, bool report_month_started) : clock{today} {
    doc.Open({});
    auto& db = doc.db();
    if (report_month_started)
      db.header().bytes[store::header::kMonthStates + db.month().report_month_index] = 1;
    for (std::uint16_t id : {101, 102}) {
      PublisherRecord p;
      p.set_id(id);
      p.SetText(store::field::kFname, id == 101 ? "Ana" : "Rui");
      p.SetText(store::field::kLname, "Lima");
      EXPECT_TRUE(db.AppendRow(p).ok());
    }
    db.SortTable();
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    db.modified = false;
  }
  int Row(std::uint16_t id) { return doc.db().FindRow(id); }
  const PublisherRecord& Rec(std::uint16_t id) { return doc.db().row(Row(id)); }

  TempFolder folder;
  FixedClock clock;
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST(HistoryChoices, MarchOffersTwoMonthsThenAYearThenFromMarchOn) {
  History started({2026, 4, 10}, true);
  const auto& db = started.doc.db();
  EXPECT_EQ(HistoryYears(db), (std::vector<int>{2024, 2025, 2026}));
  EXPECT_EQ(HistoryMonths(db, 2026), (std::vector<int>{0, 1}));
  EXPECT_EQ(HistoryMonths(db, 2025).size(), 12u);
  EXPECT_EQ(HistoryMonths(db, 2024), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_TRUE(HistoryMonths(db, 2023).empty());

  // Before March starts its slot still holds March two years back.
  History not_started({2026, 4, 10}, false);
  EXPECT_EQ(HistoryMonths(not_started.doc.db(), 2024).front(), 2);
  EXPECT_EQ(HistoryMonths(not_started.doc.db(), 2026), (std::vector<int>{0, 1}));
}

TEST(HistoryChoices, OpensOnTheMonthBeforeAndRefusesTheReportMonth) {
  History h({2026, 2, 10}, true);  // ReportMonth January 2026
  HistoryEditor editor(h.doc, h.Row(101));
  EXPECT_EQ(editor.year(), 2025);
  EXPECT_EQ(editor.month_index(), 11);
  EXPECT_FALSE(editor.Choose(2026, 0).ok());
  EXPECT_FALSE(editor.Choose(2024, 0).ok());  // started, so its slot is January 2026
  EXPECT_TRUE(editor.Choose(2024, 1).ok());
}

TEST(QuarterHours, TheFirstDigitAfterThePointGivesTheQuarter) {
  EXPECT_EQ(QuarterHourText("12.3"), "12.25");
  EXPECT_EQ(QuarterHourText("12.4"), "12.5");
  EXPECT_EQ(QuarterHourText("12.6"), "12.5");
  EXPECT_EQ(QuarterHourText("12.7"), "12.75");
  EXPECT_EQ(QuarterHourText(".9"), ".75");
  EXPECT_EQ(QuarterHourText("12.0"), "12");
  EXPECT_EQ(QuarterHourText("12"), "12");
  EXPECT_EQ(*ParseQuarterHours("12.25", 744), (std::pair{12, 1}));
  EXPECT_EQ(*ParseQuarterHours(".5", 744), (std::pair{0, 2}));
  EXPECT_EQ(*ParseQuarterHours("3.75", 744), (std::pair{3, 3}));
  EXPECT_FALSE(ParseQuarterHours("1.x", 744).ok());
  EXPECT_FALSE(ParseQuarterHours("745", 744).ok());
}

// Before the simplified form (ReportMonth March 2023): every field.
TEST(HistoryEditorOldForm, HoursWithAQuarterClearTheUnderOneHourMark) {
  History h({2023, 4, 10}, true);
  HistoryEditor editor(h.doc, h.Row(101));
  ASSERT_TRUE(editor.Choose(2022, 5).ok());
  EXPECT_FALSE(editor.simplified());
  EXPECT_TRUE(editor.counters_visible());
  editor.hours = "12.3";
  editor.HoursLeft();
  EXPECT_EQ(editor.hours, "12.25");
  editor.publications = "4";
  ASSERT_TRUE(*editor.Store());
  const int s = store::MonthSlot(5, 22);
  EXPECT_EQ(h.Rec(101).word(SlotWords::kHours, s), 12);
  EXPECT_EQ(h.Rec(101).word(SlotWords::kStudiesWord, s), 1 << 12);
  EXPECT_EQ(h.Rec(101).word(SlotWords::kPlcmts, s), 4);
  EXPECT_TRUE(h.doc.db().modified);
}

TEST(HistoryEditorOldForm, UnderOneHourStoresBitElevenOnly) {
  History h({2023, 4, 10}, true);
  HistoryEditor editor(h.doc, h.Row(101));
  EXPECT_TRUE(editor.less_than_hour_visible());
  editor.SetLessThanHour(true);
  EXPECT_FALSE(editor.hours_enabled());
  ASSERT_TRUE(*editor.Store());
  const int s = editor.slot();
  EXPECT_EQ(h.Rec(101).word(SlotWords::kStudiesWord, s), 0x0800);
  EXPECT_EQ(h.Rec(101).word(SlotWords::kHours, s), 0);
  editor.hours = "3";
  EXPECT_FALSE(editor.less_than_hour_visible());
}

TEST(HistoryEditorMarks, LateInMayStoresFiveAndPioneerBoxesExclude) {
  History h({2026, 6, 10}, true);  // ReportMonth May
  HistoryEditor editor(h.doc, h.Row(102));
  editor.SetLate(true);
  editor.SetPioneer(2);
  EXPECT_TRUE(editor.credit_visible());
  editor.credit = "5";
  editor.SetPioneer(1);
  ASSERT_TRUE(*editor.Store());
  const PublisherRecord& r = h.Rec(102);
  EXPECT_EQ(r.late_month(editor.slot()), 5);
  EXPECT_EQ(r.pioneer_code(editor.slot()), 1);
  // The late-report list keeps the mark through a save.
  ASSERT_EQ(h.doc.db().late_entries().size(), 1u);
  EXPECT_EQ(h.doc.db().late_entries()[0].month, 3);
  // Shown again, the late mark is ticked.
  ASSERT_TRUE(editor.Choose(2026, 1).ok());
  ASSERT_TRUE(editor.Choose(2026, 3).ok());
  EXPECT_TRUE(editor.late());
  // A year back the list could not tell the month apart.
  ASSERT_TRUE(editor.Choose(2025, 3).ok());
  editor.SetLate(true);
  EXPECT_FALSE(editor.late());
}

TEST(HistoryEditorMarks, SimplifiedMonthShowsHoursOnlyForPioneers) {
  History h({2026, 6, 10}, true);
  HistoryEditor editor(h.doc, h.Row(101));
  EXPECT_TRUE(editor.simplified());
  EXPECT_FALSE(editor.studies_visible());
  editor.SetParticipated(true);
  EXPECT_TRUE(editor.studies_visible());
  EXPECT_FALSE(editor.hours_visible());
  editor.SetPioneer(1);
  EXPECT_TRUE(editor.hours_visible());
  editor.hours = "7";
  editor.studies = "2";
  editor.SetParticipated(false);
  EXPECT_EQ(editor.hours, "0");
  EXPECT_EQ(editor.studies, "0");
}

TEST(HistoryEditorWriteBack, NothingChangedMarksNothingAndBadValuesStoreNothing) {
  History h({2026, 6, 10}, true);
  HistoryEditor editor(h.doc, h.Row(101));
  ASSERT_TRUE(editor.Choose(2025, 2).ok());
  ASSERT_TRUE(editor.NextPerson().ok());
  ASSERT_TRUE(editor.NextMonth().ok());
  EXPECT_FALSE(*editor.Store());
  EXPECT_FALSE(h.doc.db().modified);

  editor.studies = "2000";
  EXPECT_FALSE(editor.Store().ok());
  EXPECT_FALSE(h.doc.db().modified);
}

TEST(HistoryEditorAdvance, MonthsWrapToTheOldestAndPeopleToTheFirst) {
  History h({2026, 4, 10}, true);  // ReportMonth March
  HistoryEditor editor(h.doc, h.Row(101));
  EXPECT_EQ(editor.month_index(), 1);
  ASSERT_TRUE(editor.NextMonth().ok());
  EXPECT_EQ(editor.year(), 2024);
  EXPECT_EQ(editor.month_index(), 3);
  ASSERT_TRUE(editor.Choose(2024, 11).ok());
  ASSERT_TRUE(editor.NextMonth().ok());
  EXPECT_EQ(editor.year(), 2025);
  EXPECT_EQ(editor.month_index(), 0);
  const int first = editor.row();
  ASSERT_TRUE(editor.NextPerson().ok());
  EXPECT_NE(editor.row(), first);
  ASSERT_TRUE(editor.NextPerson().ok());
  EXPECT_EQ(editor.row(), first);
}

TEST(HistoryEditorTotals, PioneersShowTheReadOnlySumUntilARowIsChosen) {
  History h({2026, 6, 10}, true);
  auto& card = h.doc.db().side.totals_card;
  const int parity = store::Parity(26);
  auto at = [&](int row, int column) -> std::uint16_t& {
    return card[store::TotalsCardIndex(3, row, column, parity)];
  };
  at(2, column::kHours) = 50;
  at(2, column::kQuarters) = 3;
  at(3, column::kHours) = 70;
  at(3, column::kQuarters) = 2;
  at(2, column::kReports) = 4;
  at(3, column::kReports) = 1;
  at(0, column::kActive) = 40;

  HistoryEditor editor(h.doc, h.Row(101));  // April 2026
  ASSERT_TRUE(*editor.SetTotals(true) == false);
  editor.ChooseDesignation(Designation::kPioneers);
  EXPECT_TRUE(editor.read_only());
  EXPECT_EQ(editor.hours, "121.25");
  EXPECT_EQ(editor.credit, "5");
  EXPECT_EQ(editor.credit_label(), "Pioneiros (Reg. e Espec.)");
  editor.hours = "999";  // the sum cannot be edited
  editor.ChoosePioneerRow(PioneerRow::kSpecial);
  EXPECT_FALSE(editor.read_only());
  EXPECT_EQ(editor.hours, "70.5");
  editor.hours = "72.5";
  editor.ChooseDesignation(Designation::kActive);
  EXPECT_EQ(editor.active, "40");
  editor.active = "41";
  EXPECT_TRUE(*editor.SetTotals(false));
  EXPECT_EQ(at(3, column::kHours), 72);
  EXPECT_EQ(at(2, column::kHours), 50);
  EXPECT_EQ(at(0, column::kActive), 41);
  EXPECT_TRUE(h.doc.db().modified);
}

TEST(HistoryEditorTotals, AnUnchangedCardIsNotWrittenBack) {
  History h({2026, 6, 10}, true);
  HistoryEditor editor(h.doc, h.Row(101));
  ASSERT_TRUE(editor.SetTotals(true).ok());
  ASSERT_TRUE(editor.NextPerson().ok());
  ASSERT_TRUE(editor.NextMonth().ok());
  EXPECT_FALSE(*editor.SetTotals(false));
  EXPECT_FALSE(h.doc.db().modified);
}

}  // namespace
}  // namespace ledra::activity
