#pragma once
// The grid the lists draw when the option is on: a 2-pixel frame around the
// table, a rule between rows and one at every column stop.

#include <vector>

#include "platform/canvas.h"
#include "reports/page_layout.h"

namespace ledra::reports {

// The table of page p covers `rows` lines from line 2, between left and right.
void DrawListGrid(Canvas& canvas, const PageFrame& frame, int page, int rows, int left, int right,
                  const std::vector<int>& stops);

}  // namespace ledra::reports
