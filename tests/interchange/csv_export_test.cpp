// The CSV and TSV exports against their lines written out by hand: the
// month's data (and the year of a month later than the ReportMonth), the
// three people lists, the collection list read back by the import as its
// template, the attendance and summary, and where the files go.

#include "interchange/csv_export.h"

#include <gtest/gtest.h>

#include "interchange/csv_fixture.h"
#include "interchange/csv_import.h"
#include "interchange/csv_mapping_step.h"
#include "interchange/csv_name_step.h"
#include "interchange/csv_reader.h"
#include "platform/string_ids.h"
#include "store/month_slot.h"

namespace ledra::interchange {
namespace {

using store::SlotWords;

constexpr int kNov26 = test::CsvCongregation::kSlot;

class CsvExport : public ::testing::Test {
 protected:
  void SetUp() override {
    // Ana, a regular pioneer with a report and a remark; Rui, an auxiliary
    // pioneer without one; Eva in another group; Ivo inactive.
    const int ana = c.Add({101, "Ana", "Silva", 1});
    store::PublisherRecord& a = c.Person(101);
    a.set_pioneer_code(kNov26, 2);
    a.set_word(SlotWords::kHours, kNov26, 50);
    a.set_word(SlotWords::kStudiesWord, kNov26, 0x0800 | 3);
    a.SetText(store::field::kAddr, "Rua A, 1");
    a.SetText(store::field::kPhone, "555-0101");
    a.SetText(store::field::kBirdate, "04101961");
    a.SetU8(180, 'A');
    a.SetU8(239, store::attr::kHeadOfFamily);
    ASSERT_TRUE(c.doc.SetRemark(ana, 10, 0, "Bom \"m\xEAs\"").ok());
    c.Add({102, "Rui", "Dias", 1});
    c.Person(102).set_pioneer_code(kNov26, 1);
    c.Person(102).SetU8(239, store::attr::kMale | 2);
    c.Person(102).SetU16(188, 101);  // in Ana's household
    c.Add({103, "Eva", "Costa", 2});
    c.Add({104, "Ivo", "Lima", 2, 1});
    c.Person(104).SetU8(239, store::attr::kHeadOfFamily);
    // December 2025: later in the calendar than November 2026.
    c.Person(103).set_word(SlotWords::kHours, store::MonthSlot(11, 25), 7);
  }
  std::string Build(ExportRequest r) { return BuildExport(c.doc, r); }

