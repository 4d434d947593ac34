// The CSV import's two steps and the records it hands to the import dialog:
// pairing columns (saved map, labels, the rules of "Continuar"), matching
// names (saved pairs, pairs by hand, skipping), the figures a line brings,
// and the credit hours a regular pioneer's remark gives.

#include "interchange/csv_import.h"

#include <gtest/gtest.h>

#include "interchange/csv_credit.h"
#include "interchange/csv_fixture.h"
#include "interchange/csv_mapping_step.h"
#include "interchange/csv_name_step.h"
#include "platform/string_ids.h"

namespace ledra::interchange {
namespace {

using store::SlotWords;
using test::CsvCongregation;
using T = CsvTarget;

CsvFile Csv(std::string_view text) {
  Result<CsvFile> file = ParseCsv(text);
  EXPECT_TRUE(file.ok());
  return file.ok() ? *file : CsvFile{};
}

TEST(CsvMappingStep, PairsTargetsWithColumns) {
  const CsvFile file = Csv("Nome,Part,Est,Hrs,Obs,Extra\r\nAna Silva,1,2,3,x,y\r\n");
  ColumnMappingStep step(file, std::nullopt);
  EXPECT_EQ(step.columns(), (CsvLine{"Nome", "Part", "Est", "Hrs", "Obs", "Extra"}));
  EXPECT_FALSE(step.CanContinue());
  step.Pair(T::kName, 0);
  step.Pair(T::kParticipated, 1);
  step.Pair(T::kStudies, 2);
  step.Pair(T::kHours, 3);
  EXPECT_EQ(step.Missing(), (std::vector<T>{T::kRemark}));
  step.Pair(T::kRemark, 5);
  EXPECT_TRUE(step.CanContinue());
  EXPECT_EQ(step.TargetText(T::kRemark),
            "Extra -> Observa\xE7\xF5"
            "es");
  EXPECT_EQ(step.TargetText(T::kFirstName), "Primeiro nome");
  // A column serves one target: pairing it again frees the former one.
  step.Pair(T::kHours, 5);
  EXPECT_EQ(step.column(T::kRemark), -1);
  EXPECT_EQ(step.column(T::kHours), 5);
  step.Pair(T::kRemark, 4);
  step.Pair(T::kHours, 3);
  // Participation from the hours frees "Particip." and stands in for it.
  EXPECT_EQ(ColumnMappingStep::OptionText(), "* -> Particip. = Horas > 0");
  step.SetParticipationFromHours(true);
  EXPECT_EQ(step.column(T::kParticipated), -1);
  EXPECT_EQ(step.TargetText(T::kParticipated), "* -> Particip.");
  EXPECT_TRUE(step.CanContinue());
  // A name needs both first and last name, or a whole-name column.
  step.Unpair(T::kName);
  step.Pair(T::kFirstName, 0);
  EXPECT_EQ(step.Missing(), (std::vector<T>{T::kName}));
  step.Pair(T::kLastName, 1);
  EXPECT_TRUE(step.CanContinue());
  const ColumnMap map = step.Map();
  EXPECT_TRUE(map.complete);
  EXPECT_EQ(map.header[Index(T::kLastName)], "Part");
  EXPECT_EQ(map.header[Index(T::kName)], "");
  step.Clear();
  EXPECT_EQ(step.Missing().size(), 4u);
  EXPECT_EQ(step.Preview(5), (std::vector<CsvLine>{{"Ana Silva", "1", "2", "3", "x", "y"}}));
}

TEST(CsvMappingStep, ASavedMapAppliesWhereTheHeadersStillMatch) {
  ColumnMap saved;
  saved.column = {-1, -1, 1, 2, 3, 4, 0, -1};
  saved.header = {"", "", "Part", "Est", "Hrs", "Obs", "Nome", ""};
  saved.participation_from_hours = true;
  saved.complete = true;
  const CsvFile same = Csv("Nome,Part,Est,Hrs,Obs\r\nAna Silva,1,2,3,x\r\n");
  ColumnMappingStep a(same, saved);
  EXPECT_EQ(a.Map().column, saved.column);
  EXPECT_TRUE(a.participation_from_hours());
  // A column whose header changed keeps no pair.
  const CsvFile moved = Csv("Nome,Est,Part,Hrs,Obs\r\nAna Silva,1,2,3,x\r\n");
  ColumnMappingStep b(moved, saved);
  EXPECT_EQ(b.column(T::kParticipated), -1);
  EXPECT_EQ(b.column(T::kStudies), -1);
  EXPECT_EQ(b.column(T::kHours), 3);
  // Without "Version 10" the last four targets are not taken.
  saved.complete = false;
  ColumnMappingStep c(same, saved);
  EXPECT_EQ(c.column(T::kStudies), 2);
  EXPECT_EQ(c.column(T::kHours), -1);
  EXPECT_EQ(c.column(T::kName), -1);
}

TEST(CsvMappingStep, TheCollectionListPairsItselfByItsLabels) {
  const CsvFile file =
      Csv("primeiro NOME ,Ultimo nome ,Particip. ,Estudos b\xED"
          "blicos ,Horas ,"
          "Observa\xE7\xF5"
          "es ,\r\nAna,Silva,1,,,\r\n");
  ColumnMappingStep step(file, std::nullopt);
  // The empty column after the final separator is not offered.
  EXPECT_EQ(step.columns().size(), 6u);
  EXPECT_EQ(step.column(T::kFirstName), 0);
  EXPECT_EQ(step.column(T::kRemark), 5);
  EXPECT_EQ(step.column(T::kStudies), 3);
  EXPECT_EQ(step.column(T::kName), -1);
}

class CsvNames : public ::testing::Test {
 protected:
  void SetUp() override {
    c.Add({101, "Ana", "Silva", 1});
    c.Add({102, "Rui", "Dias", 1});
    c.Add({103, "Eva", "Costa", 2});
    c.Add({104, "Ivo", "Lima", 2, 1});  // inactive: never matched
  }
  ColumnMap FirstLast() {
    ColumnMap map;
    map.column = {0, 1, 2, 3, 4, 5, -1, -1};
    return map;
  }
  CsvCongregation c;
};

TEST_F(CsvNames, LinesFindPublishersByTheirDisplayNames) {
  const CsvFile file =
      Csv("F,L,P,E,H,O\r\n"
          "Ana,Silva,1,,,\r\n"
          " Rui , Dias ,1,,,\r\n"
          "Ivo,Lima,1,,,\r\n"
          "A,B,1,,,\r\n"
          "Eva,Kosta,1,,,\r\n"
          "Eva,Kosta,1,,,\r\n");
  // Surname first, as the program shows names by default.
  NameMatchingStep step(c.doc.db(), file, FirstLast(), {});
  const auto matches = step.LineMatches();
  ASSERT_EQ(matches.size(), 6u);
  EXPECT_EQ(matches[0].name, "Silva, Ana");
  EXPECT_EQ(matches[0].id, 101);
  EXPECT_EQ(matches[1].id, 102);
  EXPECT_EQ(matches[2].id, 0);     // inactive publishers are not offered
  EXPECT_EQ(matches[3].name, "");  // both names shorter than 2: skipped
  EXPECT_EQ(step.unmatched(), (std::vector<std::string>{"Lima, Ivo", "Kosta, Eva"}));
  ASSERT_EQ(step.publishers().size(), 1u);
  EXPECT_EQ(step.publishers()[0].display, "Costa, Eva");
  EXPECT_EQ(step.Title(), "2 publicadores n\xE3o identificados");
  EXPECT_FALSE(step.CanContinue());
  EXPECT_FALSE(step.ConfirmedAtOnce());

  step.Pair(1, 0);
  EXPECT_EQ(step.NameText(1), "Kosta, Eva -> Costa, Eva");
  EXPECT_EQ(step.Title(), "1 publicadores n\xE3o identificados");
  // A publisher goes with one name: pairing it again moves it.
  step.Pair(0, 0);
  EXPECT_EQ(step.paired_with(1), -1);
  step.Pair(0, 0);  // the same pair again undoes it
  EXPECT_EQ(step.Unpaired(), 2);
  step.Pair(1, 0);
  step.set_skip_unmatched(true);
  EXPECT_TRUE(step.CanContinue());
  const auto after = step.LineMatches();
  EXPECT_EQ(after[4].id, 103);
  EXPECT_EQ(after[5].id, 103);
  EXPECT_EQ(after[2].id, 0);
  EXPECT_EQ(step.PairsToSave(), (std::vector<NamePair>{{"Costa, Eva", "Kosta, Eva", 103}}));

  // First name first when the program shows names so.
  c.doc.db().sort_by_first_name = true;
  NameMatchingStep first(c.doc.db(), file, FirstLast(), {});
  EXPECT_EQ(first.LineMatches()[0].name, "Ana Silva");
  EXPECT_EQ(first.LineMatches()[0].id, 101);
}

TEST_F(CsvNames, WholeNameColumnsAreReadInTheirOwnOrder) {
  const CsvFile file = Csv("N,S,P,E,H,O\r\nAna Silva,\"Dias, Rui\",1,,,\r\n");
  ColumnMap map;
  map.column = {-1, -1, 2, 3, 4, 5, 0, -1};
  EXPECT_EQ(NameMatchingStep(c.doc.db(), file, map, {}).LineMatches()[0].id, 101);
  // With both whole-name columns, the surname-first one is used.
  map.column = {-1, -1, 2, 3, 4, 5, 0, 1};
  const NameMatchingStep both(c.doc.db(), file, map, {});
  EXPECT_EQ(both.LineMatches()[0].id, 102);
  EXPECT_TRUE(both.ConfirmedAtOnce());
}

TEST_F(CsvNames, SavedPairsComeBackAndOthersAreKept) {
  const CsvFile file = Csv("F,L,P,E,H,O\r\nEva,Kosta,1,,,\r\nRuy,Dias,1,,,\r\n");
  const std::vector<NamePair> saved{{"Costa, Eva", "Kosta, Eva", 103},
                                    {"Dias, Rui", "Dias, Ruy", 999},  // no such publisher now
                                    {"Silva, Ana", "Silva, Anna", 101}};
  NameMatchingStep step(c.doc.db(), file, FirstLast(), saved);
  auto listed = [&](std::uint16_t id) {
    for (std::size_t i = 0; i < step.publishers().size(); ++i)
      if (step.publishers()[i].id == id) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(step.paired_with(0), listed(103));
  EXPECT_EQ(step.paired_with(1), -1);
  EXPECT_EQ(step.Unpaired(), 1);
  step.Pair(1, listed(102));
  // This file's pairs, then the pair of a name this file does not hold.
  EXPECT_EQ(step.PairsToSave(), (std::vector<NamePair>{{"Costa, Eva", "Kosta, Eva", 103},
                                                       {"Dias, Rui", "Dias, Ruy", 102},
                                                       {"Silva, Ana", "Silva, Anna", 101}}));
  EXPECT_TRUE(step.PairsChanged());
}

class CsvRecords : public CsvNames {
 protected:
  CsvImport Build(std::string_view lines, ColumnMap map) {
    file = Csv("F,L,P,E,H,O\r\n" + std::string(lines));
    NameMatchingStep step(c.doc.db(), file, map, {});
    return BuildCsvImport(c.doc.db(), file, map, step.LineMatches());
  }
  const store::PublisherRecord& Record(const CsvImport& in, std::size_t i) {
    return in.table.records.at(i);
  }
  static constexpr int kSlot = CsvCongregation::kSlot;
  CsvFile file;
};

TEST_F(CsvRecords, EachMatchedLineBringsItsFiguresForTheReportMonth) {
  c.Person(101).set_word(SlotWords::kPlcmts, kSlot, 4);
  c.Person(101).set_word(SlotWords::kRemarkIndex, kSlot, 7);  // the congregation's own remark
  const CsvImport in = Build(
      "Ana,Silva,1,3,12,  Bom m\xEAs  \r\n"
      "Nobody,Known,1,1,1,x\r\n"
      "Rui,Dias,0,2,5,\r\n",
      FirstLast());
  EXPECT_EQ(in.table.mode, ImportMode::kCsv);
  EXPECT_EQ(in.table.parity, 0);
  ASSERT_EQ(in.table.records.size(), 2u);
  EXPECT_EQ(in.table.matches, (std::vector<std::uint16_t>{101, 102}));
  EXPECT_EQ(in.lines, (std::vector<int>{1, 3}));
  const store::PublisherRecord& ana = Record(in, 0);
  // A copy of the publisher's row...
  EXPECT_EQ(ana.fname(), "Ana");
  EXPECT_EQ(ana.word(SlotWords::kPlcmts, kSlot), 4);
  // ...with the line's figures in the slot of November 2026.
  EXPECT_EQ(ana.word(SlotWords::kHours, kSlot), 12);
  EXPECT_EQ(ana.word(SlotWords::kStudiesWord, kSlot), 0x0800 | 3);
  ASSERT_EQ(in.table.remarks.size(), 1u);
  EXPECT_EQ(in.table.remarks[0].text, "Bom m\xEAs");
  EXPECT_EQ(ana.word(SlotWords::kRemarkIndex, kSlot), 1);
  // "0" without the option: not participated, nothing taken, no remark.
  const store::PublisherRecord& rui = Record(in, 1);
  EXPECT_EQ(rui.word(SlotWords::kHours, kSlot), 0);
  EXPECT_EQ(rui.word(SlotWords::kStudiesWord, kSlot), 0);
  EXPECT_EQ(rui.word(SlotWords::kRemarkIndex, kSlot), 0);
}

TEST_F(CsvRecords, ParticipationFromTheHoursAndValuesOutOfRange) {
  ColumnMap map = FirstLast();
  map.participation_from_hours = true;
  const CsvImport in = Build(
      "Ana,Silva,0,2,12,\r\n"     // "0" with hours 12 and the option: participated
      "Rui,Dias,,500,740,ok\r\n"  // empty: the option's state; 740 and 500 ignored
      "Eva,Costa,0,1,x,\r\n",     // no hours: the option's state alone
      map);
  ASSERT_EQ(in.table.records.size(), 3u);
  EXPECT_EQ(Record(in, 0).word(SlotWords::kHours, kSlot), 12);
  EXPECT_EQ(Record(in, 0).word(SlotWords::kStudiesWord, kSlot), 0x0800 | 2);
  EXPECT_EQ(Record(in, 1).word(SlotWords::kHours, kSlot), 0);
  EXPECT_EQ(Record(in, 1).word(SlotWords::kStudiesWord, kSlot), 0x0800);
  EXPECT_EQ(Record(in, 2).word(SlotWords::kStudiesWord, kSlot), 0x0800 | 1);
  EXPECT_EQ(in.table.remarks.size(), 1u);  // "ok"; a one-letter remark is none

  // Without a "Particip." column and without the option nobody participated.
  map.column[Index(T::kParticipated)] = -1;
  map.participation_from_hours = false;
  const CsvImport none = Build("Ana,Silva,1,2,739,\r\n", map);
  EXPECT_EQ(Record(none, 0).word(SlotWords::kHours, kSlot), 0);
  // The largest values still taken.
  const CsvImport top = Build("Ana,Silva,1,499,739,\r\n", FirstLast());
  EXPECT_EQ(Record(top, 0).word(SlotWords::kHours, kSlot), 739);
  EXPECT_EQ(Record(top, 0).word(SlotWords::kStudiesWord, kSlot), 0x0800 | 499);
}

TEST_F(CsvRecords, RemarksAreCutAndTheAuxiliaryHintIsNoRemark) {
  const CsvImport in = Build(
      "Ana,Silva,1,,,PAux\r\n"
      "Rui,Dias,1,,,\"" +
          std::string(50, 'r') + "\"\r\n",
      FirstLast());
  ASSERT_EQ(in.table.remarks.size(), 1u);
  EXPECT_EQ(in.table.remarks[0].text, std::string(43, 'r'));
  EXPECT_EQ(Record(in, 0).word(SlotWords::kRemarkIndex, kSlot), 0);
  EXPECT_EQ(Record(in, 1).word(SlotWords::kRemarkIndex, kSlot), 1);
  // Without a column map nothing is imported.
  const auto matches = NameMatchingStep(c.doc.db(), file, FirstLast(), {}).LineMatches();
  EXPECT_TRUE(BuildCsvImport(c.doc.db(), file, std::nullopt, matches).table.records.empty());
}

TEST_F(CsvRecords, TheTableHasRoomFor304Records) {
  std::string lines;
  for (int i = 0; i < 310; ++i) lines += "Ana,Silva,1,1,1,xx\r\n";
  const CsvImport in = Build(lines, FirstLast());
  EXPECT_EQ(in.table.records.size(), 304u);
  EXPECT_EQ(in.table.remarks.size(), 300u);
  EXPECT_EQ(in.left_out, 10);
  EXPECT_NE(in.Notice().find("304"), std::string::npos);
  EXPECT_EQ(Build("Ana,Silva,1,1,1,xx\r\n", FirstLast()).Notice(), "");
}

TEST(CsvCount, NumbersAsSpreadsheetsWriteThem) {
  EXPECT_EQ(ParseCsvCount("12"), 12);
  EXPECT_EQ(ParseCsvCount(" +12 "), 12);
  EXPECT_EQ(ParseCsvCount("12.0"), 12);
  EXPECT_EQ(ParseCsvCount("12,5"), 12);
  EXPECT_EQ(ParseCsvCount("0"), 0);
  for (std::string_view bad : {"", " ", "-3", "x", "12h", "1e3", "."})
    EXPECT_EQ(ParseCsvCount(bad), -1) << bad;
  EXPECT_EQ(ParseCsvCount("99999999999999999999"), 100000);
}

TEST(CsvCredit, TheRemarkOfARegularPioneer) {
  // 60 hours: "15" and a word gives what is left below 70.
  EXPECT_EQ(CreditHoursFromRemark("15 horas de LDC", 60), 10);
  // "!" within the first six characters: the number as it is.
  EXPECT_EQ(CreditHoursFromRemark("15! horas de LDC", 60), 15);
  EXPECT_EQ(CreditHoursFromRemark("15 hr!", 60), 15);
  EXPECT_EQ(CreditHoursFromRemark("15 hrs!", 60), 10);
  EXPECT_EQ(CreditHoursFromRemark("15 hrs de!", 60), 10);
  // Not starting with a digit: nothing.
  EXPECT_EQ(CreditHoursFromRemark("LDC 15", 60), 0);
  EXPECT_EQ(CreditHoursFromRemark("   ", 10), 0);
  // Enough room below 70: the whole number.
  EXPECT_EQ(CreditHoursFromRemark("  15 LDC", 40), 15);
  // At most three digits, capped at 255.
  EXPECT_EQ(CreditHoursFromRemark("9999!", 0), 255);
  EXPECT_EQ(CreditHoursFromRemark("1234!", 0), 123);
  // 70 hours or more leave no room.
  EXPECT_EQ(CreditHoursFromRemark("15 LDC", 70), 0);
  // "*" near the start lets up to 40 stand beyond the limit.
  EXPECT_EQ(CreditHoursFromRemark("50* LDC", 75), 40);
  EXPECT_EQ(CreditHoursFromRemark("20* LDC", 60), 20);
  EXPECT_EQ(CreditHoursFromRemark("50* LDC", 20), 50);
  EXPECT_EQ(CreditHoursFromRemark("50* LDC", 29), 41);
  EXPECT_EQ(CreditHoursFromRemark("15 *", 60), 15);
  EXPECT_EQ(CreditHoursFromRemark("*15", 60), 0);  // no digit first
}

}  // namespace
}  // namespace ledra::interchange
