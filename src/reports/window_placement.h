#pragma once
// Where the main window goes: a normal-sized window centred on the work area
// at the first start, then the place and size it had when the program last
// closed, brought back when that place is out of reach (a screen unplugged,
// a smaller resolution). Pure arithmetic on the desktop's work area; the
// window only applies the result.

#include <optional>
#include <string>

namespace ledra::reports {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const WindowRect&) const = default;
};

// The first start's size: large enough for the home view and a report page.
inline constexpr int kFirstWidth = 1000, kFirstHeight = 700;

// A remembered top-left corner that would leave the window out of reach:
// more than 9/10 of the work area to the right, more than 4/5 down, more than
// 20 pixels above it, or so far left that less than a tenth of the work area
// width of the window remains.
bool OffScreen(const WindowRect& desktop, Point corner, int window_width);

// The window's frame on `desktop` (the work area of the screen it was on, or
// of the primary screen): `saved` when there is one, no larger than the work
// area and centred when out of reach; otherwise the first start's size,
// centred.
WindowRect MainWindowPlacement(const WindowRect& desktop, const std::optional<WindowRect>& saved);

// "x,y,width,height" as the settings keep it; nullopt for anything else or a
// size under 100 pixels.
std::optional<WindowRect> ParseWindowRect(const std::string& text);
std::string WindowRectText(const WindowRect& r);

}  // namespace ledra::reports
