#include "reports/list_grid.h"

namespace ledra::reports {

void DrawListGrid(Canvas& canvas, const PageFrame& frame, int page, int rows, int left, int right,
                  const std::vector<int>& stops) {
  if (rows <= 0) return;
  const int top = frame.LineTop(page, 2);
  const int bottom = frame.LineTop(page, 2 + rows);
  canvas.Rectangle({left, top, right, bottom}, 2);
  for (int r = 1; r < rows; ++r) {
    const int y = frame.LineTop(page, 2 + r);
    canvas.Line(left, y, right, y, 1);
  }
  for (int x : stops) canvas.Line(x, top, x, bottom, 1);
}

}  // namespace ledra::reports
