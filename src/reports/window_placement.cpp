#include "reports/window_placement.h"

#include <algorithm>

namespace ledra::reports {
namespace {

constexpr int kPanelSlack = 11;
constexpr int kAboveTolerance = 20;

int CentredX(const WindowRect& desktop, int width) {
  return desktop.x + (desktop.width - width) / 2;
}

}  // namespace

bool OffScreen(const WindowRect& desktop, Point corner, int window_width) {
  const int right = corner.x - desktop.x;
  const int down = corner.y - desktop.y;
  if (right > desktop.width * 9 / 10) return true;
  if (down > desktop.height * 4 / 5) return true;
  if (down < -kAboveTolerance) return true;
  // Far to the left the same way: less than a tenth of the desktop's width shows.
  return right + window_width < desktop.width / 10;
}

WindowPlacement ReportPlacement(const ReportSizeInput& in) {
  const WindowRect& d = in.desktop;
  WindowRect r = in.last.value_or(d);
  if (!in.last) {
    // First time: the width of a page, the height of the desktop.
    if (d.width > in.screen_dpi_x * 85 / 10) r.width = in.screen_dpi_x * 83 / 10;
    r.height = d.height - in.screen_dpi_y / 8;
  }
  r.width = std::clamp(r.width, 1, std::max(d.width, 1));
  r.height = std::clamp(r.height, 1, std::max(d.height, 1));
  if (!in.last || OffScreen(d, {r.x, r.y}, r.width)) {
    r.x = CentredX(d, r.width);
    r.y = d.y;
  }
  return {r, true};
}

WindowPlacement PanelPlacement(const PanelSizeInput& in) {
  const WindowRect& d = in.desktop;
  WindowRect r;
  r.width = in.panel_width + in.frame_width + kPanelSlack;
  r.height = in.panel_height + in.frame_height + kPanelSlack;
  if (in.last && !OffScreen(d, *in.last, r.width)) {
    r.x = in.last->x;
    r.y = in.last->y;
  } else {
    r.x = CentredX(d, r.width);
    r.y = d.y + (d.height - r.height) / 2;
  }
  return {r, false};
}

}  // namespace ledra::reports
