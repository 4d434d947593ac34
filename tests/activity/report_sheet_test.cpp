#include <gtest/gtest.h>

#include "activity/credit_hours.h"
#include "activity/late_entry_list.h"
#include "activity/report_sheet.h"
#include "activity/sheet_list.h"
#include "activity/sheet_totals.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/remark_file.h"
#include "support/temp_folder.h"

namespace ledra::activity {
namespace {

using store::ListType;
using store::PublisherRecord;
using store::SlotWords;

struct CreditCase {
  int hours;
  int stored;
  std::string remark;
  int credit;
};

TEST(CreditHours, FollowsTheRemarkAndTheMonthlyLimit) {
  const CreditCase cases[] = {
      {50, 0,
       "12 reuni\xF5"
       "es",
       5},                 // within 55 a month
      {50, 0, "12*", 12},  // a star near the start lets the credit stand
      {50, 0, "30!", 30},  // "!" turns every limit off
      {60, 0, "", 0},      // over 54 hours leaves no room
      {30, 0, "30 *", 30},
      {30, 0, "30", 25},
      {10, 0, "50 *", 45},
      {20, 0, "50 *", 40},
      {54, 0, "5", 1},
      {55, 9, "", 0},
      {0, 0, "300 horas", 55},  // three digits at most, then the limit
      {0, 0, "999!", 255},      // never above 255
      {40, 0,
       "sem cr\xE9"
       "dito",
       0},  // text without a number gives none
      {0, 0, "50 *!", 50},
      {10, 0, "*50", 0},  // a remark that does not begin with a number sets none
  };
  for (const CreditCase& c : cases) {
    EXPECT_EQ(CreditHours(c.hours, c.stored, c.remark).credit, c.credit)
        << c.hours << " h, \"" << c.remark << "\"";
  }
}

TEST(CreditHours, AStoredCreditWithoutRemarkWritesOne) {
  const Credit c = CreditHours(40, 10, "");
  EXPECT_EQ(c.credit, 10);
  EXPECT_EQ(c.remark, "10 +" + Strings().Get(str::kSheetHours));
  // The remark then keeps the credit when the hours change.
  EXPECT_EQ(CreditHours(50, c.credit, c.remark).credit, 5);
}

TEST(LateReportList, ListsAPairOnceAtTheEndAndStopsAt250) {
  store::CongregationDatabase db;
  db.SetToday(2026, 4, 10);  // March
  EXPECT_TRUE(QueueLateReport(db, 101, 0));
  EXPECT_TRUE(QueueLateReport(db, 102, 0));
  EXPECT_TRUE(QueueLateReport(db, 101, 0));
  ASSERT_EQ(db.late_entries().size(), 2u);
  EXPECT_EQ(db.late_entries()[0].id, 102);
  EXPECT_EQ(db.late_entries()[1], (store::LateEntry{101, 0, 3}));
  for (std::uint16_t id = 200; db.late_entries().size() < 250; ++id) QueueLateReport(db, id, 1);
  EXPECT_FALSE(QueueLateReport(db, 999, 1));
  EXPECT_TRUE(QueueLateReport(db, 101, 0));  // re-adding still moves it
  EXPECT_EQ(db.late_entries().size(), 250u);
  EXPECT_EQ(db.late_entries().back().id, 101);
}

class Sheets : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Open({});
    auto& db = doc.db();
    db.header().bytes[store::header::kMonthStates + 2] = 1;  // March 2026 open
    Add(101, "Ana", 0);
    Add(102, "Rui", 0);
    PublisherRecord pioneer = Person(103, "Eva");
    for (int s : {6, 3}) pioneer.set_pioneer_code(s, 2);
    ASSERT_TRUE(db.AppendRow(pioneer).ok());
    PublisherRecord special = Person(104, "Ivo");
    special.set_pioneer_code(6, 3);
    special.set_pioneer_code(0, 3);
    ASSERT_TRUE(db.AppendRow(special).ok());
    db.SortTable();
    db.CountAllLists();
    db.RebuildIndexes(prompter);
    db.modified = false;
  }
  static PublisherRecord Person(std::uint16_t id, const std::string& first) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, first);
    p.SetText(store::field::kLname, "Lima");
    p.set_group(static_cast<std::uint8_t>(id % 2 + 1));
    return p;
  }
  void Add(std::uint16_t id, const std::string& first, int) {
    ASSERT_TRUE(doc.db().AppendRow(Person(id, first)).ok());
  }
  int Row(std::uint16_t id) { return doc.db().FindRow(id); }
  const PublisherRecord& Rec(std::uint16_t id) { return doc.db().row(Row(id)); }

  TempFolder folder;
  FixedClock clock{Date{2026, 4, 10}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
};

