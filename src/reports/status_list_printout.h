#pragma once
// The printout of a status list: a document of its own, printed straight to
// the printer page by page, with the title, subtitle and column headings at
// the top of every page and one entry a line beneath them.

#include <array>
#include <string>
#include <vector>

#include "activity/status_list.h"
#include "platform/canvas.h"
#include "reports/direct_print.h"
#include "reports/report_frame.h"

namespace ledra::reports {

// The list kind whose printout is the collection form, with a blank for the month.
inline constexpr int kCollectionFormList = 11;
// The only list kind that prints its third column heading.
inline constexpr int kThreeHeadingList = 4;

// One printed list; every text is ANSI.
struct StatusListDocument {
  int list_kind = 0;
  std::string title;
  std::string subtitle;
  std::array<std::string, 3> headings;
  std::vector<std::array<std::string, 3>> entries;
};

// The printout of a list as the dialog shows it: the caption as the title,
// the heading as the subtitle, the kind's column headings, and each line's
// tab-separated fields in the three columns.
StatusListDocument StatusListDocumentOf(const activity::StatusListPage& page,
                                        activity::StatusListKind kind);

// The geometry of a status-list page, in the printer's pixels.
struct StatusListGeometry {
  int top_margin = 0;
  int line_height = 1;
  int lines_per_page = 1;
  std::array<int, 3> columns{};  // 1, 4 and 6 inches from the paper's edge
  int datestamp_right = 0;       // 7 inches
  int first_entry_line = 6;

  int LineTop(int n) const { return top_margin + n * line_height; }
  // Entries a page holds: lines first_entry_line .. lines_per_page, and at
  // least one so that a huge font still moves on.
  int EntriesPerPage() const {
    const int n = lines_per_page - first_entry_line + 1;
    return n > 0 ? n : 1;
  }
};

// The geometry for the canvas's resolution and the env's text font and margin;
// leaves the text font selected.
StatusListGeometry StatusListLayout(ReportFrame& frame);

// The title line as printed (the collection form adds the month blank).
std::string StatusListTitle(const StatusListDocument& doc);

// Pages a document takes; an empty list still prints one page with its header.
int StatusListPageCount(const StatusListGeometry& geometry, std::size_t entries);

// Draws the whole document, each page between StartPage and EndPage; returns
// the number of pages.
int DrawStatusList(Canvas& canvas, const ReportEnv& env, const StatusListDocument& doc);

}  // namespace ledra::reports

namespace ledra::reports {

// Prints each document straight to the default printer as a job of its own
// named after its title (one per list, or one per group); stops at the first
// that does not print.
DirectPrintOutcome PrintStatusLists(PrinterPort& printers, Prompter& prompter, const ReportEnv& env,
                                    const std::vector<StatusListDocument>& documents);

}  // namespace ledra::reports
