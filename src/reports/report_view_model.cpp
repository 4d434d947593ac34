#include "reports/report_view_model.h"

namespace ledra::reports {

namespace {
constexpr int kUnboundedLastPage = 65535;
}

ReportViewModel::ReportViewModel(int screen_dpi_x, int screen_dpi_y,
                                 std::optional<int> printer_dpi_x, std::optional<int> printer_dpi_y)
    : screen_dpi_x_(screen_dpi_x > 0 ? screen_dpi_x : 96),
      screen_dpi_y_(screen_dpi_y > 0 ? screen_dpi_y : 96) {
  SetPrinterDpi(printer_dpi_x, printer_dpi_y);
}

void ReportViewModel::SetPrinterDpi(std::optional<int> dpi_x, std::optional<int> dpi_y) {
  printer_dpi_x_ = dpi_x && *dpi_x > 0 ? *dpi_x : 300;
  printer_dpi_y_ = dpi_y && *dpi_y > 0 ? *dpi_y : 300;
}

void ReportViewModel::ShowReport(int kind, int group) {
  mode_ = ViewMode::kReport;
  kind_ = kind;
  selected_group_ = group;
}

ScrollSizes ReportViewModel::ReportScrollSizes() const {
  ScrollSizes s;
  s.total = {8 * screen_dpi_x_, (page_height_tenths_ / 10) * page_count_ * screen_dpi_y_};
  s.page = {2 * screen_dpi_x_, 4 * screen_dpi_y_};
  s.line = {screen_dpi_x_ / 10, screen_dpi_y_ / 6};
  return s;
}

KeyEffect ReportViewModel::Key(ViewKey key) const {
  const ScrollSizes s = ReportScrollSizes();
  KeyEffect e;
  switch (key) {
    case ViewKey::kPageUp:
      e.dy = -s.page.height;
      break;
    case ViewKey::kPageDown:
      e.dy = s.page.height;
      break;
    case ViewKey::kHome:
      e.to_start = true;
      break;
    case ViewKey::kEnd:
      e.to_end = true;
      break;
    case ViewKey::kLeft:
      e.dx = -s.line.width;
      break;
    case ViewKey::kRight:
      e.dx = s.line.width;
      break;
    case ViewKey::kUp:
      e.dy = -s.line.height;
      break;
    case ViewKey::kDown:
      e.dy = s.line.height;
      break;
    case ViewKey::kEscape:
      e.to_panel = true;
      break;
  }
  return e;
}

int ReportViewModel::BeginPrint(const PrintSetup& setup, bool preview) {
  if (setup.a4_paper) a4_paper_ = true;  // kept until the program ends
  driver_copies_ = setup.driver_copies;
  const int copies = setup.copies < 1 ? 1 : setup.copies;
  extra_copies_ = driver_copies_ ? 0 : copies - 1;
  first_page_ = setup.first_page < 1 ? 1 : setup.first_page;
  last_page_ = setup.last_page < first_page_ ? first_page_ : setup.last_page;
  if (a4_paper_) page_height_tenths_ = kPageHeightTenthsA4;
  if (preview) {
    previewing_ = true;
    return last_page_;
  }
  return driver_copies_ ? last_page_ : kUnboundedLastPage;
}

std::optional<int> ReportViewModel::NextPage(int page) {
  const int next = page < first_page_ ? first_page_ : page + 1;
  if (next <= last_page_) return next;
  if (extra_copies_ > 0) {
    --extra_copies_;
    return first_page_;
  }
  return std::nullopt;
}

Band ReportViewModel::PrintBand(int page, int dpi_x, int dpi_y) const {
  return PageBand(page, dpi_x, dpi_y, page_width_tenths_, page_height_tenths_);
}

void ReportViewModel::EndPrint() {
  previewing_ = false;
  extra_copies_ = 0;
  page_height_tenths_ = kPageHeightTenths;
}

}  // namespace ledra::reports
