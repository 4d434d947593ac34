#pragma once
// Assembling the lines of the CSV and TSV exports: every field followed by
// the separator, CR LF at the end; texts that would break the line quoted
// or mended.

#include <string>
#include <string_view>

namespace ledra::interchange {

class ExportLine {
 public:
  explicit ExportLine(char separator) : separator_(separator) {}

  // A text in double quotes, quotes inside doubled.
  ExportLine& Quoted(std::string_view text);
  // A text as it is, for tab-separated files: tabs and line breaks become blanks.
  ExportLine& Plain(std::string_view text);
  // A text for a comma-separated file read back by the import: quoted only
  // when it holds the separator, a quote or a line break.
  ExportLine& Field(std::string_view text);
  ExportLine& Number(long long value);
  // A label of a header line followed by a blank ("%s %c").
  ExportLine& Label(std::string_view text);
  // Appends the separator after the last field or not, and CR LF.
  std::string End(bool separator_after_last = true);

 private:
  void Next();
  std::string text_;
  char separator_;
  bool open_ = false;  // a field waits for its separator
};

}  // namespace ledra::interchange
