#include "reports/status_list_printout.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::reports {
namespace {

constexpr int kMonth = 20933;
constexpr int kCollectionSeparator = 25100;
constexpr int kCollectionBlank = 25101;

void DrawPageHeader(ReportFrame& frame, const StatusListGeometry& g, const StatusListDocument& doc,
                    const std::string& title) {
  Canvas& c = frame.canvas();
  frame.Use(FontRole::kTitle);
  c.Text(g.columns[0], g.LineTop(0), title);
  if (frame.env().options.datestamp) {
    frame.Use(FontRole::kText);
    c.Text(g.datestamp_right, g.LineTop(0), frame.DateStamp(), HAlign::kRight);
  }
  if (!doc.subtitle.empty()) {
    frame.Use(FontRole::kSubtitle);
    c.Text(g.columns[0], g.LineTop(2), doc.subtitle);
  }
  frame.Use(FontRole::kHeading);
  const int headings = doc.list_kind == kThreeHeadingList ? 3 : 2;
  for (int i = 0; i < headings; ++i) {
    const auto& h = doc.headings[static_cast<std::size_t>(i)];
    if (!h.empty()) c.Text(g.columns[static_cast<std::size_t>(i)], g.LineTop(4), h);
  }
  frame.Use(FontRole::kText);
}

}  // namespace

StatusListDocument StatusListDocumentOf(const activity::StatusListPage& page,
                                        activity::StatusListKind kind) {
  using K = activity::StatusListKind;
  const StringTable& s = Strings();
  StatusListDocument doc;
  doc.list_kind = static_cast<int>(kind);
  doc.title = page.caption;
  doc.subtitle = page.heading;
  doc.headings[0] = s.Get(str::kAnalysisName);
  switch (kind) {
    case K::kNotReported:
    case K::kCollectionForm:
      doc.headings[1] = s.Get(str::kStatusPrintPhone);
      break;
    case K::kIrregular:
      doc.headings[1] = s.Get(str::kStatusPrintMonths);
      break;
    case K::kNew:
    case K::kReactivated:
    case K::kMoved:
      doc.headings[1] = s.Get(str::kStatusPrintSince);
      break;
    case K::kInactive:
      doc.headings[1] = s.Get(str::kStatusPrintSince);
      doc.headings[2] = s.Get(str::kSheetGroup);
      break;
    case K::kBaptised:
    case K::kPrivileges:
    case K::kConsent:
      doc.headings[1] = s.Get(str::kStatusPrintDate);
      break;
    default:
      break;
  }
  // The irregular list's months all belong under its one heading.
  const std::size_t last_column = kind == K::kIrregular ? 1 : 2;
  for (const activity::StatusLine& line : page.lines) {
    std::array<std::string, 3> entry;
    std::size_t column = 0;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.text.find('\t', start);
      std::string field = line.text.substr(start, tab == std::string::npos ? tab : tab - start);
      std::string& cell = entry[column];
      if (!cell.empty()) cell += "  ";
      cell += field;
      if (column < last_column) ++column;
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    doc.entries.push_back(std::move(entry));
  }
  return doc;
}

StatusListGeometry StatusListLayout(ReportFrame& frame) {
  frame.Use(FontRole::kText);
  // A document on paper: whole inches of the device, no screen reduction.
  const int dpi_x = frame.canvas().dpi_x();
  const int dpi_y = frame.canvas().dpi_y();
  StatusListGeometry g;
  g.top_margin = TopMargin(frame.env().options.top_margin, dpi_y);
  g.line_height = std::max({frame.canvas().Metrics().height, dpi_y / 6, 1});
  g.lines_per_page = LinesPerPage(dpi_y, g.line_height);
  g.columns = {dpi_x, dpi_x * 4, dpi_x * 6};
  g.datestamp_right = dpi_x * 7;
  return g;
}

std::string StatusListTitle(const StatusListDocument& doc) {
  if (doc.list_kind != kCollectionFormList) return doc.title;
  return doc.title + Strings().Get(kCollectionSeparator) + Strings().Get(kMonth) +
         Strings().Get(kCollectionBlank);
}

int StatusListPageCount(const StatusListGeometry& geometry, std::size_t entries) {
  const auto per_page = static_cast<std::size_t>(geometry.EntriesPerPage());
  if (entries == 0) return 1;
  return static_cast<int>((entries + per_page - 1) / per_page);
}

int DrawStatusList(Canvas& canvas, const ReportEnv& env, const StatusListDocument& doc) {
  ReportFrame frame(canvas, env);
  const StatusListGeometry g = StatusListLayout(frame);
  const std::string title = StatusListTitle(doc);
  int pages = 1;
  canvas.StartPage();
  DrawPageHeader(frame, g, doc, title);
  int line = g.first_entry_line;
  int on_page = 0;
  for (const auto& entry : doc.entries) {
    // A line past the page's nine inches goes on a new page; every page holds
    // at least one entry however tall the font.
    if (line > g.lines_per_page && on_page > 0) {
      canvas.EndPage();
      canvas.StartPage();
      ++pages;
      DrawPageHeader(frame, g, doc, title);
      line = g.first_entry_line;
      on_page = 0;
    }
    for (std::size_t i = 0; i < entry.size(); ++i)
      if (!entry[i].empty()) canvas.Text(g.columns[i], g.LineTop(line), entry[i]);
    ++line;
    ++on_page;
  }
  canvas.EndPage();
  return pages;
}

}  // namespace ledra::reports

namespace ledra::reports {

DirectPrintOutcome PrintStatusLists(PrinterPort& printers, Prompter& prompter, const ReportEnv& env,
                                    const std::vector<StatusListDocument>& documents) {
  for (const StatusListDocument& doc : documents) {
    const DirectPrintRequest request{doc.title, env.fonts.font(FontRole::kText), env.screen_dpi_x,
                                     env.screen_dpi_y};
    const DirectPrintOutcome outcome =
        PrintDirect(printers, prompter, request, [&](Canvas& canvas) {
          // The fonts scale to the printer actually opened.
          ReportEnv printed = env;
          printed.printed = true;
          printed.printer_dpi_x = canvas.dpi_x();
          printed.printer_dpi_y = canvas.dpi_y();
          DrawStatusList(canvas, printed, doc);
        });
    if (outcome != DirectPrintOutcome::kPrinted) return outcome;
  }
  return DirectPrintOutcome::kPrinted;
}

}  // namespace ledra::reports
