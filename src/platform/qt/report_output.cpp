#include "platform/qt/report_output.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"

namespace ledra::qt {

int PaintBand(QPainter& painter, int dpi_x, int dpi_y, const Band& band, const StripDrawer& draw) {
  painter.save();
  painter.resetTransform();
  QtCanvas canvas(painter, dpi_x, dpi_y);
  canvas.SetClip(band.clip);
  canvas.ShiftOrigin(0, band.shift_y);
  const int pages = draw(canvas);
  painter.restore();
  return pages < 1 ? 1 : pages;
}

Status WriteReportPdf(const QString& file, int dpi, int page_width_tenths, int page_height_tenths,
                      const StripDrawer& draw) {
  QPdfWriter writer(file);
  writer.setResolution(dpi);
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  writer.setCreator(QStringLiteral("Ledra"));
  QPainter painter;
  if (!painter.begin(&writer)) return Message{20935, ToAnsi(Text(20935))};
  int pages = 1;
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) writer.newPage();
    const Band band = PageBand(page, dpi, dpi, page_width_tenths, page_height_tenths);
    pages = PaintBand(painter, dpi, dpi, band, draw);
  }
  if (!painter.end()) return Message{20935, ToAnsi(Text(20935))};
  return Status::Ok();
}

}  // namespace ledra::qt
