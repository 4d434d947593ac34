#pragma once
// Reading the CSV files that spreadsheets and web forms write: the text in
// whatever encoding they chose, the separator guessed from the first line,
// fields in double quotes (quotes doubled inside, line breaks allowed), and
// the checks a report file must pass before its columns are mapped.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace ledra::interchange {

// The line match table holds this many data lines; longer files are refused.
inline constexpr int kMaxCsvDataLines = 600;
// Far beyond 600 lines of any real report; a bigger file is not one.
inline constexpr std::size_t kMaxCsvBytes = 4u << 20;

using CsvLine = std::vector<std::string>;  // ANSI fields, as read

struct CsvFile {
  char separator = ',';
  std::vector<CsvLine> lines;  // the header first; blank lines are left out
  // The physical line of the file each entry of `lines` starts on (1-based).
  std::vector<int> file_lines;
  int data_lines() const { return lines.empty() ? 0 : static_cast<int>(lines.size()) - 1; }
};

// ";" when the first line holds 5 or more semicolons, else a tab when it holds
// 5 or more tabs, else ",".
char DetectSeparator(std::string_view first_line);

// The file's text as ANSI: a byte-order mark removed, UTF-16 and UTF-8 with
// letters beyond ASCII converted (what Windows-1252 lacks becomes '?'), any
// other bytes taken as Windows-1252 already. Binary data is refused.
Result<std::string> CsvTextToAnsi(std::string_view bytes, std::string_view name_for_message);

// Splits ANSI text into lines of fields at `separator`. A field that starts
// with a double quote runs to the closing quote ("" stands for one quote);
// whatever follows the closing quote up to the separator is kept too. A quote
// left open at the end of the text is refused, naming its line.
Result<CsvFile> SplitCsv(std::string_view ansi, char separator);

// Decodes, detects the separator and splits; more than kMaxCsvDataLines data
// lines are refused.
Result<CsvFile> ParseCsv(std::string_view bytes, std::string_view name_for_message = "");
Result<CsvFile> ReadCsvFile(const platform::Path& path);

// A report file has a header of at least 4 fields, at least one data line,
// and every line the header's number of fields or one more (a trailing
// separator); when the header itself ends with a separator, a line may
// also lack it.
Status ValidateCsv(const CsvFile& file);

}  // namespace ledra::interchange
