#pragma once
// The attendance record: one page with a table per meeting, the previous
// service year in the left half and the current one in the right, month by
// month with the number of meetings, the total and the weekly average. The
// record dialog shows it and prints it straight to the printer.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/canvas.h"
#include "platform/printer_port.h"
#include "platform/prompter.h"
#include "records/attendance_entry.h"
#include "reports/direct_print.h"
#include "reports/report_frame.h"
#include "store/congregation_database.h"

namespace ledra::reports {

// One service year of one meeting: September first. A month shows nothing
// when it had no meeting or lies outside the 24 months kept.
struct AttendanceRecordYear {
  int service_year = 0;
  std::array<std::optional<records::AttendanceFigures>, 12> months{};
  // Each column's average over the months shown; nothing when none is.
  std::optional<records::AttendanceFigures> month_average;
};

struct AttendanceRecord {
  // [meeting][0 previous, 1 current service year]
  std::array<std::array<AttendanceRecordYear, 2>, records::kAttendanceMeetings> years{};
};

// The figures as stored, for the ReportMonth's service year and the one before.
AttendanceRecord AttendanceRecordOf(const store::CongregationDatabase& db);

// The four column widths of a half table of `half_width` pixels: the per cent
// values of `widths_text` (two digits at offsets 0, 3 and 6, the fourth column
// taking the rest) for the languages that carry them, else an eighth of the
// whole table each.
std::array<int, 4> AttendanceColumnWidths(int half_width, std::string_view language_code,
                                          std::string_view widths_text);

// A column heading in two lines: at the first blank from the fifth character
// on (the blank dropped), or after a hyphen there; one line when neither.
std::pair<std::string, std::string> SplitHeading(std::string_view heading);

// Draws the page between StartPage and EndPage. On the printer (any target
// whose resolution is not the screen's) months have their full names and the
// pens are an image dot of 300 per inch wide; on screen the names and the
// headings are short and the pens `screen_pen` pixels.
void DrawAttendanceRecord(Canvas& canvas, const ReportEnv& env, const AttendanceRecord& record,
                          int screen_pen = 1);

// The name the print queue shows: the dialog's caption, at most 50 characters.
std::string AttendanceRecordDocumentName();

// What "&Imprimir" does: nothing without a default printer (the user is told
// so); a printer whose name holds "PDF" prints at once; any other is offered
// in the print dialog first.
enum class RecordPrintStart { kNoPrinter, kAtOnce, kAskFirst };
RecordPrintStart AttendancePrintStart(std::optional<std::string_view> default_printer);

// Prints the page on the port's default printer.
DirectPrintOutcome PrintAttendanceRecord(PrinterPort& printers, Prompter& prompter,
                                         const ReportEnv& env, const AttendanceRecord& record);

}  // namespace ledra::reports
