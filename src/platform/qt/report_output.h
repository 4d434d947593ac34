#pragma once
// Printed pages of a report strip on paged devices: each page clips the band
// it shows, shifts the origin and lets the report draw its whole strip.

#include <QPainter>
#include <QString>
#include <functional>

#include "platform/result.h"
#include "reports/canvas.h"
#include "reports/page_layout.h"

namespace ledra::qt {

// Draws the whole strip on a canvas and returns its page count.
using StripDrawer = std::function<int(reports::Canvas& canvas)>;

// Paints one band with a fresh transform; returns the report's page count.
int PaintBand(QPainter& painter, int dpi_x, int dpi_y, const reports::Band& band,
              const StripDrawer& draw);

// Writes every page of the report into a PDF file of Letter pages at `dpi`.
// The failure carries the message shown to the user.
Status WriteReportPdf(const QString& file, int dpi, int page_height_tenths,
                      const StripDrawer& draw);

}  // namespace ledra::qt
