// The meeting attendance: the averaging rule, the bytes a month takes in the
// meeting blocks and in "meetin9.dat", the months offered and the entry
// dialog's state, and the month's figures where the analysis prints them.

#include "records/attendance_entry.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "records/records_fixture.h"
#include "reports/recording_canvas.h"
#include "reports/report_kinds.h"

namespace ledra::records {
namespace {

// December 2025 (the ReportMonth of the fixture): month 11, odd year.
constexpr int kDecember2025 = 11 * 3 + 1;

struct Case {
  AttendanceWeeks weeks;
  AttendanceFigures expected;
};

TEST(AttendanceFigures, CountTotalAndAverageRoundHalfUp) {
  const Case cases[] = {
      {{80, 0, 90, 0, 0}, {2, 170, 85}},  // an empty week does not lower the average
      {{10, 11, 0, 0, 0}, {2, 21, 11}},   // 10.5 rounds up
      {{10, 10, 11, 0, 0}, {3, 31, 10}},  // 10.33 rounds down
      {{0, 0, 0, 0, 0}, {0, 0, 0}},       // no meeting: no average
      {{1, 1, 1, 2, 0}, {4, 5, 1}},       // 1.25
      {{1, 1, 2, 2, 0}, {4, 6, 2}},       // 1.5 exactly
      {{3, 3, 3, 3, 4}, {5, 16, 3}},      // 3.2: (1 x 10) < 50 / 2
      {{3, 3, 3, 4, 4}, {5, 17, 3}},      // 3.4
      {{3, 3, 4, 4, 4}, {5, 18, 4}},      // 3.6
      {{0, 65535, 0, 0, 0}, {1, 65535, 65535}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FiguresOf(c.weeks), c.expected)
        << c.weeks[0] << ',' << c.weeks[1] << ',' << c.weeks[2] << ',' << c.weeks[3] << ','
        << c.weeks[4];
  }
  EXPECT_EQ(AttendanceAverage(7, 0), 0);
}

TEST(AttendanceBlock, AMonthTakesItsSlotInEachOfTheEightRowsAndNothingElse) {
  store::AttendanceBlock block;
  const int slot = 17;  // May, odd year
  ASSERT_TRUE(StoreWeeks(block, slot, {80, 0, 90, 0, 7}));
  std::array<std::uint8_t, 672> expected{};
  auto put = [&](std::size_t at, std::uint16_t v) {
    expected[at] = static_cast<std::uint8_t>(v & 0xFF);
    expected[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  put(96 + 0 * 72 + 34, 80);
  put(96 + 2 * 72 + 34, 90);
  put(96 + 4 * 72 + 34, 7);
  put(456 + 34, 3);
  put(528 + 34, 177);
  put(600 + 34, 59);
  EXPECT_EQ(block.bytes, expected);
  EXPECT_EQ(block.meetings(slot), 3);
  EXPECT_EQ(block.total(slot), 177);
  EXPECT_EQ(block.average(slot), 59);
  EXPECT_EQ((StoredWeeks(block, slot)), (AttendanceWeeks{80, 0, 90, 0, 7}));

  // The same weeks again write nothing, not even figures that disagree.
  block.set_u16(600 + 34, 58);
  EXPECT_FALSE(StoreWeeks(block, slot, {80, 0, 90, 0, 7}));
  EXPECT_EQ(StoredFigures(block, slot).average, 58);
}

class AttendanceEntryTest : public RecordsTest {
 protected:
  void SetUp() override {
    OpenDefault();
    doc.db().modified = false;
  }
  std::array<store::AttendanceBlock, 2> Blocks() const { return doc.db().side.attendance; }
  void Type(AttendanceEntry& e, int meeting, std::initializer_list<const char*> weeks) {
    int w = 0;
    for (const char* text : weeks) e.field(meeting, w++) = text;
  }
};

TEST_F(AttendanceEntryTest, OffersTheTwentyFourMonthsEndingWithTheReportMonth) {
  const auto& db = doc.db();
  EXPECT_EQ(WindowYears(db), (std::vector<int>{2023, 2024, 2025}));
  EXPECT_EQ(WindowMonths(db, 2025).size(), 12u);
  EXPECT_EQ(WindowMonths(db, 2024).size(), 12u);
  EXPECT_TRUE(WindowMonths(db, 2023).empty());  // nothing after December
  EXPECT_TRUE(WindowMonths(db, 2026).empty());

  doc.db().SetToday(2026, 4, 10);  // the ReportMonth is March 2026
  EXPECT_EQ(WindowMonths(db, 2026), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(WindowMonths(db, 2024), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_FALSE(WindowMonthOffered(db, 2024, 2));
  EXPECT_FALSE(WindowMonthOffered(db, 2026, 3));
  EXPECT_FALSE(WindowMonthOffered(db, 2025, 12));
  EXPECT_EQ(AttendanceEntry::YearText(2024), "24");
  EXPECT_EQ(AttendanceEntry::YearText(2005), "05");
}

TEST_F(AttendanceEntryTest, OpensOnTheReportMonthAndStoresTypedWeeksInItsSlot) {
  AttendanceEntry e(doc);
  EXPECT_EQ(e.year(), 2025);
  EXPECT_EQ(e.month_index(), 11);
  EXPECT_EQ(e.slot(), kDecember2025);
  EXPECT_EQ(e.caption(),
            "Assist\xeancia \xe0s Reuni\xf5"
            "es  - Dezembro - 2025");

  Type(e, 0, {"80", "", "90"});
  Type(e, 1, {"10", "11"});
  EXPECT_EQ(e.total_text(0), "170");
  EXPECT_EQ(e.average_text(0), "85");
  EXPECT_EQ(e.total_text(1), "21");
  EXPECT_EQ(e.average_text(1), "11");
  const Result<bool> stored = e.Store();
  ASSERT_TRUE(stored.ok());
  EXPECT_TRUE(*stored);
  EXPECT_TRUE(doc.db().modified);
  const auto& blocks = doc.db().side.attendance;
  EXPECT_EQ(StoredFigures(blocks[0], kDecember2025), (AttendanceFigures{2, 170, 85}));
  EXPECT_EQ(StoredFigures(blocks[1], kDecember2025), (AttendanceFigures{2, 21, 11}));

  // Saved and read back: block 1 starts at byte 672 of the file.
  ASSERT_TRUE(doc.SaveCommand(false).ok());
  const std::string file = *platform::ReadFileIfPresent(folder.path() / "meetin9.dat");
  ASSERT_EQ(file.size(), 2u * 672);
  EXPECT_EQ(test::Get16(file, 96 + 2 * 72 + 2 * kDecember2025), 90);  // week 3
  EXPECT_EQ(test::Get16(file, 456 + 2 * kDecember2025), 2);
  EXPECT_EQ(test::Get16(file, 672 + 96 + 72 + 2 * kDecember2025), 11);  // weekend, week 2
  EXPECT_EQ(test::Get16(file, 672 + 600 + 2 * kDecember2025), 11);
  store::Document again(folder.path(), clock, prompter);
  ASSERT_EQ(again.Open({}), store::OpenOutcome::kOpened);
  AttendanceEntry reopened(again);
  EXPECT_EQ(reopened.field(0, 0), "80");
  EXPECT_EQ(reopened.field(0, 1), "");  // no meeting shows empty
  EXPECT_EQ(reopened.field(1, 1), "11");
}

TEST_F(AttendanceEntryTest, AnEmptyFileKeepsOneBlockUntilAWeekendIsTypedIn) {
  WriteFixture(folder.path() / "meetin9.dat", "");
  store::Document empty(folder.path(), clock, prompter);
  ASSERT_EQ(empty.Open({}), store::OpenOutcome::kOpened);
  AttendanceEntry e(empty);
  e.field(0, 0) = "20";
  ASSERT_TRUE(e.Store().ok());
  ASSERT_TRUE(empty.SaveCommand(false).ok());
  EXPECT_EQ(platform::ReadFileIfPresent(folder.path() / "meetin9.dat")->size(), 672u);
  e.field(1, 0) = "30";
  ASSERT_TRUE(e.Store().ok());
  ASSERT_TRUE(empty.SaveCommand(false).ok());
  const std::string file = *platform::ReadFileIfPresent(folder.path() / "meetin9.dat");
  ASSERT_EQ(file.size(), 2u * 672);
  EXPECT_EQ(test::Get16(file, 672 + 96 + 2 * kDecember2025), 30);
}

TEST_F(AttendanceEntryTest, SwitchingMonthsWithoutTypingChangesNothing) {
  // Figures that the rule would not give: left as they are.
  doc.db().side.attendance[0].set_u16(96 + 2 * kDecember2025, 5);
  doc.db().side.attendance[0].set_u16(600 + 2 * kDecember2025, 9);
  const auto before = Blocks();
  AttendanceEntry e(doc);
  EXPECT_EQ(e.field(0, 0), "5");
  ASSERT_TRUE(e.ChooseMonth(3).ok());
  ASSERT_TRUE(e.ChooseYear(2024).ok());
  EXPECT_EQ(e.month_index(), 3);  // April is offered in 2024 too
  ASSERT_TRUE(e.Choose(2025, 11).ok());
  ASSERT_TRUE(e.Store().ok());
  for (std::size_t b = 0; b < 2; ++b) EXPECT_EQ(Blocks()[b].bytes, before[b].bytes);
  EXPECT_FALSE(doc.db().modified);
}

TEST_F(AttendanceEntryTest, ChoosingAMonthStoresTheShownOneFirst) {
  AttendanceEntry e(doc);
  ASSERT_TRUE(e.ChooseYear(2024).ok());
  EXPECT_EQ(e.month_index(), 11);
  Type(e, 1, {"40", "42"});
  ASSERT_TRUE(e.ChooseMonth(0).ok());  // January 2024
  EXPECT_EQ(e.field(1, 0), "");
  Type(e, 0, {"33"});
  ASSERT_TRUE(e.ChooseYear(2025).ok());  // keeps January
  EXPECT_EQ(e.month_index(), 0);
  const auto& blocks = doc.db().side.attendance;
  EXPECT_EQ(StoredFigures(blocks[1], store::MonthSlot(11, 24)), (AttendanceFigures{2, 82, 41}));
  EXPECT_EQ(StoredFigures(blocks[0], store::MonthSlot(0, 24)), (AttendanceFigures{1, 33, 33}));
  EXPECT_TRUE(doc.db().modified);
}

TEST_F(AttendanceEntryTest, BadFieldsAndMonthsOutsideTheWindowAreRefusedChangingNothing) {
  const auto before = Blocks();
  AttendanceEntry e(doc);
  const std::vector<std::pair<std::string, int>> bad = {
      {"12a", str::kAttendanceBadWeek},
      {"-1", str::kAttendanceBadWeek},
      {"65536", str::kAttendanceBadWeek},
      {"99999999999999999999", str::kAttendanceBadWeek},
  };
  for (const auto& [text, id] : bad) {
    e.field(1, 3) = text;
    const Result<bool> stored = e.Store();
    ASSERT_FALSE(stored.ok()) << text;
    EXPECT_EQ(stored.error().id, id);
    EXPECT_EQ(stored.error().text,
              "Reuni\xe3o do fim de semana, semana 4: a assist\xeancia deve ser um n\xfamero "
              "inteiro entre 0 e 65535.");
    EXPECT_FALSE(e.ChooseMonth(0).ok());
    EXPECT_EQ(e.month_index(), 11) << "a bad field keeps the month";
    EXPECT_EQ(e.total_text(1), "");
    EXPECT_EQ(e.total_text(0), "0") << "the other meeting still shows its figures";
  }
  // Each week fits, their sum does not.
  Type(e, 1, {"40000", "30000", "", "", ""});
  EXPECT_EQ(e.Store().error().id, str::kAttendanceTotalTooLarge);
  Type(e, 1, {"", "", "", "", ""});

  const Status refused = e.Choose(2023, 11);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().text,
            "Dezembro de 2023 n\xe3o est\xe1 entre os meses da assist\xeancia (de Janeiro de 2024 "
            "a Dezembro de 2025).");
  EXPECT_FALSE(e.ChooseYear(2023).ok());
  EXPECT_FALSE(e.ChooseMonth(12).ok());
  EXPECT_EQ(e.year(), 2025);
  for (std::size_t b = 0; b < 2; ++b) EXPECT_EQ(Blocks()[b].bytes, before[b].bytes);
  EXPECT_FALSE(doc.db().modified);
}

TEST_F(AttendanceEntryTest, EnterOrderAndThePastMonthLock) {
  const int expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
  for (int f = 0; f < kAttendanceFields; ++f) EXPECT_EQ(NextAttendanceField(f), expected[f]);

  EXPECT_TRUE(AttendanceEntryEnabled(doc));
  AttendanceEntry e(doc);
  e.field(0, 0) = "50";
  doc.db().month().viewing_past = true;
  EXPECT_FALSE(AttendanceEntryEnabled(doc));
  const Result<bool> stored = e.Store();
  ASSERT_FALSE(stored.ok());
  EXPECT_EQ(stored.error().id, str::kAttendancePastMonth);
  EXPECT_EQ(StoredFigures(doc.db().side.attendance[0], kDecember2025).total, 0);
}

// The three figures printed after a meeting's name in the analysis' summary.
std::vector<std::string> SummaryFigures(const std::vector<std::string>& trace,
                                        const std::string& meeting_utf8) {
  std::vector<std::string> figures;
  for (std::size_t i = 0; i < trace.size(); ++i) {
    if (trace[i].find('"' + meeting_utf8 + '"') == std::string::npos) continue;
    for (std::size_t j = i + 1; j < trace.size() && figures.size() < 3; ++j) {
      const std::size_t quote = trace[j].find('"');
      if (trace[j].rfind("text ", 0) == 0 && quote != std::string::npos)
        figures.push_back(trace[j].substr(quote + 1, trace[j].size() - quote - 2));
    }
    break;
  }
  return figures;
}

TEST_F(AttendanceEntryTest, AMonthTypedInShowsInTheAnalysisSummary) {
  AttendanceEntry e(doc);
  Type(e, 0, {"80", "0", "90"});
  Type(e, 1, {"10", "10", "11"});
  ASSERT_TRUE(e.Store().ok());
  reports::RecordingCanvas canvas(300, 300);
  reports::ReportEnv env;
  env.printed = true;
  ASSERT_TRUE(reports::DrawReport(canvas, env, doc.db(), 1, 0).has_value());
  EXPECT_EQ(SummaryFigures(canvas.lines(), "Reuni\xc3\xa3o do meio da semana"),
            (std::vector<std::string>{"2", "170", "85"}));
  EXPECT_EQ(SummaryFigures(canvas.lines(), "Reuni\xc3\xa3o do fim de semana"),
            (std::vector<std::string>{"3", "31", "10"}));
}

}  // namespace
}  // namespace ledra::records
