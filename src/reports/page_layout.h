#pragma once
// The page geometry every report shares: units, line height, lines and pages,
// margins, where each page starts on the one long strip of pages, and the band
// of that strip a printed page shows.

#include "platform/canvas.h"
#include "platform/page_band.h"

namespace ledra::reports {

inline constexpr int kPageHeightTenths = 110;
inline constexpr int kPageHeightTenthsA4 = 120;
inline constexpr int kPageWidthTenths = 80;

// On screen every horizontal distance uses 11/12 of the resolution.
constexpr int WorkingDpiX(int dpi_x, bool screen) {
  return screen ? dpi_x * 11 / 12 : dpi_x;
}
// Text height plus external leading, one twentieth more with the grid.
constexpr int LineHeight(const TextMetrics& m, bool grid) {
  const int h = m.height + m.external_leading;
  return grid ? h + h / 20 : h;
}
// Pages are planned at this resolution whatever the target, so that the
// screen, the preview, a printer and a PDF of any resolution end their pages at
// the same entries (each target's own rounding of the font would not).
inline constexpr int kPlanDpi = 1200;

// Nine inches of lines; at least one so that a huge font still pages.
constexpr int LinesPerPage(int dpi_y, int line_height) {
  const int lines = line_height > 0 ? dpi_y * 9 / line_height : 1;
  return lines > 0 ? lines : 1;
}
// Just the pages the entries fill, so no page holds only headings; a report of
// no entries still has one page.
constexpr int PageCount(int entries, int columns, int lines_per_page) {
  const int per_page = (columns > 0 ? columns : 1) * (lines_per_page > 0 ? lines_per_page : 1);
  return entries > 0 ? (entries + per_page - 1) / per_page : 1;
}
constexpr int TopMargin(int setting_hundredths, int dpi_y) {
  return setting_hundredths * dpi_y / 100;
}
// Top of page p (0, 1, ...) on the strip.
constexpr int PageTop(int page_height_tenths, int p, int dpi_y, int top_margin) {
  return (page_height_tenths / 10) * p * dpi_y + dpi_y / 4 + top_margin;
}

// The geometry of one report drawn on one target.
struct PageFrame {
  int dpi_x = 96;  // working resolution (11/12 of the screen's)
  int dpi_y = 96;
  int page_height_tenths = kPageHeightTenths;
  int top_margin = 0;
  int left_margin = 0;
  int line_height = 1;     // on this target
  int lines_per_page = 1;  // planned at kPlanDpi, the same on every target

  int PageTop(int p) const { return reports::PageTop(page_height_tenths, p, dpi_y, top_margin); }
  // Top of line n of page p.
  int LineTop(int p, int n) const { return PageTop(p) + n * line_height; }
  // A horizontal distance of num/den inches.
  int Inches(int num, int den = 1) const { return dpi_x * num / den; }
  // A column stop num/den inches from the left margin.
  int Stop(int num, int den = 1) const { return left_margin + Inches(num, den); }
};

}  // namespace ledra::reports
