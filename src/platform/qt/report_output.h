#pragma once
// Printed pages of a report strip on paged devices: each page clips the band
// it shows, shifts the origin and lets the report draw its whole strip.

#include <QPainter>
#include <QString>
#include <functional>

#include "platform/canvas.h"
#include "platform/page_band.h"
#include "platform/result.h"

namespace ledra::qt {

// Draws the whole strip on a canvas and returns its page count.
using StripDrawer = std::function<int(Canvas& canvas)>;

// Paints one band with a fresh transform; returns the report's page count.
int PaintBand(QPainter& painter, int dpi_x, int dpi_y, const Band& band, const StripDrawer& draw);

// Writes every page of the report into a PDF file of Letter pages at `dpi`,
// each showing its band of the strip. The failure carries the message shown
// to the user.
Status WriteReportPdf(const QString& file, int dpi, int page_width_tenths, int page_height_tenths,
                      const StripDrawer& draw);

}  // namespace ledra::qt
