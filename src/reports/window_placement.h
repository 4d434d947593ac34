#pragma once
// Where the main window goes and how large it is when the view switches
// between the action panel and a report. Pure arithmetic on the desktop's
// work area; the window only applies the result.

#include <optional>

namespace ledra::reports {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const WindowRect&) const = default;
};

struct WindowPlacement {
  WindowRect rect;  // the outer frame, in desktop coordinates
  bool maximize_box = false;
  bool operator==(const WindowPlacement&) const = default;
};

// A remembered top-left corner that would leave the window out of reach:
// more than 9/10 of the work area to the right, more than 4/5 down, more than
// 20 pixels above it, or so far left that less than a tenth of the work area
// width of the window remains.
bool OffScreen(const WindowRect& desktop, Point corner, int window_width);

// The report window's size: the size it had, or the whole work area at first;
// no wider than 8.3 inches when the desktop is wider than 8.5 inches, and no
// taller than the work area less an eighth of an inch.
struct ReportSizeInput {
  WindowRect desktop;  // work area
  int screen_dpi_x = 96, screen_dpi_y = 96;
  std::optional<WindowRect> last;  // the report window when it was last left
};
WindowPlacement ReportPlacement(const ReportSizeInput& in);

// The panel window: the panel plus the frame and menu bar around it and 11
// pixels, at its last place or centred on the work area.
struct PanelSizeInput {
  WindowRect desktop;
  int panel_width = 0, panel_height = 0;
  int frame_width = 0, frame_height = 0;  // frame, title and menu bar together
  std::optional<Point> last;
};
WindowPlacement PanelPlacement(const PanelSizeInput& in);

}  // namespace ledra::reports
