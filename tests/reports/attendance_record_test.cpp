// The attendance record: which months each half shows, the column widths and
// headings, what differs between the screen and the printer, its printing
// straight to the printer, and the printed page against tests/golden/.
//
// After an intended change of the page, regenerate the reference with
//   LEDRA_UPDATE_GOLDEN=1 ./tests/ledra_core_tests --gtest_filter='AttendanceRecordGolden*'

#include "reports/attendance_record_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/files.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "reports/recording_canvas.h"
#include "reports/report_fixture.h"
#include "support/cli_run.h"
#include "support/golden.h"
#include "support/temp_folder.h"

namespace ledra::reports {
namespace {

constexpr const char* kToday = "2026-03-10";  // the ReportMonth is February 2026

// The report fixture with attendance typed in through ledra-cli.
class AttendanceRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFixture(root.path() / "tdat9.bin", test::ReportMainFile());
    Type("2", "2026", "80,0,90", "10,11");  // the ReportMonth
    Type("9", "2025", "70,72,74,76", "90,91,92,93,94");
    Type("10", "2024", "60,60,61", "");  // the previous service year
    Type("8", "2025", "50", "55");
    // March 2024: its slot is also March 2026's, which has not come yet.
    Type("3", "2024", "33", "44");
  }
  void Type(const char* month, const char* year, const char* midweek, const char* weekend) {
    const cli::CliRun r =
        cli::RunWith({"attendance", "--data", root.path().string(), "--today", kToday, "--month",
                      month, "--year", year, "--midweek", midweek, "--weekend", weekend});
    ASSERT_EQ(r.code, 0) << r.err;
  }
  store::CongregationDatabase Database() {
    ScriptedPrompter prompter;
    FixedClock clock{Date{2026, 3, 10}};
    store::Document doc(root.path(), clock, prompter);
    EXPECT_EQ(doc.Open({}), store::OpenOutcome::kOpened);
    return doc.db();
  }
  TempFolder root;
};

std::vector<int> ShownRows(const AttendanceRecordYear& y) {
  std::vector<int> rows;
  for (std::size_t r = 0; r < y.months.size(); ++r)
    if (y.months[r]) rows.push_back(static_cast<int>(r));
  return rows;
}

TEST_F(AttendanceRecordTest, EachHalfShowsItsServiceYearUpToTheReportMonth) {
  const AttendanceRecord record = AttendanceRecordOf(Database());
  const AttendanceRecordYear& previous = record.years[0][0];
  const AttendanceRecordYear& current = record.years[0][1];
  EXPECT_EQ(previous.service_year, 2025);
  EXPECT_EQ(current.service_year, 2026);
  // Rows count from September.
  EXPECT_EQ(ShownRows(previous), (std::vector<int>{1, 11}));  // October 2024, August 2025
  EXPECT_EQ(ShownRows(current), (std::vector<int>{0, 5}));    // September 2025, February 2026
  EXPECT_EQ(*current.months[5], (records::AttendanceFigures{2, 170, 85}));
  EXPECT_EQ(*previous.months[1], (records::AttendanceFigures{3, 181, 60}));
  // Each column's average over the months shown, rounded half up.
  EXPECT_EQ(*current.month_average, (records::AttendanceFigures{3, 231, 79}));
  EXPECT_EQ(*previous.month_average, (records::AttendanceFigures{2, 116, 55}));
  // The weekend meeting on its own.
  EXPECT_EQ(ShownRows(record.years[1][0]), (std::vector<int>{11}));
  EXPECT_EQ(ShownRows(record.years[1][1]), (std::vector<int>{0, 5}));
  EXPECT_EQ(record.years[1][1].months[0]->total, 460);
  EXPECT_EQ(*record.years[1][1].months[5], (records::AttendanceFigures{2, 21, 11}));
}

