#pragma once
// The state of the one report view: action panel or report, which report,
// the page strip and its scroll sizes, the keys, and the bookkeeping of a
// print run (paper, copies, the band of each page).

#include <optional>

#include "reports/page_layout.h"

namespace ledra::reports {

enum class ViewMode { kActionPanel = 1, kReport = 2 };

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

struct ScrollSizes {
  Size total, page, line;
};

enum class ViewKey { kPageUp, kPageDown, kHome, kEnd, kLeft, kRight, kUp, kDown, kEscape };

// What a key does: a scroll to make (absolute or relative) or back to the panel.
struct KeyEffect {
  int dx = 0, dy = 0;
  bool to_start = false, to_end = false, to_panel = false;
};

// What the print dialog and the printer say when printing starts.
struct PrintSetup {
  bool a4_paper = false;
  bool driver_copies = false;
  int copies = 1;
  int first_page = 1, last_page = 1;
};

class ReportViewModel {
 public:
  ReportViewModel(int screen_dpi_x, int screen_dpi_y, std::optional<int> printer_dpi_x,
                  std::optional<int> printer_dpi_y);

  ViewMode mode() const { return mode_; }
  int kind() const { return kind_; }
  int selected_group() const { return selected_group_; }
  int page_count() const { return page_count_; }
  int page_height_tenths() const { return page_height_tenths_; }
  int page_width_tenths() const { return page_width_tenths_; }
  bool a4_paper() const { return a4_paper_; }
  bool previewing() const { return previewing_; }
  int screen_dpi_x() const { return screen_dpi_x_; }
  int screen_dpi_y() const { return screen_dpi_y_; }
  int printer_dpi_x() const { return printer_dpi_x_; }
  int printer_dpi_y() const { return printer_dpi_y_; }
  // Printing and preview make sense only while a report shows.
  bool CanPrint() const { return mode_ == ViewMode::kReport; }

  void ShowReport(int kind, int group = 0);
  void ShowPanel() { mode_ = ViewMode::kActionPanel; }
  // Set by the drawing routine; never below 1.
  void set_page_count(int pages) { page_count_ = pages < 1 ? 1 : pages; }
  // After printer set-up: 300 x 300 when there is no printer.
  void SetPrinterDpi(std::optional<int> dpi_x, std::optional<int> dpi_y);

  // Report mode's scrolling area and steps (the panel sizes itself).
  ScrollSizes ReportScrollSizes() const;
  KeyEffect Key(ViewKey key) const;

  // --- a print run -------------------------------------------------------
  // Prepare and begin: returns the last page the printing layer should ask for.
  int BeginPrint(const PrintSetup& setup, bool preview);
  // Before each page of real printing: the page to print next after `page`
  // (the first call passes 0), or nullopt when printing ends.
  std::optional<int> NextPage(int page);
  // The band of the strip that printed page `page` (1, ...) shows, at the printer's dpi.
  Band PrintBand(int page, int dpi_x, int dpi_y) const;
  void EndPrint();
  int extra_copies() const { return extra_copies_; }

 private:
  ViewMode mode_ = ViewMode::kActionPanel;
  int kind_ = 1;
  int selected_group_ = 0;
  int page_height_tenths_ = kPageHeightTenths;
  int page_width_tenths_ = kPageWidthTenths;
  int page_count_ = 1;
  bool a4_paper_ = false;
  bool previewing_ = false;
  int screen_dpi_x_, screen_dpi_y_;
  int printer_dpi_x_ = 300, printer_dpi_y_ = 300;
  bool driver_copies_ = false;
  int extra_copies_ = 0;
  int first_page_ = 1;
  int last_page_ = 1;
};

}  // namespace ledra::reports
