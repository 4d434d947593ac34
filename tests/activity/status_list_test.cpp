// The status lists as the dialog lists them: one line of each kind, the
// captions, headings, the clipboard text and the choices refused. The
// ReportMonth is November 2026, open.

#include "activity/status_list.h"

#include <gtest/gtest.h>

#include "activity/status_test_support.h"
#include "platform/codepage.h"

namespace ledra::activity::test {
namespace {

using Kind = StatusListKind;
using P = StatusPeriod;

std::string A(std::string_view utf8) {
  return platform::Utf8ToAnsi(utf8).text;
}

class StatusLists : public StatusCongregation {
 protected:
  void SetUp() override {
    StatusCongregation::SetUp();
    SetMonthState(10, 1);
    db.side.groups.set_count(2);
    db.side.groups.set_text(1, store::GroupTable::Text::kOverseer, "Rui Lima");
  }
  std::vector<std::string> Texts(const StatusListChoice& choice) {
    auto page = StatusList(db, options).Build(choice);
    EXPECT_TRUE(page.ok()) << (page.ok() ? "" : page.error().text);
    std::vector<std::string> texts;
    if (page)
      for (const StatusLine& l : page->lines) texts.push_back(l.text);
    return texts;
  }
  StatusListOptions options;
};

TEST_F(StatusLists, NotReportedWithPhonesAndGroups) {
  PublisherRecord& ana = Add(101, "Ana", "Silva", ListType::kActive, 1);
  ana.SetText(store::field::kPhone, "555-1234");
  ana.SetText(store::field::kPhone2, "912 000");
  PublisherRecord& eva = Add(102, "Eva", "Costa", ListType::kActive, 2);
  eva.SetText(store::field::kPhone2, "913 111");
  PublisherRecord& rui = Add(103, "Rui", "Lima", ListType::kActive, 1);
  Report(rui, Slot26(11));
  PublisherRecord& lia = Add(104, "Lia", "Reis", ListType::kActive, 1);
  Remark(lia, Slot26(11), "doente");

  EXPECT_EQ(
      Texts({Kind::kNotReported}),
      (std::vector<std::string>{"Silva, Ana  (1)\t555-1234\t912 000", "Costa, Eva  (2)\t913 111"}));
  StatusListChoice group{Kind::kNotReported};
  group.group = 1;
  EXPECT_EQ(Texts(group), (std::vector<std::string>{"Silva, Ana\t555-1234\t912 000"}));
  // The collection form lists everyone.
  EXPECT_EQ(Texts({Kind::kCollectionForm}).size(), 4u);

  auto page = StatusList(db).Build(group);
  ASSERT_TRUE(page);
  EXPECT_EQ(page->caption, A("Não Relataram Novembro  ( 1 )"));
  EXPECT_EQ(page->heading, "Grupo # 1  -  Rui Lima");
  EXPECT_EQ(page->tab_stops, (std::vector<int>{110, 170}));
  EXPECT_EQ(StatusList(db).Build({Kind::kNotReported})->heading, A("Congregação"));
}

TEST_F(StatusLists, NotReportedForALaterMonthReadsLastYear) {
  PublisherRecord& ana = Add(101, "Ana", "Silva");
  PublisherRecord& eva = Add(102, "Eva", "Costa");
  Report(ana, Slot25(12));  // December 2025
  Report(eva, Slot26(12));  // a stale December of the other parity
  StatusListChoice december{Kind::kNotReported};
  december.month_index = 11;
  EXPECT_EQ(Texts(december), (std::vector<std::string>{"Costa, Eva  (0)\t"}));
  auto page = StatusList(db).Build(december);
  EXPECT_EQ(page->caption, A("Não Relataram Dezembro  ( 1 )"));
  // An earlier month reads this year.
  Report(ana, Slot26(10));
  StatusListChoice october{Kind::kNotReported};
  october.month_index = 9;
  EXPECT_EQ(Texts(october), (std::vector<std::string>{"Costa, Eva  (0)\t"}));
}

TEST_F(StatusLists, IrregularLinesNameTheMonthsInCalendarOrder) {
  PublisherRecord& ana = Add(101, "Ana", "Silva");
  ReportSlots(ana, {Slot26(6), Slot26(9)});
  Remark(ana, Slot26(8), "viagem");
  PublisherRecord& eva = Add(102, "Eva", "Costa");
  ReportSlots(eva, {Slot26(6), Slot26(7), Slot26(8), Slot26(9), Slot26(10)});
  EXPECT_EQ(Texts({Kind::kIrregular}), (std::vector<std::string>{"Silva, Ana\tJul\tAgo!\tOut"}));
  EXPECT_EQ(StatusTabStops(Kind::kIrregular), (std::vector<int>{100, 120, 140, 160, 180, 200}));
  // Across December: a report of January 2026 in an odd year's slot is missing.
  SetToday(2026, 3, 1);
  SetMonthState(1, 0);
  PublisherRecord& rui = Add(103, "Rui", "Lima");
  ReportSlots(rui, {Slot26(2), Slot25(1), Slot25(12), Slot25(11), Slot25(10), Slot25(9)});
  StatusListChoice choice{Kind::kIrregular};
  const auto texts = Texts(choice);
  EXPECT_EQ(texts.back(), "Lima, Rui\tJan");
}

TEST_F(StatusLists, NewAndReactivatedLines) {
  PublisherRecord& eva = Add(102, "Eva", "Costa");
  SetStatus(eva, 0x91, 0x91);
  PublisherRecord& rui = Add(103, "Rui", "Lima");
  SetStatus(rui, 0x32, 0x32, 26 * 12 + 2);
  StatusListChoice news{Kind::kNew};
  EXPECT_EQ(Texts(news), (std::vector<std::string>{"Costa, Eva\t2026 Setembro"}));
  StatusListChoice reactivated{Kind::kReactivated};
  EXPECT_TRUE(Texts(reactivated).empty());
  reactivated.period = P::kTwelveMonths;
  EXPECT_EQ(Texts(reactivated), (std::vector<std::string>{A("Lima, Rui\t2026 Março")}));
  reactivated.period = P::kTwentyFourMonths;
  auto page = StatusList(db).Build(reactivated);
  EXPECT_EQ(page->caption, "Publicadores Reativados ( 1 )");
  EXPECT_EQ(page->heading, A("Últimos 24 meses"));
}

TEST_F(StatusLists, InactiveOfTwoYearsAgoOnlyOverTwelveAndAll) {
  PublisherRecord& old = Add(120, "Ivo", "Reis", ListType::kInactive, 2);
  SetStatus(old, 0xA0, 24);  // October 2024
  PublisherRecord& recent = Add(121, "Lia", "Reis", ListType::kInactive, 1);
  SetStatus(recent, 0x90, 26);  // September 2026
  struct Case {
    P period;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {P::kSixMonths, {"Reis, Lia\t2026  Set\tGrupo # 1"}},
      {P::kServiceYear, {"Reis, Lia\t2026  Set\tGrupo # 1"}},
      {P::kTwelveMonths, {"Reis, Lia\t2026  Set\tGrupo # 1"}},
      {P::kOverTwelveMonths, {"Reis, Ivo\t2024  \tGrupo # 2"}},
      {P::kAll, {"Reis, Ivo\t2024  \tGrupo # 2", "Reis, Lia\t2026  Set\tGrupo # 1"}},
  };
  for (const Case& c : cases) {
    StatusListChoice choice{Kind::kInactive};
    choice.period = c.period;
    EXPECT_EQ(Texts(choice), c.lines) << int(c.period);
  }
}

TEST_F(StatusLists, MovedBaptisedAuxiliaryAndConductorLines) {
  Add(130, "Lia", "Reis", ListType::kMoved).SetU8(201, 0xA0);
  StatusListChoice moved{Kind::kMoved};
  EXPECT_EQ(Texts(moved), (std::vector<std::string>{"Reis, Lia\tOut"}));

  PublisherRecord& bia = Add(131, "Bia", "Melo");
  bia.SetText(store::field::kBapdate, "03152026");
  PublisherRecord& ze = Add(132, "Ze", "Melo");
  ze.SetText(store::field::kBapdate, "03151990");
  StatusListChoice baptised{Kind::kBaptised};
  EXPECT_EQ(Texts(baptised), (std::vector<std::string>{"Melo, Bia\t03152026"}));
  baptised.selection = 5;  // 30 - 39
  EXPECT_EQ(Texts(baptised), (std::vector<std::string>{"Melo, Ze\t03151990"}));
  EXPECT_EQ(StatusList(db).Build(baptised)->heading, "30 - 39 Anos");

  bia.set_pioneer_code(Slot26(7), 1);
  StatusListChoice aux{Kind::kAuxiliary};
  EXPECT_EQ(Texts(aux), (std::vector<std::string>{"Melo, Bia"}));
  aux.period = P::kServiceYear;  // September to November
  EXPECT_TRUE(Texts(aux).empty());

  ze.set_word(SlotWords::kStudiesWord, Slot26(8), 0x0800 | 2);
  bia.set_word(SlotWords::kStudiesWord, Slot26(11), 0x0800 | 1);
  StatusListChoice conductors{Kind::kConductors};
  EXPECT_EQ(Texts(conductors), (std::vector<std::string>{"Melo, Bia\tNovembro", "Melo, Ze"}));
}

TEST_F(StatusLists, UnbaptisedStudentsCategoryNeedsAndCandidates) {
  PublisherRecord& ana = Add(101, "Ana", "Silva", ListType::kActive, 1);
  ana.SetText(store::field::kBapdate, "        ");
  PublisherRecord& eva = Add(102, "Eva", "Costa", ListType::kActive, 2);
  eva.SetText(store::field::kBapdate, "05012001");
  Report(eva, Slot26(9));
  eva.SetU8(239, store::attr::kSpecialCategory);
  eva.set_special_ministry_bits(0x8000 | 0x2);  // blind
  Add(140, "Joao", "Neves", ListType::kNonPublisher, 1);
  Add(141, "Maria", "Neves", ListType::kNonPublisher, 2);

  EXPECT_EQ(Texts({Kind::kUnbaptised}), (std::vector<std::string>{"Silva, Ana"}));
  StatusListChoice students{Kind::kStudents};
  students.group = 2;
  EXPECT_EQ(Texts(students), (std::vector<std::string>{"Neves, Maria"}));

  StatusList lists(db);
  EXPECT_TRUE(lists.Offered(Kind::kSpecialNeeds));
  EXPECT_EQ(lists.KindName(Kind::kSpecialNeeds), "Cegos");
  EXPECT_EQ(lists.Selections(Kind::kSpecialNeeds), (std::vector<std::string>{"Cegos"}));
  EXPECT_EQ(Texts({Kind::kSpecialNeeds}), (std::vector<std::string>{"Costa, Eva"}));
  EXPECT_EQ(lists.DialogNumber(Kind::kSpecialCategory), 16);

  options = {true, "Idosos"};
  auto category = StatusList(db, options).Build({Kind::kSpecialCategory});
  ASSERT_TRUE(category);
  EXPECT_EQ(category->caption, "Idosos ( 1 )");
  EXPECT_EQ(Texts({Kind::kInactiveCandidates}), (std::vector<std::string>{"Silva, Ana"}));
}

TEST_F(StatusLists, PrivilegesAndConsentWithTheirDates) {
  PublisherRecord& rui = Add(103, "Rui", "Lima");
  rui.SetU8(239, 2);  // elder
  PublisherRecord& eva = Add(102, "Eva", "Costa");
  eva.SetU16(194, store::kAppointmentFieldMissionary);
  auto entry = [&](std::uint16_t id, std::uint16_t kind, std::string_view start) {
    store::AppointmentEntry e;
    e.set_u16(0, id);
    e.set_u16(2, kind);
    e.set_text(4, 9, start);
    db.side.appointments.push_back(e);
  };
  entry(103, 2, "03052015");
  entry(102, 20, "11302024");

  StatusList lists(db);
  // No special servant: the sixth row is the field missionaries.
  const auto rows = lists.Selections(Kind::kPrivileges);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[5], A("Missionários de campo"));
  StatusListChoice choice{Kind::kPrivileges};
  choice.selection = 1;
  EXPECT_EQ(Texts(choice), (std::vector<std::string>{"Lima, Rui\t5 Mar 2015"}));
  choice.selection = 5;
  EXPECT_EQ(Texts(choice), (std::vector<std::string>{"Costa, Eva"}));
  db.sort_by_first_name = true;
  choice.selection = 1;
  EXPECT_EQ(Texts(choice), (std::vector<std::string>{"Rui Lima\tMar 5 2015"}));
  db.sort_by_first_name = false;