TEST(AttendanceRecordLayout, ColumnWidthsFromTheStringTableForItsLanguages) {
  const std::string widths = Strings().Get(str::kAttendanceColumnWidths);
  EXPECT_EQ(widths, "28 24 24 24  total must be 100");
  EXPECT_EQ(AttendanceColumnWidths(1050, "ptg", widths), (std::array<int, 4>{294, 252, 252, 252}));
  EXPECT_EQ(AttendanceColumnWidths(1000, "I", "40 20 10"),
            (std::array<int, 4>{400, 200, 100, 300}));
  // Other languages: an eighth of the whole table each.
  EXPECT_EQ(AttendanceColumnWidths(1050, "eng", widths), (std::array<int, 4>{262, 262, 262, 264}));
  // A text that does not give three widths leaves the columns equal.
  EXPECT_EQ(AttendanceColumnWidths(1000, "ptg", "28 2x 24"),
            (std::array<int, 4>{250, 250, 250, 250}));
  EXPECT_EQ(AttendanceColumnWidths(1000, "ptg", "28 24"), (std::array<int, 4>{250, 250, 250, 250}));
  EXPECT_EQ(AttendanceColumnWidths(1000, "ptg", "50 40 30"),
            (std::array<int, 4>{250, 250, 250, 250}));
}

TEST(AttendanceRecordLayout, HeadingsSplitAtTheFirstBlankFromTheFifthCharacterOrAHyphen) {
  using P = std::pair<std::string, std::string>;
  EXPECT_EQ(SplitHeading("Quantidade de reuni\xf5"
                         "es"),
            (P{"Quantidade",
               "de reuni\xf5"
               "es"}));
  EXPECT_EQ(SplitHeading("M\xe9"
                         "dia por semana"),
            (P{"M\xe9"
               "dia",
               "por semana"}));
  EXPECT_EQ(SplitHeading("Ano de servi\xe7o"), (P{"Ano de", "servi\xe7o"}));
  EXPECT_EQ(SplitHeading("Auto-assist\xeancia"), (P{"Auto-", "assist\xeancia"}));
  EXPECT_EQ(SplitHeading("Total"), (P{"Total", ""}));
  EXPECT_EQ(SplitHeading("Um-dois tr\xeas"), (P{"Um-dois", "tr\xeas"}));
}

TEST(AttendanceRecordLayout, PrintingStartsAtOnceOnlyOnAPdfPrinter) {
  EXPECT_EQ(AttendancePrintStart(std::nullopt), RecordPrintStart::kNoPrinter);
  EXPECT_EQ(AttendancePrintStart("Microsoft Print to PDF"), RecordPrintStart::kAtOnce);
  EXPECT_EQ(AttendancePrintStart("HP LaserJet"), RecordPrintStart::kAskFirst);
  EXPECT_EQ(AttendancePrintStart("pdf writer"), RecordPrintStart::kAskFirst);
}