TEST_F(Sheets, APublisherReportsParticipationAndStudiesOnly) {
  ReportSheet sheet(doc, Row(101));
  EXPECT_FALSE(sheet.studies_visible());
  sheet.SetParticipated(true);
  EXPECT_TRUE(sheet.studies_visible());
  EXPECT_FALSE(sheet.hours_visible());
  EXPECT_FALSE(sheet.category_visible());
  sheet.SetStudiesText("2");
  ASSERT_TRUE(*sheet.Save());
  EXPECT_EQ(Rec(101).word(SlotWords::kStudiesWord, 6), 0x0800 | 2);
  EXPECT_EQ(Rec(101).word(SlotWords::kHours, 6), 0);
  EXPECT_EQ(doc.db().last_entered_id, 101);
  EXPECT_TRUE(doc.db().modified);
}

TEST_F(Sheets, StudiesAloneStillMarkParticipation) {
  ReportSheet sheet(doc, Row(102));
  sheet.SetStudiesText("3");
  ASSERT_TRUE(*sheet.Save());
  EXPECT_EQ(Rec(102).word(SlotWords::kStudiesWord, 6), 0x0800 | 3);
}

TEST_F(Sheets, AnAuxiliaryPioneerEntersHours) {
  ReportSheet sheet(doc, Row(101));
  sheet.SetHoursText("12.5");
  sheet.SetAuxiliary(true);
  EXPECT_TRUE(sheet.participated());
  EXPECT_TRUE(sheet.hours_visible());
  ASSERT_TRUE(*sheet.Save());
  EXPECT_EQ(Rec(101).word(SlotWords::kHours, 6), 12);  // the digits after "." are dropped
  EXPECT_EQ(Rec(101).pioneer_code(6), 1);
}

TEST_F(Sheets, BadNumbersAreRefusedAndChangeNothing) {
  for (const char* studies : {"64", "-1", "2x"}) {
    ReportSheet sheet(doc, Row(101));
    sheet.SetStudiesText(studies);
    const Result<bool> r = sheet.Save();
    ASSERT_FALSE(r.ok()) << studies;
    EXPECT_EQ(r.error().text, "Please enter an integer between 0 and 63.");
  }
  for (const char* hours : {"abc", "99999", "1.x"}) {
    ReportSheet sheet(doc, Row(103));
    sheet.SetHoursText(hours);
    EXPECT_FALSE(sheet.Save().ok()) << hours;
  }
  ReportSheet empty(doc, Row(103));
  empty.SetHoursText("");
  EXPECT_TRUE(empty.Save().ok());
  EXPECT_FALSE(doc.db().modified);
}

TEST_F(Sheets, ASaveWithoutChangesChangesNothing) {
  ReportSheet sheet(doc, Row(101));
  ASSERT_TRUE(sheet.Save().ok());
  EXPECT_FALSE(*sheet.Save());
  EXPECT_FALSE(doc.db().modified);
  EXPECT_EQ(doc.db().last_entered_id, 0);
}

TEST_F(Sheets, RegularPioneerCreditFromTheRemark) {
  ReportSheet sheet(doc, Row(103));
  EXPECT_TRUE(sheet.category_visible());
  EXPECT_EQ(sheet.category_text(), Strings().Get(str::kSheetRegularPioneer));
  sheet.SetHoursText("50");
  sheet.HoursLeft();
  ASSERT_TRUE(sheet
                  .RemarkLeft("12 reuni\xF5"
                              "es de congresso e mais texto longo")
                  .ok());
  EXPECT_EQ(sheet.remark(),
            "12 reuni\xF5"
            "es de congresso e mais text");  // 36 characters
  EXPECT_EQ(sheet.credit(), 5);
  EXPECT_EQ(sheet.credit_text(), "( + 5 Horas )");
  ASSERT_TRUE(*sheet.Save());
  EXPECT_EQ(Rec(103).word(SlotWords::kPioCredit, 6), 5);
  EXPECT_EQ(doc.RemarkText(Row(103), 6),
            "12 reuni\xF5"
            "es de congresso e mais text");
  // An emptied remark takes the credit away.
  ReportSheet again(doc, Row(103));
  ASSERT_TRUE(again.RemarkLeft("").ok());
  EXPECT_EQ(again.credit(), 0);
}

TEST_F(Sheets, AFullRemarkTableIsToldAndTheSheetStillSaves) {
  doc.db().side.remarks.resize(store::kRemarkTableFullAt);
  ReportSheet sheet(doc, Row(101));
  EXPECT_FALSE(sheet.RemarkLeft("doente").ok());
  EXPECT_EQ(prompter.shown.back(), Strings().Get(str::kRemarkTableFull));
  sheet.SetParticipated(true);
  EXPECT_TRUE(*sheet.Save());
  EXPECT_EQ(Rec(101).word(SlotWords::kRemarkIndex, 6), 0);
}

