#include "records/record_card.h"

#include <gtest/gtest.h>

#include "activity/history_editor.h"
#include "activity/month_calendar.h"
#include "platform/string_table.h"
#include "records/record_card_dialog.h"
#include "reports/publisher_labels.h"
#include "reports/record_card_page.h"
#include "reports/record_card_print.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"
#include "support/temp_folder.h"

namespace ledra::records {
namespace {

using activity::CalendarMonth;
using store::PublisherRecord;
using store::SlotWords;

class RecordCardTest : public ::testing::Test {
 protected:
  void Open(Date today) {
    clock.Set(today);
    ASSERT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
  }
  PublisherRecord Person(std::uint16_t id, std::string_view first) {
    PublisherRecord p;
    p.set_id(id);
    p.SetText(store::field::kFname, first);
    p.SetText(store::field::kLname, "Silva");
    return p;
  }
  // Hours (and a pioneer code) in a month.
  static void Month(PublisherRecord& p, CalendarMonth m, int hours, int code, int studies = 0) {
    p.set_word(SlotWords::kHours, m.slot(), static_cast<std::uint16_t>(hours));
    p.set_word(SlotWords::kStudiesWord, m.slot(),
               static_cast<std::uint16_t>(studies | store::studies::kParticipated));
    p.set_pioneer_code(m.slot(), static_cast<std::uint8_t>(code));
  }
  int Add(const PublisherRecord& p) {
    EXPECT_TRUE(doc.db().AppendRow(p).ok());
    doc.db().CountAllLists();
    doc.db().RebuildIndexes(prompter);
    return doc.db().FindRow(p.id());
  }
  RecordCard Card(int row, bool previous = false, bool inactive = false, bool both = false) {
    return BuildRecordCard(doc, settings, {row, previous, inactive, both});
  }

