#include "reports/ticked_box.h"

#include <algorithm>

namespace ledra::reports {

void DrawTickedBox(Canvas& canvas, int right, int bottom, int width, int height) {
  const int dpi_x = canvas.dpi_x(), dpi_y = canvas.dpi_y();
  const Rect r{right - width, bottom - height, right, bottom};
  canvas.Rectangle(r, std::max(1, dpi_x / 120));
  const int pen = std::max(1, dpi_x / 45);
  const int mid_x = (r.left + r.right) / 2;
  const int mid_y = (r.top + r.bottom) / 2;
  canvas.Line(r.left + dpi_x / 35, mid_y, mid_x, r.bottom - dpi_y / 50, pen);
  canvas.Line(mid_x, r.bottom - dpi_y / 50, r.right - dpi_x / 40, r.top + dpi_y / 40, pen);
}

}  // namespace ledra::reports
