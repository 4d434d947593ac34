// The classification rules on hand-built records; the ReportMonth is
// November 2026 unless a test moves it.

#include "activity/status_rules.h"

#include <gtest/gtest.h>

#include "activity/status_test_support.h"

namespace ledra::activity::test {
namespace {

constexpr std::uint8_t kOpen = 1;
constexpr std::uint8_t kClosed = 2;

class StatusRules : public StatusCongregation {};

// Month walks: the slot parity flips on entering December from January,
// for a ReportMonth in an even and in an odd year.
TEST_F(StatusRules, TheWalkBackCrossesDecemberForBothParities) {
  struct Case {
    int year, month;  // today; the ReportMonth is the month before
    std::vector<int> slots;
  };
  const Case cases[] = {
      // February 2026 (even): Feb, Jan 2026, then Dec .. Sep 2025 (odd).
      {2026, 3, {3, 0, 34, 31, 28, 25}},
      // February 2027 (odd): Feb, Jan 2027, then Dec .. Sep 2026 (even).
      {2027, 3, {4, 1, 33, 30, 27, 24}},
      // January 2026: December 2025 is the first month back.
      {2026, 2, {0, 34, 31, 28, 25, 22}},
  };
  for (const Case& c : cases) {
    SetToday(c.year, c.month, 1);
    std::vector<int> slots;
    for (const CalendarMonth& m : WalkBack(db, 6)) slots.push_back(m.slot());
    EXPECT_EQ(slots, c.slots) << c.year << "-" << c.month;
  }
}

TEST_F(StatusRules, TheServiceYearWalkEndsInSeptember) {
  struct Case {
    int year, month;
    std::size_t months;
  };
  for (const Case& c :
       {Case{2026, 10, 1}, Case{2026, 12, 3}, Case{2027, 3, 6}, Case{2027, 9, 12}}) {
    SetToday(c.year, c.month, 1);
    const auto walk = WalkBackToSeptember(db);
    EXPECT_EQ(walk.size(), c.months) << c.month;
    EXPECT_EQ(walk.back().month_index, 8);
  }
}

TEST_F(StatusRules, TheOpenReportMonthMakesNobodyIrregular) {
  PublisherRecord& ana = Add(101, "Ana", "Silva");
  ReportSlots(ana, {Slot26(6), Slot26(7), Slot26(8), Slot26(9), Slot26(10)});
  SetMonthState(10, kOpen);
  EXPECT_FALSE(IsIrregular(db, ana));
  // Closed (or never started), November counts like any month.
  SetMonthState(10, kClosed);
  EXPECT_EQ(MissingMonthMask(db, ana), 1u << 10);
  SetMonthState(10, 0);
  EXPECT_TRUE(IsIrregular(db, ana));
}

TEST_F(StatusRules, MissingMonthsLookSixMonthsBackOnly) {
  PublisherRecord& ana = Add(101, "Ana", "Silva");
  SetMonthState(10, kOpen);
  ReportSlots(ana, {Slot26(6), Slot26(7), Slot26(9), Slot26(10)});
  // August is missing; May (seven months back) is not looked at.
  EXPECT_EQ(MissingMonthMask(db, ana), 1u << 7);
  // A report in last year's August slot is not this year's.
  Report(ana, Slot25(8));
  EXPECT_EQ(MissingMonthMask(db, ana), 1u << 7);
}

TEST_F(StatusRules, ANewPublisherOfTwoMonthsAgoIsNotIrregular) {
  PublisherRecord& eva = Add(102, "Eva", "Costa");
  SetMonthState(10, kOpen);
  SetStatus(eva, 0x91, 0x91);  // new publisher in September
  ReportSlots(eva, {Slot26(9), Slot26(10)});
  EXPECT_EQ(IrregularWindow(db, eva), 3);
  EXPECT_FALSE(IsIrregular(db, eva));
  // Missing October is still missing.
  eva.set_word(SlotWords::kStudiesWord, Slot26(10), 0);
  EXPECT_EQ(MissingMonthMask(db, eva), 1u << 9);
}

TEST_F(StatusRules, TheWindowOfAChangeRunsOnWhileTheMonthBeforeHasHours) {
  PublisherRecord& rui = Add(103, "Rui", "Lima");
  struct Case {
    std::uint8_t change;
    std::initializer_list<int> hours_slots;
    int window;
  };
  const Case cases[] = {
      {0x91, {}, 3},                                 // new in September
      {0x94, {Slot26(8), Slot26(7)}, 5},             // moved in, July and August carried hours
      {0x92, {Slot26(8), Slot26(7), Slot26(6)}, 6},  // at most six
      {0x31, {}, 6},                                 // the change month is not among the six
      {0x90, {}, 6},                                 // an irregular publisher moved in: six
      {0xB1, {}, 1},                                 // new in November itself
  };
  for (const Case& c : cases) {
    for (int slot = 0; slot < store::kSlotCount; ++slot) rui.set_word(SlotWords::kHours, slot, 0);
    rui.SetU8(201, c.change);
    for (int slot : c.hours_slots) rui.set_word(SlotWords::kHours, slot, 5);
    EXPECT_EQ(IrregularWindow(db, rui), c.window) << int(c.change);
  }
  // A quarter hour is hours too.
  for (int slot = 0; slot < store::kSlotCount; ++slot) rui.set_word(SlotWords::kHours, slot, 0);
  rui.SetU8(201, 0x91);
  rui.set_word(SlotWords::kStudiesWord, Slot26(8), 1 << 12);
  EXPECT_EQ(IrregularWindow(db, rui), 4);
}

TEST_F(StatusRules, ASpecialPioneersEmptyMonthsNeverCount) {
  PublisherRecord& sp = Add(104, "Sara", "Pinto");
  PublisherRecord& rp = Add(105, "Rita", "Pinto");
  SetMonthState(10, kOpen);
  for (int m = 6; m <= 10; ++m) {
    sp.set_pioneer_code(Slot26(m), 3);
    rp.set_pioneer_code(Slot26(m), 2);
  }
  EXPECT_FALSE(IsIrregular(db, sp));
  EXPECT_EQ(MissingMonthMask(db, rp), 0b11111u << 5);  // June .. October
}

TEST_F(StatusRules, InactiveCandidatesCountTheOpenMonthToo) {
  SetMonthState(10, kOpen);
  struct Case {
    int slot;  // the one report, -1 none
    bool candidate;
  };
  const Case cases[] = {
      {-1, true}, {Slot26(11), false}, {Slot26(6), false}, {Slot26(5), true}, {Slot25(11), true}};
  std::uint16_t id = 110;
  for (const Case& c : cases) {
    PublisherRecord& p = Add(id++, "P", "Q");
    if (c.slot >= 0) Report(p, c.slot);
    EXPECT_EQ(IsInactiveCandidate(db, p), c.candidate) << c.slot;
  }
  PublisherRecord& inactive = Add(id, "I", "J", ListType::kInactive);
  EXPECT_FALSE(IsInactiveCandidate(db, inactive));
}

TEST_F(StatusRules, AReactivationOfEightMonthsAgoByPeriod) {
  PublisherRecord& rui = Add(103, "Rui", "Lima");
  SetStatus(rui, 0x32, 0x32, 26 * 12 + 2);  // reactivated in March 2026
  using P = StatusPeriod;
  EXPECT_FALSE(StatusInPeriod(db, rui, kChangeReactivated, P::kSixMonths));
  EXPECT_FALSE(StatusInPeriod(db, rui, kChangeReactivated, P::kServiceYear));
  auto twelve = StatusInPeriod(db, rui, kChangeReactivated, P::kTwelveMonths);
  ASSERT_TRUE(twelve);
  EXPECT_EQ(twelve->month, 3);
  EXPECT_EQ(twelve->year, 2026);
  EXPECT_TRUE(StatusInPeriod(db, rui, kChangeReactivated, P::kTwentyFourMonths));
  // Not a new publisher.
  EXPECT_FALSE(StatusInPeriod(db, rui, kChangeNew, P::kTwelveMonths));
}

TEST_F(StatusRules, NewPublishersByPeriodAndYear) {
  PublisherRecord& eva = Add(102, "Eva", "Costa");
  using P = StatusPeriod;
  struct Case {
    std::uint8_t change, copy;
    std::uint16_t counter;
    P period;
    int month, year;  // 0: not listed
  };
  const Case cases[] = {
      {0x91, 0x91, 0, P::kSixMonths, 9, 2026},
      {0x91, 0x91, 0, P::kServiceYear, 9, 2026},
      // December is later than November: last year's.
      {0xC1, 0xC1, 0, P::kTwelveMonths, 12, 2025},
      {0xC1, 0xC1, 0, P::kSixMonths, 0, 0},
      // The copy decides the service year; the status change the six months.
      {0x00, 0x91, 0, P::kServiceYear, 9, 2026},
      {0x00, 0x91, 0, P::kSixMonths, 0, 0},
      // Twenty-four months: 14 months back takes the counter's month,
      // 24 months back is too old.
      {0x31, 0x31, 25 * 12 + 8, P::kTwentyFourMonths, 9, 2025},
      {0x31, 0x31, 24 * 12 + 10, P::kTwentyFourMonths, 0, 0},
      {0x51, 0x00, 26 * 12 + 4, P::kTwentyFourMonths, 5, 2026},
  };
  for (const Case& c : cases) {
    SetStatus(eva, c.change, c.copy, c.counter);
    const auto when = StatusInPeriod(db, eva, kChangeNew, c.period);
    if (c.month == 0) {
      EXPECT_FALSE(when) << int(c.change) << " " << int(c.period);
      continue;
    }
    ASSERT_TRUE(when) << int(c.change) << " " << int(c.period);
    EXPECT_EQ(when->month, c.month);
    EXPECT_EQ(when->year, c.year);
  }
}

TEST_F(StatusRules, InactiveMonthsByPeriod) {
  PublisherRecord& p = Add(120, "Ivo", "Reis", ListType::kInactive);
  using P = StatusPeriod;
  struct Case {
    std::uint8_t month, year_byte;
    int six, service_year, twelve;
  };
  const Case cases[] = {
      {10, 26, 10, 10, 10},  // October 2026
      {12, 25, 0, 0, 12},    // December 2025: within twelve months only
      {11, 25, 0, 0, 0},     // November 2025: twelve months back, too old
      {10, 24, 0, 0, 0},     // October 2024: two years ago, though the slot parity matches
      {7, 25, 0, 0, 0},      // July 2025: the parity of the walked July is 2026's
  };
  for (const Case& c : cases) {
    SetStatus(p, static_cast<std::uint8_t>(c.month << 4), c.year_byte);
    EXPECT_EQ(InactiveMonth(db, p, P::kSixMonths), c.six)
        << int(c.month) << "/" << int(c.year_byte);
    EXPECT_EQ(InactiveMonth(db, p, P::kServiceYear), c.service_year) << int(c.month);
    EXPECT_EQ(InactiveMonth(db, p, P::kTwelveMonths), c.twelve) << int(c.month);
  }
  EXPECT_EQ(InactiveYear(24), 2024);
  EXPECT_EQ(InactiveYear(200), 2200);
  EXPECT_EQ(InactiveYear(250), 1994);
}

TEST_F(StatusRules, MovedMonthsHaveNoYear) {
  PublisherRecord& p = Add(121, "Lia", "Reis", ListType::kMoved);
  p.SetU8(201, 0x50);  // May
  EXPECT_EQ(MovedMonth(db, p, StatusPeriod::kSixMonths), 0);
  EXPECT_EQ(MovedMonth(db, p, StatusPeriod::kTwelveMonths), 5);
  p.SetU8(201, 0x90);
  EXPECT_EQ(MovedMonth(db, p, StatusPeriod::kSixMonths), 9);
  EXPECT_EQ(MovedMonth(db, p, StatusPeriod::kServiceYear), 9);
}

TEST_F(StatusRules, YearsSinceBaptism) {
  SetToday(2026, 9, 15);
  PublisherRecord& p = Add(130, "Bia", "Melo");
  struct Case {
    std::string_view date;
    std::optional<int> years;
  };
  const Case cases[] = {
      {"10012025", 0},                                     // eleven months ago, last calendar year
      {"08012025", 1},                                     // thirteen months ago
      {"09302025", 1},                                     // this month last year
      {"12012026", 0},                                     // later this year: still this year
      {"03151990", 36},       {"        ", std::nullopt},  // not given
      {"0101", std::nullopt}, {"ab01cdef", std::nullopt},
  };
  for (const Case& c : cases) {
    p.SetText(store::field::kBapdate, c.date);
    EXPECT_EQ(YearsSinceBaptism(db, p), c.years) << c.date;
  }
}

}  // namespace
}  // namespace ledra::activity::test