  TempFolder folder;
  FixedClock clock{Date{2026, 12, 8}};
  ScriptedPrompter prompter;
  store::Document doc{folder.path(), clock, prompter};
  store::Settings settings;
};

TEST_F(RecordCardTest, OnlyARealBaptismDateTicksOtherSheepOrAnointed) {
  Open({2026, 12, 8});
  PublisherRecord none = Person(101, "Ana");
  none.SetText(store::field::kBapdate, "        ");
  none.SetU8(180, 'A');
  PublisherRecord sheep = Person(102, "Rui");
  sheep.SetText(store::field::kBapdate, "04041970");
  PublisherRecord anointed = Person(103, "Eva");
  anointed.SetText(store::field::kBapdate, "04041970");
  anointed.SetU8(180, 'A');
  const RecordCard a = Card(Add(none)), b = Card(Add(sheep)), c = Card(Add(anointed));
  EXPECT_FALSE(a.other_sheep || a.anointed);
  EXPECT_TRUE(a.baptism_date.empty());
  EXPECT_TRUE(b.other_sheep && !b.anointed);
  EXPECT_EQ(b.baptism_date, "04/04/1970");
  EXPECT_TRUE(c.anointed && !c.other_sheep);
}

TEST_F(RecordCardTest, HoursShowOnlyForPioneerMonthsAndFieldMissionaries) {
  Open({2026, 12, 8});  // ReportMonth November 2026, service year 2027
  PublisherRecord p = Person(101, "Ana");
  Month(p, {8, 26}, 12, 0, 2);  // September: a publisher's hours stay off the card
  Month(p, {9, 26}, 30, 1);     // October: auxiliary pioneer
  Month(p, {10, 26}, 51, 2);    // November: regular pioneer
  p.set_word(SlotWords::kStudiesWord, CalendarMonth{10, 26}.slot(),
             static_cast<std::uint16_t>(store::studies::kParticipated | (2 << 12)));
  const RecordCard card = Card(Add(p));
  ASSERT_EQ(card.years.size(), 1u);
  const CardYear& y = card.years[0];
  EXPECT_EQ(y.service_year, 2027);
  EXPECT_FALSE(y.earlier);
  EXPECT_TRUE(y.months[0].participated);
  EXPECT_FALSE(y.months[0].hours_shown);
  EXPECT_EQ(y.months[0].studies, 2);
  EXPECT_TRUE(y.months[1].auxiliary && y.months[1].hours_shown);
  EXPECT_TRUE(y.months[2].hours_shown);
  // Hours shown only: 30 + 51 and half an hour.
  EXPECT_EQ(y.totals[2], 81);
  EXPECT_EQ(y.total_quarters, 2);
  EXPECT_TRUE(card.regular_pioneer);
  // The months after the ReportMonth stay blank.
  for (std::size_t i = 3; i < 12; ++i) EXPECT_FALSE(y.months[i].filled) << i;

  PublisherRecord missionary = Person(102, "Rui");
  missionary.SetU16(194, store::kAppointmentFieldMissionary);
  Month(missionary, {8, 26}, 70, 0);
  const RecordCard m = Card(Add(missionary));
  EXPECT_TRUE(m.field_missionary);
  EXPECT_TRUE(m.years[0].months[0].hours_shown);
}

TEST_F(RecordCardTest, ServiceYear2023TakesTheEarlierCardAnd2024TheCurrent) {
  Open({2024, 10, 8});  // ReportMonth September 2024
  const int row = Add(Person(101, "Ana"));
  EXPECT_FALSE(Card(row).years[0].earlier);        // 2025
  EXPECT_FALSE(Card(row, true).years[0].earlier);  // 2024
  EXPECT_TRUE(EarlierCard(doc.db(), 2023));
  EXPECT_FALSE(EarlierCard(doc.db(), 2024));
}

TEST_F(RecordCardTest, TheEarlierCardAddsItsCountersAndAverages) {
  Open({2023, 5, 8});  // ReportMonth April 2023, service year 2023
  PublisherRecord p = Person(101, "Ana");
  for (int m : {0, 1}) {
    const CalendarMonth month{m, 23};
    p.set_word(SlotWords::kPlcmts, month.slot(), 4);
    p.set_word(SlotWords::kHours, month.slot(), 10);
    p.set_word(SlotWords::kReturnVisits, month.slot(), 3);
  }
  // February: under one hour.
  p.set_word(SlotWords::kStudiesWord, CalendarMonth{1, 23}.slot(), store::studies::kParticipated);
  p.set_word(SlotWords::kHours, CalendarMonth{1, 23}.slot(), 0);
  const CardYear y = Card(Add(p)).years[0];
  ASSERT_TRUE(y.earlier);
  EXPECT_EQ(y.service_year, 2023);
  EXPECT_TRUE(y.months[5].less_than_hour);  // February
  EXPECT_EQ(y.totals[0], 8);
  EXPECT_EQ(y.totals[2], 10);
  EXPECT_EQ(y.totals[3], 6);
  EXPECT_DOUBLE_EQ(y.averages[0], 4.0);  // two months reported
  EXPECT_DOUBLE_EQ(y.averages[2], 5.0);
}

TEST_F(RecordCardTest, TheHideOptionsGoByTheYearShown) {
  Open({2026, 12, 8});
  const int row = Add(Person(101, "Ana"));
  settings.hide_averages = 4 | 2;  // totals of this year, averages of the year before
  const RecordCard card = Card(row, false, false, true);
  ASSERT_EQ(card.years.size(), 2u);
  EXPECT_EQ(card.years[1].service_year, 2026);
  EXPECT_FALSE(card.years[0].show_totals);
  EXPECT_TRUE(card.years[0].show_averages);
  EXPECT_TRUE(card.years[1].show_totals);
  EXPECT_FALSE(card.years[1].show_averages);
  settings.hide_birth = true;
  PublisherRecord born = Person(102, "Rui");
  born.SetText(store::field::kBirdate, "06121958");
  EXPECT_EQ(Card(Add(born)).birth_date, "1958");
}

TEST_F(RecordCardTest, AnInactiveCardShowsTheYearItEndedIn) {
  Open({2026, 12, 8});
  PublisherRecord p = Person(101, "Ana");
  p.set_list_type(store::ListType::kInactive);
  p.SetU8(201, static_cast<std::uint8_t>(3 << 4));  // inactive since March
  p.SetU8(238, 25);                                 // of 2025
  Month(p, {0, 25}, 5, 0);                          // January 2025
  Month(p, {2, 25}, 9, 0);                          // March: no longer shown
  const int row = Add(p);
  const CardYear y = Card(row, false, true).years[0];
  EXPECT_EQ(y.service_year, 2025);
  EXPECT_TRUE(y.months[4].filled && y.months[4].participated);  // January
  EXPECT_TRUE(y.months[5].filled);                              // February
  EXPECT_FALSE(y.months[6].filled);                             // March

  // The history opens on the inactive month, its list is the inactive file.
  activity::HistoryEditor editor = activity::HistoryEditor::ForInactive(doc, row);
  EXPECT_TRUE(editor.inactive());
  EXPECT_EQ(editor.year(), 2025);
  EXPECT_EQ(editor.month_index(), 2);
  EXPECT_EQ(editor.Years(), (std::vector<int>{2023, 2024, 2025}));
  EXPECT_EQ(editor.Months(2025), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(editor.Months(2023).front(), 3);  // 24 months back
}

TEST_F(RecordCardTest, FilesGoGroupByGroupAndOptionsKeepOtherBits) {
  Open({2026, 12, 8});
  PublisherRecord a = Person(101, "Ana"), b = Person(102, "Bia"), c = Person(103, "Caio");
  a.set_group(2);
  c.set_group(1);
  Add(a);
  Add(b);
  Add(c);
  RecordCardDialogModel model(doc, settings);
  std::vector<std::uint16_t> ids;
  for (int row : model.FileRows(false)) ids.push_back(doc.db().row(row).id());
  EXPECT_EQ(ids, (std::vector<std::uint16_t>{103, 101, 102}));
  EXPECT_FALSE(model.inactive_offered());
  model.SetInactive(true);
  EXPECT_FALSE(model.inactive());

  settings.hide_averages = 0x30;
  CardOptions o = CardOptionsOf(settings);
  EXPECT_FALSE(ApplyCardOptions(o, settings));
  o.hide_totals_previous_year = true;
  EXPECT_TRUE(ApplyCardOptions(o, settings));
  EXPECT_EQ(settings.hide_averages, 0x38);
}

TEST(RecordCardLayout, StopsAreReadAtFixedPlaces) {
  EXPECT_EQ(reports::ReadStops("70 88 02 14 35 55 77", 2),
            (std::array<int, 7>{70, 88, 2, 14, 35, 55, 77}));
  EXPECT_EQ(reports::ReadStops("094 180 246 310 410 500 515", 3),
            (std::array<int, 7>{94, 180, 246, 310, 410, 500, 515}));
  // A short or damaged translation leaves zeros, not garbage.
  EXPECT_EQ(reports::ReadStops("094 1x0", 3), (std::array<int, 7>{94, 0, 0, 0, 0, 0, 0}));
}

TEST(RecordCardLayout, HeadingsSplitOnlyWhereTheRulesAllow) {
  auto narrow = [](std::string_view s) { return s.size() <= 10; };
  const auto lines =
      reports::SplitHeading("Horas (Se \xe9 pioneiro ou mission\xe1rio de campo)", 4, narrow);
  ASSERT_EQ(lines.size(), 4u);
  // Each line as full as the width lets it be.
  EXPECT_EQ(lines[0], "Horas (Se");
  EXPECT_EQ(lines[1], "\xe9 pioneiro");
  // Never before the third character, never twice within four.
  EXPECT_EQ(reports::SplitHeading("A B C D", 4, [](std::string_view) { return false; }),
            (std::vector<std::string>{"A B", "C D"}));
  EXPECT_EQ(reports::SplitHeading("Pre-sets", 4, narrow), (std::vector<std::string>{"Pre-sets"}));
  EXPECT_EQ(reports::SplitHeading("Participou no minist\xe9rio", 4, narrow),
            (std::vector<std::string>{"Participou", "no minist\xe9rio"}));
}

TEST(Labels, SheetPlacesAndPageCounts) {
  EXPECT_EQ(reports::LabelPlaceOf(1).row, 0);
  EXPECT_EQ(reports::LabelPlaceOf(1).column, 0);
  EXPECT_EQ(reports::LabelPlaceOf(2).column, 1);
  EXPECT_EQ(reports::LabelPlaceOf(20).row, 9);
  EXPECT_EQ(reports::LabelPageCount(21, 1), 2);
  EXPECT_EQ(reports::LabelPageCount(20, 1), 1);
  EXPECT_EQ(reports::LabelPageCount(2, 20), 2);
  EXPECT_EQ(reports::LabelPageCount(1, 20), 1);
  EXPECT_TRUE(reports::AsksFirstLabel(20));
  EXPECT_FALSE(reports::AsksFirstLabel(21));
}

TEST_F(RecordCardTest, TwentyOneActivePublishersGiveTwoLabelPages) {
  Open({2026, 12, 8});
  for (std::uint16_t id = 101; id <= 121; ++id) Add(Person(id, "Ana"));
  reports::RecordingCanvas canvas(300, 300);
  reports::ReportEnv env;
  env.printed = true;
  EXPECT_EQ(reports::DrawReport(canvas, env, doc.db(), reports::kLabelsKind, 0), 2);
  env.chosen_ids = {101, 102};
  env.first_label = 20;
  EXPECT_EQ(reports::DrawReport(canvas, env, doc.db(), reports::kLabelsKind, 0), 2);
}

// A printer that counts sheets.
struct CountingPrinter final : PrinterPort {
  struct Job final : PrintJob {
    explicit Job(CountingPrinter& p) : owner(p) {}
    Canvas& canvas() override { return owner.canvas; }
    void NewPage() override { ++owner.sheets; }
    bool Finish() override { return ++owner.finished, true; }
    CountingPrinter& owner;
  };
  bool HasDefault() const override { return present; }
  std::unique_ptr<PrintJob> OpenDefault(std::string_view name) override {
    this->name = name;
    ++sheets;
    return std::make_unique<Job>(*this);
  }
  bool present = true;
  reports::RecordingCanvas canvas{300, 300};
  std::string name;
  int sheets = 0, finished = 0;
};

TEST_F(RecordCardTest, CardsPrintOneAPageAndStopWhenCancelled) {
  Open({2026, 12, 8});
  const int row = Add(Person(101, "Ana"));
  RecordCardDialogModel model(doc, settings);
  auto card = [&](int) { return model.PrintedCard(row); };
  CountingPrinter printer;
  EXPECT_EQ(reports::PrintRecordCards(printer, prompter, "Cards", 3, card, "ptg"),
            reports::CardPrintOutcome::kPrinted);
  EXPECT_EQ(printer.sheets, 3);
  EXPECT_EQ(printer.finished, 1);

  CountingPrinter stopped;
  EXPECT_EQ(reports::PrintRecordCards(stopped, prompter, "Cards", 5, card, "ptg",
                                      [](int done, int) { return done < 2; }),
            reports::CardPrintOutcome::kCancelled);
  EXPECT_EQ(stopped.sheets, 2);

  CountingPrinter none;
  none.present = false;
  EXPECT_EQ(reports::PrintRecordCards(none, prompter, "Cards", 1, card, "ptg"),
            reports::CardPrintOutcome::kNoPrinter);
  EXPECT_EQ(none.sheets, 0);
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_EQ(prompter.shown.back(), Strings().Get(1234));
}

}  // namespace
}  // namespace ledra::records
