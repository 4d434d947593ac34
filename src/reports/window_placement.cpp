#include "reports/window_placement.h"

#include <algorithm>
#include <charconv>

namespace ledra::reports {
namespace {

constexpr int kAboveTolerance = 20;
constexpr int kSmallest = 100;

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

WindowRect MainWindowPlacement(const WindowRect& desktop, const std::optional<WindowRect>& saved) {
  const WindowRect& d = desktop;
  WindowRect r = saved.value_or(WindowRect{0, 0, kFirstWidth, kFirstHeight});
  r.width = std::clamp(r.width, 1, std::max(d.width, 1));
  r.height = std::clamp(r.height, 1, std::max(d.height, 1));
  if (!saved || OffScreen(d, {r.x, r.y}, r.width)) {
    r.x = d.x + (d.width - r.width) / 2;
    r.y = d.y + (d.height - r.height) / 2;
  }
  return r;
}

std::optional<WindowRect> ParseWindowRect(const std::string& text) {
  int values[4] = {};
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      if (at == end || *at != ',') return std::nullopt;
      ++at;
    }
    const auto [next, ec] = std::from_chars(at, end, values[i]);
    if (ec != std::errc()) return std::nullopt;
    at = next;
  }
  if (at != end || values[2] < kSmallest || values[3] < kSmallest) return std::nullopt;
  return WindowRect{values[0], values[1], values[2], values[3]};
}

std::string WindowRectText(const WindowRect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) + "," +
         std::to_string(r.height);
}

}  // namespace ledra::reports