  EXPECT_EQ(Texts({Kind::kConsent}), (std::vector<std::string>{"Costa, Eva\t30 Nov 2024"}));
  EXPECT_EQ(Texts({Kind::kNoConsent}), (std::vector<std::string>{"Lima, Rui"}));
}

TEST_F(StatusLists, TheClipboardTextOfTheNotReported) {
  PublisherRecord& ana = Add(101, "Ana", "Silva", ListType::kActive, 1);
  ana.SetText(store::field::kPhone, "555");
  ana.SetText(store::field::kPhone3, "777");
  Add(102, "Eva", "Costa", ListType::kActive, 1);
  StatusListChoice choice{Kind::kNotReported};
  choice.group = 1;
  auto text = StatusList(db).ClipboardText(choice);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, A("Não Relataram Novembro \r\nGrupo # 1  Superintendente: Rui Lima\r\n\r\n"
                     "Silva, Ana   555 777\r\nCosta, Eva   \r\n\r\n\r\n"));
  choice.group = 0;
  EXPECT_EQ(StatusList(db).ClipboardText(choice)->substr(0, 45),
            A("Não Relataram Novembro \r\nCongregação\r\n\r\nSilva"));
}

TEST_F(StatusLists, ChoicesTheDialogCannotMakeAreRefused) {
  Add(101, "Ana", "Silva");
  StatusList lists(db);
  auto refused = [&](StatusListChoice c) {
    auto page = lists.Build(c);
    return page.ok() ? std::string{} : page.error().text;
  };
  StatusListChoice c{Kind::kMoved};
  c.period = P::kTwentyFourMonths;
  EXPECT_NE(refused(c).find("24"), std::string::npos);
  c = {Kind::kNotReported};
  c.group = 3;
  EXPECT_NE(refused(c).find("3"), std::string::npos);
  c.group = -1;
  EXPECT_FALSE(refused(c).empty());
  c = {Kind::kNotReported};
  c.month_index = 12;
  EXPECT_NE(refused(c).find("13"), std::string::npos);
  c = {Kind::kBaptised};
  c.selection = 9;
  EXPECT_NE(refused(c).find("0 a 8"), std::string::npos);
  c.selection = -1;
  EXPECT_FALSE(refused(c).empty());
  EXPECT_FALSE(refused({Kind::kSpecialNeeds}).empty());
  EXPECT_FALSE(refused({Kind::kSpecialCategory}).empty());
  EXPECT_TRUE(refused({Kind::kIrregular}).empty());
}

}  // namespace
}  // namespace ledra::activity::test