bool Has(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

TEST_F(AttendanceRecordTest, TheScreenShowsShortNamesAndThinPens) {
  const AttendanceRecord record = AttendanceRecordOf(Database());
  ReportEnv env;
  RecordingCanvas screen(env.screen_dpi_x, env.screen_dpi_y);
  DrawAttendanceRecord(screen, env, record, 1);
  EXPECT_TRUE(Has(screen.lines(), "\"Set\""));
  EXPECT_TRUE(Has(screen.lines(), "\"Vezes\""));
  EXPECT_FALSE(Has(screen.lines(), "\"Setembro\""));
  EXPECT_FALSE(Has(screen.lines(), "\"Quantidade\""));
  // The first rule under the heading row: 3.5 inches / 14 below the table's top.
  EXPECT_TRUE(Has(screen.lines(), "line 72 168 744 168 1")) << screen.Trace();

  RecordingCanvas printer(600, 600);
  DrawAttendanceRecord(printer, env, record, 1);
  EXPECT_TRUE(Has(printer.lines(), "\"Setembro\""));
  EXPECT_TRUE(Has(printer.lines(), "\"Quantidade\""));
  EXPECT_FALSE(Has(printer.lines(), "\"Set\""));
  EXPECT_TRUE(Has(printer.lines(), "rect 450 900 4650 3000 2"));
  // Title: Times New Roman bold, 15 points, centred on 4.25 inches.
  EXPECT_TRUE(Has(printer.lines(), "font -125 0 700 0 0 18 \"Times New Roman\" 0"));
  EXPECT_TRUE(Has(printer.lines(), "text 2550 350 center top \"REGISTO DA ASSIST"));
}

// A printer that keeps what it was given.
struct FakePrinter final : PrinterPort {
  struct Job final : PrintJob {
    explicit Job(FakePrinter& p) : owner(p) {}
    Canvas& canvas() override { return owner.canvas; }
    void NewPage() override { ++owner.new_pages; }
    bool Finish() override { return true; }
    FakePrinter& owner;
  };
  bool HasDefault() const override { return present; }
  std::unique_ptr<PrintJob> OpenDefault(std::string_view name) override {
    names.emplace_back(name);
    return std::make_unique<Job>(*this);
  }
  bool present = true;
  RecordingCanvas canvas{300, 300};
  std::vector<std::string> names;
  int new_pages = 0;
};

TEST_F(AttendanceRecordTest, PrintsOnePageNamedAfterTheDialogOrTellsThereIsNoPrinter) {
  const AttendanceRecord record = AttendanceRecordOf(Database());
  FakePrinter printer;
  ScriptedPrompter prompter;
  EXPECT_EQ(PrintAttendanceRecord(printer, prompter, ReportEnv{}, record),
            DirectPrintOutcome::kPrinted);
  EXPECT_EQ(printer.names, (std::vector<std::string>{"M\xe9"
                                                     "dias das Assist\xeancias \xe0s Reuni\xf5"
                                                     "es"}));
  EXPECT_EQ(printer.new_pages, 0);
  EXPECT_TRUE(Has(printer.canvas.lines(), "\"Fevereiro\""));
  EXPECT_TRUE(prompter.shown.empty());

  FakePrinter none;
  none.present = false;
  EXPECT_EQ(PrintAttendanceRecord(none, prompter, ReportEnv{}, record),
            DirectPrintOutcome::kNoPrinter);
  EXPECT_TRUE(none.names.empty());
  EXPECT_TRUE(none.canvas.lines().empty());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], Strings().Get(str::kPrinterMissing));
}

TEST_F(AttendanceRecordTest, AttendanceRecordGoldenMatchesReference) {
  const std::filesystem::path out = root.path() / "record.trace";
  const cli::CliRun r = cli::RunWith({"report", "--data", root.path().string(), "--today", kToday,
                                      "--kind", "attendance-record", "--trace", out.string()});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string trace = platform::ReadFileIfPresent(out).value_or("");
  ASSERT_FALSE(trace.empty());
  test::ExpectGoldenTrace("attendance_record", trace);
}

TEST_F(AttendanceRecordTest, ThePdfHoldsTheTitleAndTheFigures) {
  const char* cli = std::getenv("LEDRA_CLI");
  if (cli == nullptr) GTEST_SKIP() << "LEDRA_CLI is not set (run through ctest)";
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const auto pdf = root.path() / "record.pdf";
  const auto text = root.path() / "record.txt";
  const auto err_file = root.path() / "err.txt";
  const std::string run = std::string("QT_QPA_PLATFORM=offscreen \"") + cli +
                          "\" report --data \"" + root.path().string() + "\" --today " + kToday +
                          " --kind attendance-record --pdf \"" + pdf.string() + "\" 2>\"" +
                          err_file.string() + "\"";
  const int code = std::system(run.c_str());
  const std::string err = platform::ReadFileIfPresent(err_file).value_or("");
  if (err.find("não grava arquivos PDF") != std::string::npos)
    GTEST_SKIP() << "ledra-cli without Qt";
  ASSERT_EQ(code, 0) << err;
  ASSERT_EQ(
      std::system(("pdftotext -layout \"" + pdf.string() + "\" \"" + text.string() + "\"").c_str()),
      0);
  const std::string content = platform::ReadFileIfPresent(text).value_or("");
  EXPECT_NE(content.find("REGISTO DA ASSIST\xc3\x8aNCIA"), std::string::npos) << content;
  EXPECT_NE(content.find("Reuni\xc3\xa3o do fim de semana"), std::string::npos);
  EXPECT_NE(content.find("170"), std::string::npos);
  EXPECT_NE(content.find("Fevereiro"), std::string::npos);
}

}  // namespace
}  // namespace ledra::reports