TEST_F(Sheets, AFirstLateReportIsQueuedAnEditedOneIsNot) {
  const std::string included = Strings().Format(str::kSheetNoticeIncluded, {"Mar\xE7o"});
  ReportSheet sheet(doc, Row(103));
  sheet.ShowMonthList();
  sheet.ChooseMonth(0);  // January
  sheet.HideMonthList();
  EXPECT_TRUE(sheet.late());
  EXPECT_EQ(sheet.notice(), included);
  sheet.SetHoursText("20");
  ASSERT_TRUE(*sheet.Save());
  ASSERT_EQ(doc.db().late_entries().size(), 1u);
  EXPECT_EQ(doc.db().late_entries()[0], (store::LateEntry{103, 0, 3}));
  EXPECT_EQ(Rec(103).word(SlotWords::kHours, 0), 20);

  // Once that January report went to the branch (the list emptied), a later
  // edit no longer reaches it.
  doc.db().late_entries().clear();
  ReportSheet edit(doc, Row(103));
  edit.ChooseMonth(0);
  edit.HideMonthList();
  EXPECT_TRUE(edit.not_included());
  EXPECT_NE(edit.notice().find("N\xC3O SER\xC3O INCLU\xCD"
                               "DAS"),
            std::string::npos);
  edit.SetHoursText("22");
  ASSERT_TRUE(*edit.Save());
  EXPECT_TRUE(doc.db().late_entries().empty());
}

TEST_F(Sheets, ASpecialPioneerIsNeverQueued) {
  ReportSheet sheet(doc, Row(104));
  EXPECT_NE(sheet.notice().find("N\xC3O EST\xC3O INCLU\xCD"
                                "DOS"),
            std::string::npos);
  sheet.ChooseMonth(0);
  sheet.HideMonthList();
  EXPECT_TRUE(sheet.not_included());
  sheet.SetHoursText("70");
  ASSERT_TRUE(*sheet.Save());
  EXPECT_TRUE(doc.db().late_entries().empty());
}

TEST_F(Sheets, NovemberChosenInMarchIsOfTheYearBefore) {
  ReportSheet sheet(doc, Row(101));
  sheet.ChooseMonth(10);
  EXPECT_EQ(sheet.entry(), (CalendarMonth{10, 25}));
  EXPECT_EQ(sheet.slot(), 31);
  sheet.SetParticipated(true);
  ASSERT_TRUE(*sheet.Save());
  EXPECT_NE(Rec(101).word(SlotWords::kStudiesWord, 31), 0);
  EXPECT_EQ(Rec(101).word(SlotWords::kStudiesWord, 30), 0);
}

TEST_F(Sheets, TheListFiltersByGroupAndByWhatIsMissing) {
  SheetList list(doc.db());
  EXPECT_EQ(list.Lines().size(), 4u);
  EXPECT_EQ(list.Caption(), "Recolha de Dados para Mar\xE7o - 4 Publicadores Ativos");
  list.set_group(2);  // odd ids
  ASSERT_EQ(list.Lines().size(), 2u);
  list.set_group(0);
  ReportSheet sheet(doc, Row(101));
  sheet.SetParticipated(true);
  ASSERT_TRUE(*sheet.Save());
  list.set_missing_only(true);
  for (const SheetLine& l : list.Lines()) EXPECT_NE(l.id, 101);
  EXPECT_EQ(list.EnteredUpTo(), "Lima, Ana");
}

TEST_F(Sheets, TotalsByCategoryWithQuarterHours) {
  auto& db = doc.db();
  db.row(Row(101)).set_word(SlotWords::kStudiesWord, 6, 0x0800 | 2);
  db.row(Row(101)).set_word(SlotWords::kHours, 6, 10);  // a publisher's hours count nowhere
  db.row(Row(103)).set_word(SlotWords::kHours, 6, 50);
  db.row(Row(103)).set_word(SlotWords::kStudiesWord, 6, 0x0800 | 1);
  db.row(Row(104)).set_word(SlotWords::kHours, 6, 100);  // special pioneer: row 3 only
  BranchTotals b = ComputeBranchTotals(db);
  b.v[2][column::kQuarters] = 2;  // a half hour kept from older data
  const SheetTotals t = SheetTotalsFrom(b, db.new_form());
  EXPECT_EQ(t.rows[0].reports, 1);
  EXPECT_EQ(t.rows[0].quarters, 0);
  EXPECT_EQ(t.rows[2].reports, 1);
  EXPECT_EQ(t.total.reports, 2);
  EXPECT_EQ(t.total.studies, 3);
  EXPECT_EQ(HoursText(t.total.quarters), "50\xBD");
  EXPECT_EQ(HoursText(7), "1\xBE");
}

}  // namespace
}  // namespace ledra::activity
