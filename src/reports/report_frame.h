#pragma once
// What one drawing of a report needs besides the data: the target's
// resolutions, the printing options, the fonts, today's date; and the header
// block every report page starts with.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "reports/page_layout.h"
#include "reports/report_fonts.h"

namespace ledra::reports {

// The settings that shape a printed page.
struct PageOptions {
  bool grid = false;
  bool datestamp = false;
  int top_margin = 50;    // hundredths of an inch
  std::string cong_name;  // ANSI
  bool surname_first = true;
  std::string special_category;   // ANSI; empty while the option is off
  bool emergency_witness = true;  // "TJ? = Yes/No" in the emergency contact data
  // Labels
  bool label_birth_caption = true;
  bool alternate_label = false;
  int label_left_margin = 20;  // hundredths of an inch
};

struct ReportEnv {
  int screen_dpi_x = 96, screen_dpi_y = 96;
  int printer_dpi_x = 300, printer_dpi_y = 300;
  int page_height_tenths = kPageHeightTenths;
  // Printer, preview or PDF: the date stamp shows on these only.
  bool printed = false;
  PageOptions options;
  ReportFonts fonts{true, "ptg"};
  Date today;
  std::string language_code = "ptg";
  // The publishers chosen for a report drawn for some people only.
  std::vector<std::uint16_t> chosen_ids;
  // The label of the first sheet to start at (1-20).
  int first_label = 1;
};

// Where a report puts the date stamp's right end (inches from the page's
// edge, in eighths) and the subtitle's top (in halves of a line).
struct HeaderPlacement {
  int datestamp_eighths = 60;
  int subtitle_half_lines = 1;
};

// The canvas of one drawing with the env's rules for fonts and units.
class ReportFrame {
 public:
  ReportFrame(Canvas& canvas, const ReportEnv& env);

  Canvas& canvas() { return canvas_; }
  const ReportEnv& env() const { return env_; }
  // The target is the screen when its resolution is the screen's.
  bool screen() const { return screen_; }
  int dpi_x() const { return WorkingDpiX(canvas_.dpi_x(), screen_); }
  int dpi_y() const { return canvas_.dpi_y(); }

  // Selects a role's font, scaled to the printer unless drawing on screen.
  void Use(FontRole role);
  void Use(const FontSpec& screen_font);

  // The list geometry: line height from the text font (grid included),
  // margins, and nine inches of lines planned at kPlanDpi.
  PageFrame ListFrame();
  // The text font at kPlanDpi, and the width of a text in it: line breaks
  // decided with these fall alike on every target.
  FontSpec PlanFont() const;
  int PlanTextWidth(std::string_view ansi) const { return canvas_.TextWidthOf(PlanFont(), ansi); }

  // The report's name, then " - " and the congregation name when set.
  std::string Title(std::string_view name) const;
  // The title with the confidentiality note, the date stamp and the subtitle
  // of page p; leaves the text font selected.
  void DrawHeader(const PageFrame& frame, int page, std::string_view title,
                  std::string_view subtitle, HeaderPlacement placement = {});
  // "Printed 8 Dezembro 2026" (day/month/year for Greek).
  std::string DateStamp() const;

 private:
  Canvas& canvas_;
  const ReportEnv& env_;
  bool screen_;
};

}  // namespace ledra::reports
