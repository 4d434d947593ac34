// Reading CSV files as spreadsheets and web forms write them: the separator,
// quotes, encodings and line ends, the shape a report file must have, and
// the files that are no report at all.

#include "interchange/csv_reader.h"

#include <gtest/gtest.h>

#include "platform/string_ids.h"
#include "support/temp_folder.h"

namespace ledra::interchange {
namespace {

using Lines = std::vector<CsvLine>;

CsvFile Parsed(std::string_view bytes) {
  Result<CsvFile> file = ParseCsv(bytes);
  EXPECT_TRUE(file.ok()) << (file.ok() ? "" : file.error().text);
  return file.ok() ? *file : CsvFile{};
}

TEST(CsvReader, TheSeparatorComesFromTheFirstLine) {
  EXPECT_EQ(DetectSeparator("a;b;c;d;e;f"), ';');
  EXPECT_EQ(DetectSeparator("a\tb\tc\td\te\tf"), '\t');
  EXPECT_EQ(DetectSeparator("a,b,c,d,e,f"), ',');
  // Only the first line counts.
  EXPECT_EQ(DetectSeparator("a,b\r\n;;;;;;"), ',');
  // Semicolons win over tabs.
  EXPECT_EQ(DetectSeparator("a;b;c;d;e;f\t\t\t\t\t"), ';');

  // Four semicolons are read as a comma-separated file: one field each, and
  // the header is too short for a report.
  const CsvFile few = Parsed("Nome;Horas;Estudos;Obs;Particip.\r\nAna;1;2;x;1\r\n");
  EXPECT_EQ(few.separator, ',');
  EXPECT_EQ(few.lines[0], (CsvLine{"Nome;Horas;Estudos;Obs;Particip."}));
  EXPECT_EQ(ValidateCsv(few).error().id, str::kCsvInvalid);
  const CsvFile five = Parsed("Nome;Horas;Estudos;Obs;Particip.;\r\nAna;1;2;x;1;\r\n");
  EXPECT_EQ(five.separator, ';');
  EXPECT_EQ(five.lines[1], (CsvLine{"Ana", "1", "2", "x", "1", ""}));
}

TEST(CsvReader, QuotedFieldsAsSpreadsheetsWriteThem) {
  const CsvFile f = Parsed(
      "Nome,Obs,Horas,Estudos\n"
      "\"Silva, Ana\",\"Disse \"\"obrigado\"\"\",3,1\n"
      "\"Costa\nRui\",\"\",  \"7\" ,2\n"
      "Eva \"Eve\" Dias,\"a\"b,,\n");
  ASSERT_EQ(f.lines.size(), 4u);
  EXPECT_EQ(f.lines[1], (CsvLine{"Silva, Ana", "Disse \"obrigado\"", "3", "1"}));
  // A line break inside quotes belongs to the field; blanks before a quote
  // are dropped, what follows the closing quote is kept.
  EXPECT_EQ(f.lines[2], (CsvLine{"Costa\nRui", "", "7 ", "2"}));
  EXPECT_EQ(f.lines[3], (CsvLine{"Eva \"Eve\" Dias", "ab", "", ""}));
  EXPECT_EQ(f.file_lines, (std::vector<int>{1, 2, 3, 5}));
}

TEST(CsvReader, LineEndsBlankLinesAndByteOrderMark) {
  const Lines expected{{"a", "b"}, {"1", "2"}, {"3", "4"}};
  EXPECT_EQ(Parsed("a,b\r\n1,2\r\n3,4\r\n").lines, expected);
  EXPECT_EQ(Parsed("a,b\n1,2\n3,4").lines, expected);
  EXPECT_EQ(Parsed("a,b\r1,2\r3,4\r").lines, expected);
  EXPECT_EQ(Parsed("\xEF\xBB\xBF"
                   "a,b\r\n\r\n1,2\r\n   \r\n3,4\r\n\r\n")
                .lines,
            expected);
  const CsvFile blank_lines = Parsed("a,b\r\n\r\n1,2\r\n3,4");
  EXPECT_EQ(blank_lines.file_lines, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(blank_lines.data_lines(), 2);
}

TEST(CsvReader, TextInEitherEncodingBecomesAnsi) {
  // Windows-1252 bytes stay as they are.
  EXPECT_EQ(Parsed("Jo\xE3o,S\xE1").lines[0], (CsvLine{"Jo\xE3o", "S\xE1"}));
  // UTF-8, with or without the mark, is converted.
  EXPECT_EQ(Parsed("Jo\xC3\xA3o,S\xC3\xA1").lines[0], (CsvLine{"Jo\xE3o", "S\xE1"}));
  EXPECT_EQ(Parsed("\xEF\xBB\xBFJo\xC3\xA3o,\xE2\x82\xAC").lines[0], (CsvLine{"Jo\xE3o", "\x80"}));
  // A letter Windows-1252 lacks becomes '?'.
  EXPECT_EQ(Parsed("\xC5\x81ukasz,x").lines[0], (CsvLine{"?ukasz", "x"}));
  // Bytes that are not valid UTF-8 are taken as Windows-1252 even when some
  // sequence happens to look like UTF-8.
  EXPECT_EQ(Parsed("Jo\xE3o \xC3\xA3,x").lines[0], (CsvLine{"Jo\xE3o \xC3\xA3", "x"}));
  // UTF-16 with its mark, as "Unicode text" is saved.
  const std::string utf16{
      "\xFF\xFE"
      "J\0\xE3\0,\0x\0\r\0\n\0",
      14};
  EXPECT_EQ(Parsed(utf16).lines, (Lines{{"J\xE3", "x"}}));
}

TEST(CsvReader, AReportFileHasAHeaderDataAndEvenLines) {
  const std::string header = "Primeiro nome,Ultimo nome,Particip.,Estudos,Horas,Obs\r\n";
  EXPECT_TRUE(ValidateCsv(Parsed(header + "Ana,Silva,1,2,3,x\r\n")).ok());
  // A trailing separator gives one field more, which is accepted.
  EXPECT_TRUE(ValidateCsv(Parsed(header + "Ana,Silva,1,2,3,x,\r\n")).ok());
  // Two more, or one fewer, are not; the message names the line.
  const Status extra = ValidateCsv(Parsed(header + "Ana,Silva,1,2,3,x\r\nRui,Dias,1,2,3,x,,\r\n"));
  ASSERT_FALSE(extra.ok());
  EXPECT_EQ(extra.error().id, str::kCsvInvalid);
  EXPECT_NE(extra.error().text.find("Linha 3: 8 campos; o cabe\xE7"
                                    "alho tem 6."),
            std::string::npos);
  EXPECT_FALSE(ValidateCsv(Parsed(header + "Ana,Silva,1,2,3\r\n")).ok());
  // A header ended by a separator lets the lines go without it.
  const std::string ended = "Primeiro nome,Ultimo nome,Particip.,Estudos,Horas,Obs,\r\n";
  EXPECT_TRUE(ValidateCsv(Parsed(ended + "Ana,Silva,1,2,3,x\r\nRui,Dias,1,2,3,x,\r\n")).ok());
  EXPECT_FALSE(ValidateCsv(Parsed(ended + "Ana,Silva,1,2,3\r\n")).ok());
  EXPECT_FALSE(ValidateCsv(Parsed("a,b,c,\r\n1,2,3\r\n")).ok());
  // No data line, a header of three fields, nothing at all.
  EXPECT_FALSE(ValidateCsv(Parsed(header)).ok());
  EXPECT_FALSE(ValidateCsv(Parsed("a,b,c\r\n1,2,3\r\n")).ok());
  EXPECT_FALSE(ValidateCsv(Parsed("")).ok());
}

TEST(CsvReader, FilesThatAreNoReportAreRefused) {
  // A quote never closed: the line it opened on is named.
  const auto open = ParseCsv("a,b,c,d\r\n1,2,3,4\r\n\"5,6,7,8\r\n9,9,9,9\r\n");
  ASSERT_FALSE(open.ok());
  EXPECT_EQ(open.error().id, str::kCsvUnclosedQuote);
  EXPECT_NE(open.error().text.find("linha 3 "), std::string::npos);

  // Binary data: a NUL byte, or control characters throughout.
  const std::string png{"\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16};
  EXPECT_EQ(ParseCsv(png, "foto.csv").error().id, str::kCsvNotText);
  std::string noise;
  for (int i = 0; i < 512; ++i) noise += static_cast<char>(1 + (i * 37) % 250);
  EXPECT_EQ(ParseCsv(noise).error().id, str::kCsvNotText);

  // 600 data lines fit the line match table; 601 and 10,000 do not.
  auto lines = [](int n) {
    std::string text = "a,b,c,d\r\n";
    for (int i = 0; i < n; ++i) text += "Ana,Silva,1," + std::to_string(i) + "\r\n";
    return text;
  };
  EXPECT_EQ(Parsed(lines(600)).data_lines(), 600);
  const auto too_many = ParseCsv(lines(10000));
  ASSERT_FALSE(too_many.ok());
  EXPECT_EQ(too_many.error().id, str::kCsvTooManyLines);
  EXPECT_NE(too_many.error().text.find("10000"), std::string::npos);
  EXPECT_EQ(ParseCsv(lines(601)).error().id, str::kCsvTooManyLines);

  // A file far too big is refused before it is read.
  TempFolder folder;
  const auto big = folder.path() / "big.csv";
  WriteFixture(big, std::string(kMaxCsvBytes + 1, 'a'));
  EXPECT_EQ(ReadCsvFile(big).error().id, str::kCsvTooLarge);
  EXPECT_FALSE(ReadCsvFile(folder.path() / "missing.csv").ok());
}

}  // namespace
}  // namespace ledra::interchange