  test::CsvCongregation c;
};

TEST_F(CsvExport, TheMonthsDataWithAndWithoutHeader) {
  ExportRequest r;
  r.month_index = 10;
  EXPECT_EQ(ExportFileName(r), "Novembro.csv");
  EXPECT_EQ(Build(r),
            "\"Silva, Ana\",1,2,1,3,0,50,\"Bom \"\"m\xEAs\"\"\",\"11 (Nov)\",2026,101,\r\n"
            "\"Dias, Rui\",1,1,0,0,1,0,\"\",\"11 (Nov)\",2026,102,\r\n"
            "\"Costa, Eva\",2,0,0,0,0,0,\"\",\"11 (Nov)\",2026,103,\r\n");
  r.tab = true;
  r.header = true;
  EXPECT_EQ(ExportFileName(r), "Novembro.rpt");
  const std::string rpt = Build(r);
  EXPECT_EQ(rpt.substr(0, rpt.find('\n') + 1),
            "Nome \tGrupo \tPReg \tParticip. \tEst.B\xED"
            "b \tPAux \tHoras \tObserva\xE7\xF5"
            "es \tM\xEAs \tAno \tID \t\r\n");
  // A month later in the calendar than the ReportMonth is last year's.
  r.tab = false;
  r.header = false;
  r.month_index = 11;
  const std::string december = Build(r);
  EXPECT_NE(december.find("\"Costa, Eva\",2,0,1,0,0,7,\"\",\"12 (Dez)\",2025,103,\r\n"),
            std::string::npos);
  EXPECT_EQ(ExportYear(c.doc.db(), 11), 2025);
  EXPECT_EQ(ExportYear(c.doc.db(), 10), 2026);
  EXPECT_EQ(ExportYear(c.doc.db(), 0), 2026);
}

TEST_F(CsvExport, TheDataExportReadsBackAsCsv) {
  ExportRequest r;
  r.month_index = 10;
  r.header = true;
  const Result<CsvFile> file = ParseCsv(Build(r));
  ASSERT_TRUE(file.ok());
  EXPECT_TRUE(ValidateCsv(*file).ok());
  ASSERT_EQ(file->lines.size(), 4u);
  EXPECT_EQ(file->lines[0].size(), 12u);  // eleven labels and the final separator
  EXPECT_EQ(file->lines[1][0], "Silva, Ana");
  EXPECT_EQ(file->lines[1][7], "Bom \"m\xEAs\"");
  EXPECT_EQ(file->lines[1][8], "11 (Nov)");
}

TEST_F(CsvExport, TheCollectionListIsTheImportsTemplate) {
  ExportRequest r;
  r.kind = ExportKind::kCollectionList;
  r.group = 1;
  EXPECT_EQ(ExportFileName(r), "Grupo-1.csv");
  const std::string list = Build(r);
  EXPECT_EQ(list,
            "Primeiro nome ,Ultimo nome ,Particip. ,Estudos b\xED"
            "blicos ,Horas ,Observa\xE7\xF5"
            "es ,\r\n"
            "Ana,Silva,1,3,50,\"Bom \"\"m\xEAs\"\"\",\r\n"
            "Rui,Dias,,,,PAux,\r\n");

  // Read back: it pairs itself and finds its people.
  const Result<CsvFile> file = ParseCsv(list + "Eva,Costa,1,2,,Novo\r\n");
  ASSERT_TRUE(file.ok());
  ASSERT_TRUE(ValidateCsv(*file).ok());
  const ColumnMappingStep columns(*file, std::nullopt);
  ASSERT_TRUE(columns.CanContinue());
  const ColumnMap map = columns.Map();
  const NameMatchingStep names(c.doc.db(), *file, map, {});
  ASSERT_TRUE(names.ConfirmedAtOnce());
  const CsvImport in = BuildCsvImport(c.doc.db(), *file, map, names.LineMatches());
  ASSERT_EQ(in.table.matches, (std::vector<std::uint16_t>{101, 102, 103}));
  EXPECT_EQ(in.table.records[0].word(SlotWords::kHours, kNov26), 50);
  EXPECT_EQ(in.table.records[2].word(SlotWords::kStudiesWord, kNov26), 0x0800 | 2);
  ASSERT_EQ(in.table.remarks.size(), 2u);  // Ana's remark and Eva's; "PAux" is no remark
  EXPECT_EQ(in.table.remarks[0].text, "Bom \"m\xEAs\"");
  EXPECT_EQ(in.table.remarks[1].text, "Novo");
}

TEST_F(CsvExport, ContactsAndCardHeaders) {
  store::ExtensionRecord x;
  x.set_text(2, 65, "Ana Maria Silva");
  x.set_text(67, 51, "ana@exemplo.pt");
  x.set_text(118, 72, "Tarde\tnoite");
  ASSERT_TRUE(c.doc.WriteExtension(c.doc.db().FindRow(101), x).ok());
  ExportRequest r;
  r.kind = ExportKind::kContacts;
  EXPECT_EQ(ExportFileName(r), "contact.tsv");
  EXPECT_EQ(
      Build(r),
      "Nome \tEndere\xE7o \tTelefone \tCelular \tTelefone 3 \tE-Mail \tOutra informa\xE7\xE3o "
      "\tGrupo \t\r\n"
      "Ana Maria Silva\tRua A, 1\t555-0101\t\t\tana@exemplo.pt\tTarde noite\t1\t\r\n"
      "Dias, Rui\t\t\t\t\t\t\t1\t\r\n"
      "Costa, Eva\t\t\t\t\t\t\t2\t\r\n");

  r.kind = ExportKind::kCardHeaders;
  EXPECT_EQ(ExportFileName(r), "cardhdr.tsv");
  const std::string cards = Build(r);
  EXPECT_NE(cards.find("Ana Maria Silva\tRua A, 1\t555-0101\t\t04/10/1961\t\tY\t\t\tY\t\t\r\n"),
            std::string::npos);
  EXPECT_NE(cards.find("Dias, Rui\t\t\t\t\t\t\tY\t\t\tY\t\r\n"), std::string::npos);
  // The alternate date format, and only the year when the card hides the rest.
  c.doc.db().side.shared_settings[store::shared::kAlternateDates] = 1;
  EXPECT_NE(Build(r).find("\t10/04/1961\t"), std::string::npos);
  r.hide_birth = true;
  EXPECT_NE(Build(r).find("\t1961\t"), std::string::npos);
}

TEST_F(CsvExport, EmergencyContactsOfHouseholds) {
  store::EmergencyContact contact;
  contact.set_text(2, 96, "Jo\xE3o Silva");
  contact.set_text(194, 16, "555-9");
  contact.set_text(226, 16, "555-7");
  const Result<std::uint16_t> key = c.doc.WriteContact(0, contact);
  ASSERT_TRUE(key.ok());
  c.Person(104).set_emergency_key(*key);
  ExportRequest r;
  r.kind = ExportKind::kEmergency;
  EXPECT_EQ(ExportFileName(r), "3rdparty.tsv");
  const std::string tsv = Build(r);
  EXPECT_EQ(tsv.substr(0, tsv.find('\n') + 1),
            "Nome \tEndere\xE7o \tTelefone \tCelular \tTelefone 3 \tE-Mail \tMembros da Familia "
            "\tContacto de um Terceiro \t3Telefone \t3Celular \t3Telefone 3 \tNecessidades "
            "Especiais \tGrupo \t\r\n");
  // Ana heads a household with Rui; Rui (a member, unmarked, without a
  // contact of his own) is listed with her; Eva is active; Ivo is inactive
  // but marked.
  EXPECT_NE(tsv.find("\r\nSilva, Ana\tRua A, 1\t555-0101\t\t\t\tDias, Rui\t\t\t\t\t\t1\t\r\n"),
            std::string::npos);
  EXPECT_EQ(tsv.find("\r\nDias, Rui\t"), std::string::npos);
  EXPECT_NE(tsv.find("\r\nCosta, Eva\t"), std::string::npos);
  EXPECT_NE(tsv.find("\r\nLima, Ivo ( i )\t\t\t\t\t\t\tJo\xE3o Silva\t555-9\t\t555-7\t\t2\t\r\n"),
            std::string::npos);
}

TEST_F(CsvExport, AttendanceAndSummaryOverTwentyFourMonths) {
  auto& block = c.doc.db().side.attendance[1];
  block.set_u16(456 + 2 * kNov26, 4);
  block.set_u16(528 + 2 * kNov26, 321);
  block.set_u16(600 + 2 * kNov26, 80);
  c.doc.db().side.totals_card[store::TotalsCardIndex(10, 0, 5, 0)] = 57;
  c.doc.db().side.totals_card[store::TotalsCardIndex(10, 2, 2, 0)] = 100;
  c.doc.db().side.totals_card[store::TotalsCardIndex(10, 3, 2, 0)] = 30;
  ExportRequest r;
  r.kind = ExportKind::kAttendance;
  EXPECT_EQ(ExportFileName(r),
            "Assist\xEAncia \xE0s Reuni\xF5"
            "es.csv");
  const std::string attendance = Build(r);
  EXPECT_EQ(std::count(attendance.begin(), attendance.end(), '\n'), 1 + 2 * 24);
  EXPECT_EQ(attendance.substr(0, attendance.find('\n') + 1),
            "Reuni\xE3o,M\xEAs,Vezes,Total,M\xE9"
            "dia,Publicadores Ativos\r\n");
  EXPECT_NE(attendance.find("\r\n\"Reuni\xE3o do meio da semana\",\"Dezembro 2024\",\"0\",\"0\","
                            "\"   0\",\"\"\r\n"),
            std::string::npos);
  EXPECT_TRUE(attendance.ends_with(
      "\"Reuni\xE3o do fim de semana\",\"Novembro 2026\",\"4\",\"321\",\"  80\",\"57\"\r\n"));

  r.kind = ExportKind::kSummary;
  EXPECT_EQ(ExportFileName(r), "Resumo.csv");
  const std::string summary = Build(r);
  EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 1 + 3 * 24);
  EXPECT_NE(summary.find("\"Publicadores\",\"Novembro 2026\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\","
                         "\"57\"\r\n"),
            std::string::npos);
  // Regular and special pioneers together.
  EXPECT_TRUE(
      summary.ends_with("\"Pioneiros (Reg. e Espec.)\",\"Novembro 2026\",\"0\",\"0\","
                        "\"0\",\"130\",\"0\",\"0\",\"\"\r\n"));
}

TEST_F(CsvExport, FilesGoToTheExportFolder) {
  ExportRequest r;
  r.month_index = 2;
  const Result<platform::Path> written = WriteExport(c.doc, r);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(*written, c.folder.path() / "Exports" / "Mar\xC3\xA7o.csv");
  EXPECT_EQ(platform::ReadFileIfPresent(*written), Build(r));
  EXPECT_EQ(ExportedQuestion(*written),
            platform::PathForMessage(*written) + " exportado\nMostrar na pasta?");

  // A file that cannot be created: the read-only message naming it.
  platform::SetFaultHook([](platform::FileStep step, const platform::Path& path) {
    return step == platform::FileStep::kOpen && path.parent_path().filename() == "Exports";
  });
  r.kind = ExportKind::kSummary;
  const Result<platform::Path> refused = WriteExport(c.doc, r);
  platform::SetFaultHook({});
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().id, str::kCannotCreateFile);
  EXPECT_NE(refused.error().text.find("Resumo.csv"), std::string::npos);
}

}  // namespace
}  // namespace ledra::interchange
