#pragma once
// A ticked check box as the printed forms draw it: a square with its
// bottom-right corner at a point and a check mark of two strokes.

#include "platform/canvas.h"

namespace ledra::reports {

void DrawTickedBox(Canvas& canvas, int right, int bottom, int width, int height);

}  // namespace ledra::reports
